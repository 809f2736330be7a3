// The program list over the real list view, in process: what the control shows of the rows, and the
// ticks that reach it from the program, a click, Space, and other programs.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "main_window_fixture.h"
#include "registry_seed.h"
#include "win32/list_view.h"

namespace orv::win32 {
namespace {

class ProgramListTest : public e2e::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        programList = &window.programList();
        for (const auto* header : {L"Add Or Remove Programs", L"Uninstall", L"FileExists", L"KeyName"}) programList->addColumn(header);
    }
    UINT boxOf(int index) {
        return static_cast<UINT>(ListView_GetItemState(window.list(), index, LVIS_STATEIMAGEMASK));
    }
    std::wstring controlText(int index, int subItem) {
        wchar_t buffer[128] = {};
        ListView_GetItemText(window.list(), index, subItem, buffer, 128);
        return buffer;
    }

    std::size_t add(const wchar_t* name) { return programList->add(name, RegistrySource::Machine64); }

    ListViewProgramList* programList = nullptr;
};

// The order itself is the row store's; here, that the control shows what the store holds, and only
// once repainting resumes. A rebuild shows the rows it replaces until it is done, and repaints the list
// only when a row in view changed.
TEST_F(ProgramListTest, TheControlShowsTheRowsInTheirOrderOnceRepaintingResumes) {
    window.showCentred(SW_SHOWNORMAL);
    // Rebuilds the list as a refresh does; answers whether the control has anything to repaint.
    const auto rebuildRepaints = [&](const wchar_t* key, const wchar_t* shownMeanwhile) {
        ValidateRect(window.list(), nullptr);
        programList->setRedraw(false);
        programList->clear();
        programList->setSubItem(add(L"Zeta"), 3, key);
        add(L"alpha");
        EXPECT_EQ(controlText(0, 0), shownMeanwhile);
        programList->setRedraw(true);
        return GetUpdateRect(window.list(), nullptr, FALSE) != FALSE;
    };
    EXPECT_TRUE(rebuildRepaints(L"key", L""));
    EXPECT_EQ(ListView_GetItemCount(window.list()), 2);
    EXPECT_EQ(controlText(0, 0), L"alpha");
    EXPECT_EQ(controlText(1, 3), L"key");
    EXPECT_EQ(controlText(1, 7), L"");
    EXPECT_FALSE(rebuildRepaints(L"key", L"alpha"));
    EXPECT_TRUE(rebuildRepaints(L"new key", L"alpha"));
    EXPECT_EQ(controlText(1, 3), L"new key");
}

TEST_F(ProgramListTest, TheControlShowsTheTicksThatTheProgramSets) {
    add(L"One");
    add(L"Two");
    EXPECT_EQ(boxOf(0), e2e::kEmptyBox);
    programList->setChecked(2, true);
    EXPECT_EQ(boxOf(1), e2e::kTickedBox);
    // As assistive technology and automation tools tick rows: one row, then every row.
    ListView_SetItemState(window.list(), 0, e2e::kTickedBox, LVIS_STATEIMAGEMASK);
    EXPECT_TRUE(programList->checked(1));
    ListView_SetItemState(window.list(), -1, e2e::kEmptyBox, LVIS_STATEIMAGEMASK | LVIS_SELECTED);
    EXPECT_FALSE(programList->checked(1));
    EXPECT_FALSE(programList->checked(2));
    EXPECT_EQ(boxOf(1), e2e::kEmptyBox);
    LVITEMW item{};
    item.mask = LVIF_STATE;
    item.iItem = 1;
    item.state = e2e::kTickedBox;
    item.stateMask = LVIS_STATEIMAGEMASK;
    EXPECT_TRUE(ListView_SetItem(window.list(), &item));
    EXPECT_TRUE(programList->checked(2));
    programList->clear();
    EXPECT_EQ(ListView_GetItemCount(window.list()), 0);
}

TEST_F(ProgramListTest, ClickOnTheBoxAndSpaceToggleTheTick) {
    window.showCentred(SW_SHOWNORMAL);
    add(L"Clickable");
    add(L"Second");
    RECT box{};
    box.left = LVIR_BOUNDS;
    ListView_GetItemRect(window.list(), 0, &box, LVIR_BOUNDS);
    const int x = box.left + 8;
    const int y = (box.top + box.bottom) / 2;
    SendMessageW(window.list(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(window.list(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    EXPECT_TRUE(programList->checked(1));
    EXPECT_FALSE(programList->checked(2));
    const int onText = box.left + 60;
    SendMessageW(window.list(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(onText, y));
    SendMessageW(window.list(), WM_LBUTTONUP, 0, MAKELPARAM(onText, y));
    EXPECT_TRUE(programList->checked(1));  // a click on the name selects, it does not tick
    SetFocus(window.list());
    ListView_SetItemState(window.list(), 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    SendMessageW(window.list(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(window.list(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_FALSE(programList->checked(1));
    // Ctrl+Space is the control's own, for building a selection: it ticks nothing.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(window.list(), WM_KEYDOWN, VK_SPACE, 0);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_FALSE(programList->checked(1));
}

}  // namespace
}  // namespace orv::win32
