// The main window's procedures: start-up, the six buttons, and the pointer feedback.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "ports/dialogs.h"
#include "ports/files.h"
#include "ports/main_window.h"
#include "ports/program_list.h"
#include "ports/random_source.h"
#include "ports/registry.h"
#include "ports/shell.h"
#include "ports/text_case.h"
#include "services/error_report.h"

namespace orv {

class Trap;

struct Form1Ports {
    MainWindow& window;
    ProgramList& list;
    Registry& registry;
    TextCase& textCase;
    Dialogs& dialogs;
    Shell& shell;
    Files& files;
    RandomSource& random;
    ErrorReporter& reporter;
};

inline constexpr wchar_t kInputPrompt[] = L"Enter text:";
inline constexpr wchar_t kHandCursorSuffix[] = L"\\HAND-M.CUR";

class Form1 {
public:
    explicit Form1(const Form1Ports& ports);

    // The start-up, then what each of the six buttons does.
    void startUp();
    void uninstallTicked();
    void refresh();
    void untickAll();
    void showHelp();
    void tickContaining();
    void tickNotContaining();

    // The pointer: the hand over the buttons, the arrow over the window's background and the list.
    void showHandPointer();
    void showArrowPointer();

    // The window has gone (closed while a box of a command was shown): the command starts nothing more.
    void windowClosed() { windowClosed_ = true; }

private:
    void rebuildList();
    void selectByText(const wchar_t* location, bool containing);
    void visitHomePageSometimes();
    // Every row once, first to last, `body` given the row; the count is read at `startLine` and each
    // move to the next row is `advanceLine`.
    void walkRows(Trap& trap, int startLine, int advanceLine, const std::function<void(std::size_t row)>& body);

    // Holds `running` for as long as it lives, when it was free: one command at a time. The shell, a box
    // or the input box may run a message loop of their own while a command waits for them, and a click
    // or key queued meanwhile must not start another command inside it.
    class OneCommand {
    public:
        explicit OneCommand(bool& running) : running_(running), entered_(!running) { running_ = true; }
        ~OneCommand() {
            if (entered_) running_ = false;
        }
        OneCommand(const OneCommand&) = delete;
        OneCommand& operator=(const OneCommand&) = delete;
        [[nodiscard]] bool entered() const { return entered_; }

    private:
        bool& running_;
        bool entered_;
    };

    Form1Ports ports_;
    std::wstring applicationTitle_;
    bool commandRunning_ = false;
    bool windowClosed_ = false;
};

// Whether `rowText` contains `searchText`, both lower-cased; an empty row text matches nothing.
bool MatchesSearch(TextCase& textCase, const std::wstring& rowText, const std::wstring& searchText);

}  // namespace orv
