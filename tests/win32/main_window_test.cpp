// The main window's own controls, in process: fonts, columns and check marks of the real list view.
#include <gtest/gtest.h>

#include <optional>

#include <windows.h>
#include <commctrl.h>

#include "ports/failure.h"
#include "win32/list_view.h"
#include "win32/main_window.h"

namespace orv::win32 {
namespace {

LOGFONTW FontOf(HWND window) {
    LOGFONTW font{};
    const auto handle = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    GetObjectW(handle, sizeof(font), &font);
    return font;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        window.create(GetModuleHandleW(nullptr), {});
    }
    void TearDown() override { DestroyWindow(window.hwnd()); }

    MainWindowFrame window;
};

TEST_F(MainWindowTest, ListAndButtonsUseArialBoldAtTheirPointSizes) {
    const auto listFont = FontOf(window.list());
    EXPECT_STREQ(listFont.lfFaceName, L"Arial");
    EXPECT_EQ(listFont.lfWeight, FW_BOLD);
    EXPECT_EQ(listFont.lfHeight, -MulDiv(9, static_cast<int>(GetDpiForWindow(window.hwnd())), 72));
    const auto buttonFont = FontOf(window.button(4).hwnd());
    EXPECT_STREQ(buttonFont.lfFaceName, L"Arial");
    EXPECT_EQ(buttonFont.lfWeight, FW_BOLD);
    EXPECT_EQ(buttonFont.lfHeight, -MulDiv(1125, static_cast<int>(GetDpiForWindow(window.hwnd())), 7200));
}

class ProgramListTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        programList.emplace(window.list(), [this](int twips) { return window.twipsToPixels(twips); });
        window.setListNotify([this](NMHDR& header) { return programList->onNotify(header); });
        for (const auto* header : {L"Add Or Remove Programs", L"Uninstall", L"FileExists", L"KeyName"}) programList->addColumn(header);
    }
    UINT stateImageOf(int index) {
        return (static_cast<UINT>(SendMessageW(window.list(), LVM_GETITEMSTATE, index, LVIS_STATEIMAGEMASK)) &
                LVIS_STATEIMAGEMASK) >> 12;
    }
    std::wstring controlText(int index, int subItem) {
        wchar_t buffer[128] = {};
        LVITEMW item{};
        item.iSubItem = subItem;
        item.pszText = buffer;
        item.cchTextMax = 128;
        SendMessageW(window.list(), LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
        return buffer;
    }

    std::optional<ListViewProgramList> programList;
};

TEST_F(ProgramListTest, RowsAreSortedByNameIgnoringCaseAndKeepTheirTexts) {
    const auto zeta = programList->add(L"Zeta");
    programList->setSubItem(zeta, 1, std::wstring(40000, L'x'));
    programList->setSubItem(zeta, 3, L"key");
    EXPECT_EQ(programList->add(L"alpha"), 1u);
    EXPECT_EQ(programList->add(L"Beta"), 2u);
    EXPECT_EQ(programList->text(3), L"Zeta");
    EXPECT_EQ(programList->subItem(3, 1).size(), 40000u);
    EXPECT_EQ(ListView_GetItemCount(window.list()), 3);
    EXPECT_EQ(controlText(0, 0), L"alpha");
    EXPECT_EQ(controlText(2, 3), L"key");
    EXPECT_THROW(programList->text(4), orv::Failure);
    EXPECT_THROW(programList->setChecked(0, true), orv::Failure);
    EXPECT_THROW(programList->setSubItem(1, 4, L"x"), orv::Failure);
}

TEST_F(ProgramListTest, RowsAddedWhileRepaintingIsSuspendedAreSortedWhenItResumes) {
    programList->setRedraw(false);
    programList->add(L"delta");
    programList->add(L"Charlie");
    programList->add(L"charlie");
    EXPECT_EQ(ListView_GetItemCount(window.list()), 0);
    programList->setRedraw(true);
    EXPECT_EQ(ListView_GetItemCount(window.list()), 3);
    EXPECT_EQ(programList->text(1), L"Charlie");  // equal names keep the order they came in
    EXPECT_EQ(programList->text(2), L"charlie");
    EXPECT_EQ(programList->text(3), L"delta");
}

TEST_F(ProgramListTest, TheControlShowsTheTicksThatTheProgramSets) {
    programList->add(L"One");
    programList->add(L"Two");
    EXPECT_EQ(stateImageOf(0), 1u);
    programList->setChecked(2, true);
    EXPECT_EQ(stateImageOf(1), 2u);
    programList->clear();
    EXPECT_EQ(ListView_GetItemCount(window.list()), 0);
}

TEST_F(ProgramListTest, ClickOnTheBoxAndSpaceToggleTheTick) {
    window.showCentred(SW_SHOWNORMAL);
    programList->add(L"Clickable");
    programList->add(L"Second");
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
}

}  // namespace
}  // namespace orv::win32
