// The main window's procedures: start-up, the six buttons, and the pointer feedback.
#pragma once

#include <string>

#include "ports/random_source.h"
#include "ports/dialogs.h"
#include "ports/files.h"
#include "ports/main_window.h"
#include "ports/program_list.h"
#include "ports/registry.h"
#include "ports/shell.h"
#include "ports/text_case.h"
#include "services/error_report.h"

namespace orv {

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

// The list's columns as start-up creates them: header and width in twips.
struct ColumnLayout {
    const wchar_t* header;
    int widthTwips;
};
inline constexpr ColumnLayout kColumns[] = {
    {L"Add Or Remove Programs", 7000}, {L"Uninstall", 0}, {L"FileExists", 0}, {L"KeyName", 0}};

inline constexpr wchar_t kInputPrompt[] = L"Enter text:";
inline constexpr int kShowMinimized = 2;

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

    void ButtonMouseMove();
    void SurfaceMouseMove();  // the window's background or the list

    [[nodiscard]] const std::wstring& applicationTitle() const { return applicationTitle_; }

private:
    void rebuildList();
    void selectByText(const wchar_t* location, bool containing);
    void visitHomePageSometimes();

    Form1Ports ports_;
    std::wstring applicationTitle_;
};

// Whether `rowText` contains `searchText`, both lower-cased; an empty row text matches nothing.
bool MatchesSearch(TextCase& textCase, const std::wstring& rowText, const std::wstring& searchText);

}  // namespace orv
