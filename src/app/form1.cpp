#include "app/form1.h"

#include <cmath>
#include <optional>

#include "app/launch_command.h"
#include "inventory/refresh_list.h"
#include "services/application_title.h"
#include "services/apply_skin.h"
#include "services/locations.h"
#include "services/maker.h"
#include "services/trap.h"

namespace orv {

Form1::Form1(const Form1Ports& ports) : ports_(ports), applicationTitle_(maker::kProductName) {}

void Form1::rebuildList() {
    RefreshList({ports_.registry, ports_.list, ports_.textCase, ports_.reporter});
}

void Form1::startUp() {
    Trap trap(location::kFormLoad, ports_.reporter);
    auto& window = ports_.window;
    trap.step(100, [&] { ApplySkin(ports_.files, window); });
    std::wstring handCursor;
    if (trap.entersBlock(104, [&] {
            handCursor = ports_.files.programFolder() + kHandCursorSuffix;
            return ports_.files.kindOf(handCursor) != PathKind::Nothing;
        })) {
        trap.step(106, [&] { window.loadCustomPointer(handCursor); });
    }
    trap.step(108, [&] { visitHomePageSometimes(); });
    trap.step(128, [&] { window.setCaption(maker::kProductName); });
    trap.step(128, [&] { window.useApplicationIcon(); });
    trap.step(128, [&] { applicationTitle_ = ApplicationTitleFor(maker::kProductName); });
    int line = 130;
    for (const auto& column : kColumns) {
        trap.step(line, [&] { ports_.list.addColumn(column.header); });
        line += 2;
    }
    for (int position = 1; position <= kColumnCount; ++position) {
        trap.step(line, [&] { ports_.list.setColumnWidth(position, kColumns[position - 1].widthTwips); });
        line += 2;
    }
    trap.step(145, [&] { rebuildList(); });
}

// On about one start in a hundred the maker's home page opens, minimised, without waiting for it.
void Form1::visitHomePageSometimes() {
    ports_.random.seed(ports_.random.secondsSinceMidnight());
    const int n = static_cast<int>(std::floor(ports_.random.next() * 100.0)) + 1;
    // n runs from 1 to 100; one number of the hundred, the maker's 7, opens the page.
    if (n == 7) {
        // By its full path: a search for "explorer" would look in our own folder first. It runs in the
        // Windows folder: whatever folder we were started from stays out of its way.
        const std::wstring windows = ports_.shell.windowsFolder();
        const std::wstring explorer = windows + L"\\explorer.exe";
        ports_.shell.startMinimized(explorer, L"\"" + explorer + L"\" \"" + maker::kHomePage + L"\"", windows);
    }
}

void Form1::uninstallTicked() {
    const OneCommand command(commandRunning_);
    if (!command.entered()) return;
    Trap trap(location::kPushButton1Click, ports_.reporter);
    auto& list = ports_.list;
    std::size_t rows = 0;
    trap.step(100, [&] { rows = list.count(); });
    CommandLauncher launcher(ports_.shell, ports_.files, ports_.registry);  // finds the folders and variables once for the batch
    for (std::size_t row = 1; row <= rows && !windowClosed_; ++row) {
        // A tick that cannot be read is reported and the row is not started: an uninstaller the user
        // may not have ticked must never run.
        bool ticked = false;
        trap.step(102, [&] { ticked = list.checked(row); });
        if (ticked) {
            trap.step(104, [&] {
                launcher.launch(list.subItem(row, kUninstallCommandItem), list.source(row), list.subItem(row, kKeyNameItem));
            });
        }
    }
    if (windowClosed_) return;  // the user closed the window behind a report: nothing more starts
    trap.step(111, [&] { rebuildList(); });
}

void Form1::refresh() {
    const OneCommand command(commandRunning_);
    if (!command.entered()) return;
    Trap trap(location::kPushButton2Click, ports_.reporter);
    trap.step(100, [&] { rebuildList(); });
}

void Form1::walkRows(Trap& trap, int startLine, int advanceLine, const std::function<void(std::size_t row)>& body) {
    auto& list = ports_.list;
    RedrawSuspended quiet(list);
    std::size_t row = 0;
    std::size_t rows = 0;
    trap.walk(
        startLine, [&] { rows = list.count(); row = 1; return rows >= 1; }, [&] { body(row); }, advanceLine,
        [&] { return ++row <= rows; });
}

void Form1::untickAll() {
    const OneCommand command(commandRunning_);
    if (!command.entered()) return;
    Trap trap(location::kPushButton3Click, ports_.reporter);
    walkRows(trap, 100, 102, [&](std::size_t row) { trap.step(102, [&] { ports_.list.setChecked(row, false); }); });
}

void Form1::showHelp() {
    const OneCommand command(commandRunning_);
    if (!command.entered()) return;
    Trap trap(location::kPushButton4Click, ports_.reporter);
    trap.step(100, [&] {
        ports_.dialogs.showMessage(std::wstring(L"Questions? Please contact ") + maker::kTeamName + L" at " +
                                       maker::kContactPage,
                                   applicationTitle_, kMessageOkOnly);
    });
}

void Form1::tickContaining() {
    selectByText(location::kPushButton5Click, true);
}

void Form1::tickNotContaining() {
    selectByText(location::kPushButton6Click, false);
}

// Filters only ever add ticks: a row that does not qualify keeps whatever tick it had.
void Form1::selectByText(const wchar_t* location, bool containing) {
    const OneCommand command(commandRunning_);
    if (!command.entered()) return;
    Trap trap(location, ports_.reporter);
    auto& list = ports_.list;
    // Cancel leaves every tick as it was. An input box that cannot be shown is reported, and the walk
    // runs with the empty text, as after any failed step.
    std::optional<std::wstring> answer = L"";
    trap.step(100, [&] { answer = ports_.dialogs.inputBox(kInputPrompt, applicationTitle_); });
    if (!answer) return;
    const std::wstring& searchText = *answer;
    walkRows(trap, 102, 106, [&](std::size_t row) {
        if (trap.entersBlock(104, [&] { return MatchesSearch(ports_.textCase, list.text(row), searchText) == containing; })) {
            trap.step(106, [&] { list.setChecked(row, true); });
        }
    });
}

bool MatchesSearch(TextCase& textCase, const std::wstring& rowText, const std::wstring& searchText) {
    if (rowText.empty()) {
        return false;
    }
    return textCase.lower(rowText).find(textCase.lower(searchText)) != std::wstring::npos;
}

void Form1::showHandPointer() {
    ports_.window.setPointer(PointerSetting::Custom);
}

void Form1::showArrowPointer() {
    ports_.window.setPointer(PointerSetting::Default);
}

}  // namespace orv
