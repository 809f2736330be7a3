// In-memory stand-ins for the main window, dialogs, shell, files and random. Each
// writes what it is asked into a shared journal, so tests can check the order of steps, and each
// can fail any operation on demand.
#pragma once

#include <cwctype>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fault_plan.h"
#include "ports/random_source.h"
#include "ports/dialogs.h"
#include "ports/files.h"
#include "ports/main_window.h"
#include "ports/shell.h"

namespace orv::testing {

using Journal = std::vector<std::string>;

inline std::wstring Lower(std::wstring text) {
    for (auto& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

class FakeMainWindow final : public MainWindow {
public:
    FakeMainWindow(Journal& journal, FaultPlan& faults) : journal_(journal), faults_(faults) {}

    void setCaption(const std::wstring& text) override { note("window.setCaption"); caption = text; }
    void useApplicationIcon() override { note("window.useApplicationIcon"); hasApplicationIcon = true; }
    void setBackColour(Colour colour) override { note("window.setBackColour"); backColour = colour; }
    void applySkin(const Skin& skin) override {
        note("window.applySkin");
        appliedSkin = skin;
    }
    void loadCustomPointer(const std::wstring& path) override {
        note("window.loadCustomPointer");
        if (!cursorFiles.count(path)) throw Failure(L"Invalid picture");
        customPointer = path;
    }
    void setPointer(PointerSetting value) override { note("window.setPointer"); setting = value; }

    std::wstring caption;
    bool hasApplicationIcon = false;
    Colour backColour = kWhite;
    std::optional<Skin> appliedSkin;
    std::wstring customPointer;
    std::set<std::wstring> cursorFiles;  // paths that load as cursors
    PointerSetting setting = PointerSetting::Default;

private:
    void note(const char* operation) {
        faults_.check(operation);
        journal_.push_back(operation);
    }
    Journal& journal_;
    FaultPlan& faults_;
};

class FakeDialogs final : public Dialogs {
public:
    FakeDialogs(Journal& journal, FaultPlan& faults) : journal_(journal), faults_(faults) {}

    void showMessage(const std::wstring& text, const std::wstring& title, unsigned style) override {
        faults_.check("dialogs.showMessage");
        journal_.push_back("dialogs.showMessage");
        messages.push_back({text, title, style});
    }
    std::optional<std::wstring> inputBox(const std::wstring& prompt, const std::wstring& title) override {
        faults_.check("dialogs.inputBox");
        journal_.push_back("dialogs.inputBox");
        prompts.push_back({prompt, title, 0});
        return answer;
    }

    struct Box {
        std::wstring text, title;
        unsigned style;
    };
    std::vector<Box> messages;
    std::vector<Box> prompts;
    std::optional<std::wstring> answer = L"";  // nothing: Cancel

private:
    Journal& journal_;
    FaultPlan& faults_;
};

// Environment variables by name, in any letter case.
class FakeEnvironment final : public Environment {
public:
    explicit FakeEnvironment(std::map<std::wstring, std::wstring> variables) : variables_(std::move(variables)) {}
    [[nodiscard]] std::optional<std::wstring> value(const std::wstring& name) const override {
        for (const auto& [variable, value] : variables_) {
            if (Lower(variable) == Lower(name)) return value;
        }
        return std::nullopt;
    }

private:
    std::map<std::wstring, std::wstring> variables_;
};

class FakeShell final : public Shell {
public:
    FakeShell(Journal& journal, FaultPlan& faults) : journal_(journal), faults_(faults) {}

    void open(const std::wstring& program, const std::wstring& arguments, const std::wstring& directory) override {
        faults_.check("shell.open");
        journal_.push_back("shell.open");
        opened.push_back({program, arguments, directory});
        if (whileOpening) whileOpening();
    }
    bool runsElevated() override {
        faults_.check("shell.runsElevated");
        return elevated;
    }
    void openAsDesktopUser(const std::wstring& program, const std::wstring& arguments,
                           const std::wstring& directory) override {
        journal_.push_back("shell.openAsDesktopUser");
        if (!desktopRefusal.empty()) throw Failure(desktopRefusal);
        openedAsDesktopUser.push_back({program, arguments, directory});
    }
    void startMinimized(const std::wstring& program, const std::wstring& commandLine,
                        const std::wstring& directory) override {
        faults_.check("shell.startMinimized");
        journal_.push_back("shell.startMinimized");
        started.push_back({program, commandLine, directory});
    }
    std::unique_ptr<Environment> environment(EnvironmentScope scope) override {
        faults_.check("shell.environment");
        return std::make_unique<FakeEnvironment>(scope == EnvironmentScope::Machine ? machineEnvironment : userEnvironment);
    }
    std::wstring systemFolder() override { return L"C:\\Windows\\system32"; }
    std::wstring windowsFolder() override { return L"C:\\Windows"; }
    std::wstring wow64SystemFolder() override { return wow64Folder; }

    struct Request {
        std::wstring program, arguments, directory;
    };
    struct Start {
        std::wstring program, commandLine, directory;
    };
    std::vector<Request> opened;
    std::vector<Request> openedAsDesktopUser;
    std::vector<Start> started;
    std::function<void()> whileOpening;  // what happens while the shell starts a program (its own message loop)
    bool elevated = false;       // started "as administrator"
    std::wstring desktopRefusal;  // why the desktop's shell cannot start a program; empty: it can
    std::wstring wow64Folder = L"C:\\Windows\\SysWOW64";
    std::map<std::wstring, std::wstring> machineEnvironment{
        {L"ProgramFiles", L"C:\\Program Files"},
        {L"ProgramFiles(x86)", L"C:\\Program Files (x86)"},
        {L"CommonProgramFiles", L"C:\\Program Files\\Common Files"},
        {L"CommonProgramFiles(x86)", L"C:\\Program Files (x86)\\Common Files"},
        {L"SystemRoot", L"C:\\Windows"},
        // Relative and empty entries stand for the working directory.
        {L"Path", L"C:\\Windows\\system32;;.;Tools;\"C:\\Program Files\\PowerShell\\7\\\";D:\\bin"}};
    std::map<std::wstring, std::wstring> userEnvironment = machineEnvironment;

private:
    Journal& journal_;
    FaultPlan& faults_;
};

class FakeFiles final : public Files {
public:
    FakeFiles(Journal& journal, FaultPlan& faults) : journal_(journal), faults_(faults) {}

    std::wstring programFolder() override { return folder; }

    bool isOrdinaryFile(const std::wstring& path) override {
        faults_.check("files.isOrdinaryFile");
        journal_.push_back("files.isOrdinaryFile");
        searched.push_back(path);
        return ordinary.count(Lower(path)) != 0;
    }
    std::string readFile(const std::wstring& path, std::size_t maxBytes) override {
        faults_.check("files.readFile");
        const auto found = contents.find(path);
        if (found == contents.end()) throw Failure(L"The system cannot find the file specified.");
        return found->second.substr(0, maxBytes);
    }
    // Letter case does not matter to file names, as on Windows.
    PathKind kindOf(const std::wstring& path) override {
        journal_.push_back("files.kindOf");
        asked.push_back(path);
        return ordinary.count(Lower(path)) != 0 || hidden.count(Lower(path)) != 0 ? PathKind::File : PathKind::Nothing;
    }

    void addFile(const std::wstring& path) { ordinary.insert(Lower(path)); }
    void addHiddenFile(const std::wstring& path) { hidden.insert(Lower(path)); }

    std::wstring folder = L"C:\\Program Files\\Orvendale";
    std::map<std::wstring, std::string> contents;  // what readFile finds
    std::vector<std::wstring> searched;
    std::vector<std::wstring> asked;  // what kindOf was asked, in order

private:
    std::set<std::wstring> ordinary;  // plain files, lower case
    std::set<std::wstring> hidden;    // hidden or system files
    Journal& journal_;
    FaultPlan& faults_;
};

class FakeRandomSource final : public RandomSource {
public:
    explicit FakeRandomSource(FaultPlan& faults) : faults_(faults) {}
    double secondsSinceMidnight() override { return 3600.5; }
    void seed(double value) override {
        faults_.check("random.seed");
        seeds.push_back(value);
    }
    double next() override { return draw; }

    double draw = 0.5;
    std::vector<double> seeds;

private:
    FaultPlan& faults_;
};

}  // namespace orv::testing
