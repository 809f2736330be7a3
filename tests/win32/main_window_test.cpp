// The main window's own controls, in process: fonts, columns and check marks of the real list view.
#include <gtest/gtest.h>

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

TEST_F(MainWindowTest, ListRowsKeepTheirSubItemsAndCheckMarks) {
    ListViewProgramList list(window.list(), [this](int twips) { return window.twipsToPixels(twips); });
    for (const auto* header : {L"Add Or Remove Programs", L"Uninstall", L"FileExists", L"KeyName"}) list.addColumn(header);
    list.setColumnWidth(2, 0);
    const auto row = list.add(L"Zeta");
    list.setSubItem(row, 1, std::wstring(40000, L'x'));
    list.setSubItem(row, 3, L"key");
    const auto first = list.add(L"alpha");
    EXPECT_EQ(first, 1u);  // sorted by name, ignoring case
    EXPECT_EQ(list.text(2), L"Zeta");
    EXPECT_EQ(list.subItem(2, 1).size(), 40000u);
    EXPECT_EQ(list.subItem(2, 3), L"key");
    EXPECT_FALSE(list.checked(1));
    list.setChecked(1, true);
    EXPECT_TRUE(list.checked(1));
    EXPECT_FALSE(list.checked(2));
    EXPECT_THROW(list.text(3), orv::Failure);
    EXPECT_THROW(list.setChecked(0, true), orv::Failure);
    list.clear();
    EXPECT_EQ(list.count(), 0u);
}

}  // namespace
}  // namespace orv::win32
