// The main window's own controls, in process: fonts, tab order, tooltip, icon, buttons and colours.
#include <gtest/gtest.h>

#include <optional>
#include <thread>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "driver.h"
#include "main_window_fixture.h"
#include "ports/failure.h"
#include "screen.h"
#include "win32/base_window.h"

namespace orv::win32 {
namespace {

using e2e::MainWindowTest;

// Buttons by their place in the tab order.
constexpr std::size_t kHelp = 1;
constexpr std::size_t kContaining = 2;

TEST_F(MainWindowTest, ListAndButtonsUseArialBoldAtTheirPointSizes) {
    const auto listFont = e2e::FontOf(window.list());
    EXPECT_STREQ(listFont.lfFaceName, L"Arial");
    EXPECT_EQ(listFont.lfWeight, FW_BOLD);
    EXPECT_EQ(listFont.lfHeight, -MulDiv(9, static_cast<int>(GetDpiForWindow(window.hwnd())), 72));
    const auto buttonFont = e2e::FontOf(window.button(kHelp).hwnd());
    EXPECT_STREQ(buttonFont.lfFaceName, L"Arial");
    EXPECT_EQ(buttonFont.lfWeight, FW_BOLD);
    EXPECT_EQ(buttonFont.lfHeight, -MulDiv(1125, static_cast<int>(GetDpiForWindow(window.hwnd())), 7200));
}

TEST_F(MainWindowTest, TabOrderStartsWithTheListThenTheButtonsAsLaidOut) {
    std::vector<HWND> order;
    HWND current = window.list();
    for (int i = 0; i < 7; ++i) {
        order.push_back(current);
        current = GetNextDlgTabItem(window.hwnd(), current, FALSE);
    }
    EXPECT_EQ(current, window.list());  // round again
    std::vector<HWND> expected = {window.list()};
    for (std::size_t index = 0; index < kButtons.size(); ++index) expected.push_back(window.button(index).hwnd());
    EXPECT_EQ(order, expected);
}

TEST_F(MainWindowTest, ListCarriesItsTooltip) {
    const HWND tooltip = e2e::WindowOfThisThread(TOOLTIPS_CLASSW);
    ASSERT_NE(tooltip, nullptr);
    wchar_t text[128] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = window.hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(window.list());
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"Move | line to right and out of window to reveal full names.");
}

TEST_F(MainWindowTest, IconIsBlankUntilStartUpGivesItTheApplicationIcon) {
    const auto blank = reinterpret_cast<HICON>(SendMessageW(window.hwnd(), WM_GETICON, ICON_BIG, 0));
    ASSERT_NE(blank, nullptr);
    for (const auto& [x, y] : {std::pair{16, 16}, {0, 0}, {31, 31}}) {  // 32 pixels wide, transparent everywhere
        EXPECT_EQ(e2e::IconPixel(blank, e2e::IconPart::Mask, x, y), RGB(255, 255, 255));
    }
    EXPECT_EQ(e2e::IconPixel(blank, e2e::IconPart::Mask, 32, 31), CLR_INVALID);

    window.useApplicationIcon();
    const auto application = reinterpret_cast<HICON>(SendMessageW(window.hwnd(), WM_GETICON, ICON_BIG, 0));
    ASSERT_NE(application, nullptr);
    EXPECT_NE(application, blank);
    EXPECT_EQ(e2e::IconPixel(application, e2e::IconPart::Colour, 3, 16), RGB(40, 92, 170));  // our blue tile
    EXPECT_NE(SendMessageW(window.hwnd(), WM_GETICON, ICON_SMALL, 0), 0);
}

// The rules are the button behaviour's; here, that the window's messages reach them.
TEST_F(MainWindowTest, ButtonsClickOnSpaceEnterAndAMouseClickThatEndsOnThem) {
    auto& button = window.button(kHelp);
    int clicks = 0;
    int moves = 0;
    button.onClick = [&] { ++clicks; };
    button.onMouseMove = [&] { ++moves; };
    const HWND handle = button.hwnd();
    SetFocus(handle);
    SendMessageW(handle, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(handle, WM_KEYUP, VK_SPACE, 0);
    SendMessageW(handle, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageW(handle, WM_LBUTTONUP, 0, MAKELPARAM(-50, -50));  // released elsewhere: no click
    SendMessageW(handle, BM_CLICK, 0, 0);
    SendMessageW(handle, WM_MOUSEMOVE, 0, MAKELPARAM(12, 12));
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(moves, 1);
}

TEST_F(MainWindowTest, FocusedButtonShowsAFocusMark) {
    window.showCentred(SW_SHOWNORMAL);
    auto& button = window.button(kContaining);
    auto sample = [&] {
        RedrawWindow(button.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        // Along the focus mark's top edge, three pixels in from the button's edge.
        int dark = 0;
        for (int x = 6; x < 40; ++x) {
            if (e2e::PaintedPixel(button.hwnd(), x, 3) != RGB(255, 255, 255)) ++dark;
        }
        return dark;
    };
    // A new window starts with its keyboard cues hidden on Windows; the keyboard shows them.
    SendMessageW(button.hwnd(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    SetFocus(window.list());
    const int unfocused = sample();
    SetFocus(button.hwnd());
    const int focused = sample();
    EXPECT_EQ(unfocused, 0);
    EXPECT_GT(focused, 5);
    // The keyboard cues hide and show it, as they do a standard button's.
    SendMessageW(button.hwnd(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
    EXPECT_EQ(sample(), 0);
    SendMessageW(button.hwnd(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    EXPECT_GT(sample(), 5);
}

TEST_F(MainWindowTest, AChangeOfColourSchemeRepaintsTheButtonsAtOnce) {
    window.showCentred(SW_SHOWNORMAL);
    const HWND help = window.button(kHelp).hwnd();
    const auto face = [&] {
        RedrawWindow(help, nullptr, nullptr, RDW_UPDATENOW);
        return e2e::PaintedPixel(help, 8, 1);
    };
    EXPECT_EQ(face(), RGB(255, 255, 255));
    {
        // White button text, unreadable on the white face: the buttons take the system's face.
        e2e::SystemColoursFor dark({COLOR_BTNFACE, COLOR_BTNTEXT}, {RGB(0, 0, 0), RGB(255, 255, 255)});
        SendMessageW(window.hwnd(), WM_SYSCOLORCHANGE, 0, 0);
        EXPECT_EQ(face(), RGB(0, 0, 0));
    }
    SendMessageW(window.hwnd(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    EXPECT_EQ(face(), RGB(255, 255, 255));
}

TEST_F(MainWindowTest, MovingToAScreenOfAnotherDpiKeepsTheLayoutInTwips) {
    auto& list = window.programList();
    list.addColumn(L"Add Or Remove Programs");
    list.addColumn(L"Uninstall");
    list.setColumnWidth(1, 7000);
    list.setColumnWidth(2, 0);
    const int dpi = static_cast<int>(GetDpiForWindow(window.hwnd()));
    RECT suggested{0, 0, 100, 100};
    SendMessageW(window.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi * 2, dpi * 2), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_NEAR(ListView_GetColumnWidth(window.list(), 0), MulDiv(7000, dpi * 2, 1440), 1);  // scaled from pixels
    EXPECT_EQ(ListView_GetColumnWidth(window.list(), 1), 0);
    RECT help{};
    GetWindowRect(window.button(kHelp).hwnd(), &help);
    EXPECT_EQ(help.right - help.left, MulDiv(7800, dpi * 2, 1440));
    // The frame around the client area is the one the window would have at that DPI: the window did
    // not really move, so its own frame (Windows pads it) is compared with the frame computed the same way.
    RECT expected{0, 0, MulDiv(8040, dpi * 2, 1440), MulDiv(7230, dpi * 2, 1440)};
    AdjustWindowRectExForDpi(&expected, static_cast<DWORD>(GetWindowLongW(window.hwnd(), GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongW(window.hwnd(), GWL_EXSTYLE)), static_cast<UINT>(dpi * 2));
    RECT frame{};
    GetWindowRect(window.hwnd(), &frame);
    EXPECT_EQ(frame.right - frame.left, expected.right - expected.left);
    EXPECT_EQ(frame.bottom - frame.top, expected.bottom - expected.top);
}

// When start-up fails after the main window exists, the failure box that follows still delivers
// broadcasts to every top-level window: none may be left pointing at the object that is gone.
TEST(MainWindowLifetime, AStartUpThatFailsHalfwayLeavesNoWindowForTheFailureBoxToReach) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    // The list cannot be made, as on a system out of window handles.
    const HHOOK refuseTheList = SetWindowsHookExW(
        WH_CBT,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (code == HCBT_CREATEWND) {
                const auto* made = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
                if (!IS_INTRESOURCE(made->lpszClass) && lstrcmpiW(made->lpszClass, WC_LISTVIEWW) == 0) return 1;
            }
            return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    ASSERT_NE(refuseTheList, nullptr);
    HWND made = nullptr;
    {
        WindowsTextCase textCase;
        WindowsCollation collation;
        MainWindowFrame window;
        EXPECT_THROW(window.create(GetModuleHandleW(nullptr), textCase, collation), Failure);
        made = window.hwnd();
        EXPECT_NE(made, nullptr);
    }
    UnhookWindowsHookEx(refuseTheList);
    EXPECT_FALSE(IsWindow(made));

    std::thread settingChange([] {
        HWND box = nullptr;
        e2e::WaitUntil([&] { return (box = FindWindowW(L"#32770", L"Application Error")) != nullptr; },
                        std::chrono::seconds(30));
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, 0, SMTO_ABORTIFHUNG, 10000, &ignored);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    try {
        throw Failure(L"Could not create the program list");
    } catch (...) {
        ReportUnexpectedFailure();
    }
    settingChange.join();
}

}  // namespace
}  // namespace orv::win32
