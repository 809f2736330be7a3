// The real program as keyboard users and assistive technology reach it: typing in the list, Space over a
// selection, and the buttons as a screen reader or voice control sees and presses them.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <atomic>
#include <set>
#include <thread>

#include "accessible_client.h"
#include "driver.h"
#include "registry_seed.h"
#include "screen.h"
#include "win32/accessible_button.h"
#include "win32/form_layout.h"
#include "win32/handles.h"

namespace orv::e2e {
namespace {

// The test's rows begin with a word that no other program's name begins with, joined to the rest so that
// typed letters need no blank; other programs' rows lie around them, some with the same first letters,
// as on any Windows machine.
class KeyboardE2e : public ::testing::Test {
protected:
    void SetUp() override {
        entries.addOthersAround();
        int key = 0;
        for (const auto* name : {L"Delta Sync", L"Chess Club", L"Alpha Tool", L"Charlie Player", L"Bravo Editor"}) {
            entries.add(L"k" + std::to_wstring(key++), std::wstring(kFirstWord) + name, L"C:\\un.exe");
        }
    }
    // Rows by name: Alpha Tool, Bravo Editor, Charlie Player, Chess Club, Delta Sync.
    std::vector<bool> ticks(const ProgramUnderTest& program) {
        std::vector<bool> result;
        for (const auto& row : program.rows()) result.push_back(row.checked);
        return result;
    }
    static constexpr wchar_t kFirstWord[] = L"OrvendaleKeys_";
    SeededUninstallEntries entries;
};

TEST_F(KeyboardE2e, TypedLettersFocusAndSelectTheRowTheyBegin) {
    ProgramUnderTest program;
    ASSERT_NE(program.mainWindow(), nullptr);
    const auto landsOn = [&](const std::wstring& letters, int row) {
        Sleep(1000);  // a pause: the next letters start a new search
        program.typeInList(kFirstWord + letters);
        return WaitUntil([&] { return program.focusedRow() == row && program.selectedRows() == std::vector<int>{row}; },
                         10s);
    };
    EXPECT_TRUE(landsOn(L"che", 3));    // the prefix grows past "Charlie Player"
    EXPECT_TRUE(landsOn(L"delta", 4));
    EXPECT_TRUE(landsOn(L"alpha", 0));  // round from the last row to the first
    EXPECT_TRUE(landsOn(L"CHARL", 2));  // whatever the letter case
    EXPECT_TRUE(program.dialogs().empty());
}

// A screen reader hears of every tick that Space gives, through the list's own accessible object,
// whose children are the rows counted from 1.
TEST_F(KeyboardE2e, SpaceTicksAndUnticksEveryRowOfASelectionAndSaysSo) {
    ProgramUnderTest program;
    ASSERT_NE(program.mainWindow(), nullptr);
    WinEventsHeard heard(program, EVENT_OBJECT_STATECHANGE);
    const auto rows = program.rows();
    std::set<LONG> ownRows;
    for (const auto& row : rows) ownRows.insert(row.index + 1);
    for (int row : {0, 2, 3}) program.setRowState(row, LVIS_SELECTED, LVIS_SELECTED);
    program.setRowState(2, LVIS_FOCUSED, LVIS_FOCUSED);
    program.pressKeyInList(VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return ticks(program) == std::vector<bool>{true, false, true, true, false}; }, 10s));
    const std::set<LONG> ticked = {rows[0].index + 1, rows[2].index + 1, rows[3].index + 1};
    EXPECT_TRUE(heard.waitFor([&](const auto& events) {
        std::set<LONG> rowsHeard;
        for (const auto& event : events) {
            if (event.window == program.list() && ownRows.count(event.child) != 0) rowsHeard.insert(event.child);
        }
        return rowsHeard == ticked;
    }));
    program.pressKeyInList(VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return ticks(program) == std::vector<bool>(5, false); }, 10s));
}

