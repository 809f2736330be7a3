// The main window's own controls, in process: fonts, columns and check marks of the real list view.
#include <gtest/gtest.h>

#include <optional>
#include <thread>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "ports/failure.h"
#include "driver.h"
#include "win32/base_window.h"
#include "win32/list_view.h"
#include "win32/main_window.h"
#include "win32/platform_services.h"

namespace orv::win32 {
namespace {

// Buttons by their place in the tab order.
constexpr std::size_t kHelp = 1;
constexpr std::size_t kContaining = 2;

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
        window.create(GetModuleHandleW(nullptr), textCase, collation);
    }
    void TearDown() override { DestroyWindow(window.hwnd()); }

    MainWindowFrame window;
    WindowsTextCase textCase;
    WindowsCollation collation;
};

TEST_F(MainWindowTest, ListAndButtonsUseArialBoldAtTheirPointSizes) {
    const auto listFont = FontOf(window.list());
    EXPECT_STREQ(listFont.lfFaceName, L"Arial");
    EXPECT_EQ(listFont.lfWeight, FW_BOLD);
    EXPECT_EQ(listFont.lfHeight, -MulDiv(9, static_cast<int>(GetDpiForWindow(window.hwnd())), 72));
    const auto buttonFont = FontOf(window.button(kHelp).hwnd());
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
    HWND tooltip = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND candidate, LPARAM found) -> BOOL {
            wchar_t kind[64] = {};
            GetClassNameW(candidate, kind, 64);
            if (wcscmp(kind, TOOLTIPS_CLASSW) == 0) *reinterpret_cast<HWND*>(found) = candidate;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tooltip));
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
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(blank, &info));
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof(mask), &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, info.hbmMask);
    EXPECT_EQ(GetPixel(dc, 16, 16), RGB(255, 255, 255));  // transparent everywhere
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);

    window.useApplicationIcon();
    const auto application = reinterpret_cast<HICON>(SendMessageW(window.hwnd(), WM_GETICON, ICON_BIG, 0));
    ASSERT_NE(application, nullptr);
    EXPECT_NE(application, blank);
    ICONINFO applicationInfo{};
    ASSERT_TRUE(GetIconInfo(application, &applicationInfo));
    HDC colourDc = CreateCompatibleDC(nullptr);
    const HGDIOBJ oldColour = SelectObject(colourDc, applicationInfo.hbmColor);
    EXPECT_EQ(GetPixel(colourDc, 3, 16), RGB(40, 92, 170));  // our blue tile
    SelectObject(colourDc, oldColour);
    DeleteDC(colourDc);
    DeleteObject(applicationInfo.hbmMask);
    DeleteObject(applicationInfo.hbmColor);
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
        HDC dc = GetDC(button.hwnd());
        // Along the focus mark's top edge, three pixels in from the button's edge.
        int dark = 0;
        for (int x = 6; x < 40; ++x) {
            if (GetPixel(dc, x, 3) != RGB(255, 255, 255)) ++dark;
        }
        ReleaseDC(button.hwnd(), dc);
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
        HDC dc = GetDC(help);
        const COLORREF colour = GetPixel(dc, 8, 1);
        ReleaseDC(help, dc);
        return colour;
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

class ProgramListTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        programList = &window.programList();
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
    EXPECT_EQ(stateImageOf(0), 1u);
    programList->setChecked(2, true);
    EXPECT_EQ(stateImageOf(1), 2u);
    // As assistive technology and automation tools tick rows: one row, then every row.
    ListView_SetItemState(window.list(), 0, INDEXTOSTATEIMAGEMASK(2), LVIS_STATEIMAGEMASK);
    EXPECT_TRUE(programList->checked(1));
    ListView_SetItemState(window.list(), -1, INDEXTOSTATEIMAGEMASK(1), LVIS_STATEIMAGEMASK | LVIS_SELECTED);
    EXPECT_FALSE(programList->checked(1));
    EXPECT_FALSE(programList->checked(2));
    EXPECT_EQ(stateImageOf(1), 1u);
    LVITEMW item{};
    item.mask = LVIF_STATE;
    item.iItem = 1;
    item.state = INDEXTOSTATEIMAGEMASK(2);
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