// Ctrl+A selects every row, and Ctrl+C puts them on the clipboard in list order, each a line: the name,
// a tab and the uninstall command as read.
TEST_F(KeyboardE2e, CtrlAThenCtrlCCopiesEveryRowsNameAndCommand) {
    ProgramUnderTest program;
    ASSERT_NE(program.mainWindow(), nullptr);
    const RECT label = program.rowLabelRect(program.rows().at(0).index);
    POINT at{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
    ClientToScreen(program.list(), &at);
    DoubleClickWithTheMouse(at);  // the list takes the focus, and the keyboard with it
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
    PressTogether({VK_CONTROL, 'A'});
    EXPECT_TRUE(WaitUntil([&] { return program.selectedRows() == std::vector<int>{0, 1, 2, 3, 4}; }, 10s));
    PressTogether({VK_CONTROL, 'C'});
    std::optional<std::wstring> copied;
    EXPECT_TRUE(WaitUntil([&] { return (copied = ClipboardText()).has_value(); }, 10s));
    std::size_t from = 0;
    for (const auto* name : {L"Alpha Tool", L"Bravo Editor", L"Charlie Player", L"Chess Club", L"Delta Sync"}) {
        const std::wstring line = L"\r\n" + std::wstring(kFirstWord) + name + L"\tC:\\un.exe\r\n";
        const auto found = (L"\r\n" + copied.value_or(L"")).find(line, from);
        EXPECT_NE(found, std::wstring::npos) << name;
        from = found == std::wstring::npos ? from : found + 2;
    }
    EXPECT_EQ(ticks(program), std::vector<bool>(5, false));  // nothing else changed
    EXPECT_TRUE(program.dialogs().empty());
}

TEST(AssistiveTechnologyE2e, EveryButtonIsAPushButtonNamedByItsCaptionThatTakesTheFocus) {
    win32::ComApartment com;  // the buttons' accessible objects come through COM
    SeededUninstallEntries entries;
    ProgramUnderTest program;
    ASSERT_NE(program.mainWindow(), nullptr);
    for (const auto& place : win32::kButtons) {
        const auto* caption = place.caption;
        SCOPED_TRACE(caption);
        const HWND button = program.control(caption);
        const auto accessible = AccessibleOf(button);
        ASSERT_NE(accessible, nullptr);
        VARIANT role;
        ASSERT_EQ(accessible->get_accRole(Self(), &role), S_OK);
        EXPECT_EQ(role.vt, VT_I4);
        EXPECT_EQ(role.lVal, ROLE_SYSTEM_PUSHBUTTON);
        BSTR name = nullptr;
        EXPECT_EQ(accessible->get_accName(Self(), &name), S_OK);
        EXPECT_EQ(Take(name), caption);
        BSTR action = nullptr;
        EXPECT_EQ(accessible->get_accDefaultAction(Self(), &action), S_OK);
        EXPECT_EQ(Take(action), L"Press");
        VARIANT state;
        ASSERT_EQ(accessible->get_accState(Self(), &state), S_OK);
        EXPECT_NE(state.lVal & STATE_SYSTEM_FOCUSABLE, 0);
        EXPECT_EQ(state.lVal & STATE_SYSTEM_PRESSED, 0);
        LONG left = 0, top = 0, width = 0, height = 0;
        EXPECT_EQ(accessible->accLocation(&left, &top, &width, &height, Self()), S_OK);
        RECT screen{};
        GetWindowRect(button, &screen);
        EXPECT_EQ(left, screen.left);
        EXPECT_EQ(top, screen.top);
        EXPECT_EQ(width, screen.right - screen.left);
        EXPECT_EQ(height, screen.bottom - screen.top);
        UINT typeInfos = 1;  // none that could contradict the answers above
        EXPECT_EQ(accessible->GetTypeInfoCount(&typeInfos), S_OK);
        EXPECT_EQ(typeInfos, 0u);
    }

    // Tab moves the focus from the list to the first button; a screen reader hears of it and finds it focused.
    WinEventsHeard heard(program, EVENT_OBJECT_FOCUS);
    program.pressKeyInList(VK_TAB);
    const HWND uninstall = program.control(L"Uninstall Selected Entry From Computer");
    EXPECT_TRUE(heard.waitFor([&](const auto& events) {
        return !events.empty() && events.back().window == uninstall && events.back().child == CHILDID_SELF;
    }));
    const auto focused = AccessibleOf(uninstall);
    ASSERT_NE(focused, nullptr);
    VARIANT state;
    ASSERT_EQ(focused->get_accState(Self(), &state), S_OK);
    EXPECT_NE(state.lVal & STATE_SYSTEM_FOCUSED, 0);
}

TEST(AssistiveTechnologyE2e, PressingHelpReturnsAtOnceAndOpensItsOneOkBox) {
    win32::ComApartment com;  // the buttons' accessible objects come through COM
    SeededUninstallEntries entries;
    ProgramUnderTest program;
    ASSERT_NE(program.mainWindow(), nullptr);
    const auto help = AccessibleOf(program.control(L"Help"));
    ASSERT_NE(help, nullptr);
    // Were the press to wait for the box it opens, this closes the box, and the test fails, not hangs.
    std::atomic<bool> returned{false};
    std::thread watchdog([&] {
        if (WaitUntil([&] { return returned.load(); }, 15s)) return;
        if (const HWND box = FindBox(L"Orvendale")) ProgramUnderTest::press(box, L"OK");
    });
    const HRESULT pressed = help->accDoDefaultAction(Self());
    returned = true;
    watchdog.join();
    EXPECT_EQ(pressed, S_OK);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindBox(L"Orvendale")) != nullptr; }, 10s));
    const auto content = ProgramUnderTest::read(box);
    EXPECT_EQ(content.text, L"Questions? Please contact Team Kestrune at https://orvendale.example/contact");
    EXPECT_EQ(content.buttons, std::vector<std::wstring>{L"OK"});
    EXPECT_EQ(program.dialogs().size(), 1u);
    ProgramUnderTest::press(box, L"OK");
    EXPECT_TRUE(WaitUntil([&] { return program.dialogs().empty(); }, 10s));
    EXPECT_EQ(program.caption(), L"Orvendale Software");  // the window as it was
}

}  // namespace
}  // namespace orv::e2e
