#include "win32/main_window.h"

#include <windowsx.h>

#include "controls/window_placement.h"
#include "ports/failure.h"
#include "win32/system_error.h"
#include "win32/window_resources.h"

namespace orv::win32 {
namespace {

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_APPWINDOW;
constexpr int kFirstButtonId = 101;

}  // namespace

MainWindowFrame::MainWindowFrame() = default;

// The window and its children go while every member is still whole.
MainWindowFrame::~MainWindowFrame() {
    destroyWindow();
}

void MainWindowFrame::create(HINSTANCE instance, TextCase& textCase, Collation& collation) {
    blankIcon_ = MakeBlankIcon();

    RegisterWindowClass(instance);
    PushButton::RegisterWindowClass(instance);

    dpi_ = GetDpiForSystem();
    if (CreateWindowExW(kWindowExStyle, kClassName, L"", kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100,
                        nullptr, nullptr, instance, this) == nullptr) {
        ThrowLastError(L"Could not create the main window");
    }
    dpi_ = GetDpiForWindow(hwnd());
    // Until start-up gives it the application icon, the window carries a blank one.
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(blankIcon_.get()));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(blankIcon_.get()));
    createFonts();
    createList(textCase, collation);
    createButtons();
    createTooltip();
    applyFonts();
    applyColours();
    layout();
}

void MainWindowFrame::createFonts() {
    windowFont_ = MakeArialBold(kWindowFontCentiPoints, dpi_);
    buttonFont_ = MakeArialBold(kButtonFontCentiPoints, dpi_);
}

void MainWindowFrame::createList(TextCase& textCase, Collation& collation) {
    list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS,
                            0, 0, 0, 0, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)),
                            GetModuleHandleW(nullptr), nullptr);
    if (list_ == nullptr) ThrowLastError(L"Could not create the program list");
    ListView_SetExtendedListViewStyle(list_, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    listPointer_.emplace(list_, [this](const WindowSubclass::Message& message) {
        if (message.message == WM_MOUSEMOVE && form_ != nullptr) form_->showArrowPointer();
        return message.passOn();
    });
    programList_ = std::make_unique<ListViewProgramList>(
        list_, [this](int twips) { return twipsToPixels(twips); }, textCase, collation);
}

void MainWindowFrame::createButtons() {
    for (std::size_t index = 0; index < kButtons.size(); ++index) {
        buttons_[index].create(hwnd(), kFirstButtonId + static_cast<int>(index), kButtons[index].caption, buttonFont_.get());
    }
}

void MainWindowFrame::connect(Form1& form) {
    form_ = &form;
    for (std::size_t index = 0; index < kButtons.size(); ++index) {
        buttons_[index].onClick = [&form, handler = kButtons[index].handler] { (form.*handler)(); };
        buttons_[index].onMouseMove = [&form] { form.showHandPointer(); };
    }
}

// The tooltip is the window's, which destroys it along with itself.
void MainWindowFrame::createTooltip() {
    const HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr,
                                         GetModuleHandleW(nullptr), nullptr);
    if (tooltip == nullptr) ThrowLastError(L"Could not create the list's tooltip");
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(list_);
    std::wstring tooltipText = kListTooltip;  // the structure takes a writable text
    tool.lpszText = tooltipText.data();
    if (SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) == FALSE) {
        throw Failure(L"Could not give the list its tooltip");
    }
}

void MainWindowFrame::applyFonts() {
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_.get()), TRUE);
    for (auto& button : buttons_) button.setFont(buttonFont_.get());
}

void MainWindowFrame::layout() {
    RECT outer{0, 0, twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips)};
    AdjustWindowRectExForDpi(&outer, kWindowStyle, FALSE, kWindowExStyle, dpi_);
    SetWindowPos(hwnd(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    auto place = [this](HWND control, const ControlPlace& at) {
        MoveWindow(control, twipsToPixels(at.left), twipsToPixels(at.top), twipsToPixels(at.width),
                   twipsToPixels(at.height), TRUE);
    };
    place(list_, kListPlace);
    for (std::size_t index = 0; index < kButtons.size(); ++index) place(buttons_[index].hwnd(), kButtons[index].place);
}

void MainWindowFrame::showCentred(int showCommand) {
    RECT frame{};
    GetWindowRect(hwnd(), &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTOPRIMARY), &monitor)) {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    }
    const RECT& work = monitor.rcWork;
    const Area placed = CentredOn({work.left, work.top, work.right, work.bottom}, frame.right - frame.left,
                                  frame.bottom - frame.top);
    SetWindowPos(hwnd(), nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(hwnd(), showCommand);
    UpdateWindow(hwnd());
    SetFocus(list_);
}

void MainWindowFrame::setCaption(const std::wstring& caption) {
    if (!SetWindowTextW(hwnd(), caption.c_str())) ThrowLastError(L"Could not set the caption");
}

void MainWindowFrame::useApplicationIcon() {
    icons_ = LoadApplicationIcons(dpi_);
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons_.large.get()));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons_.caption.get()));
}

void MainWindowFrame::setBackColour(Colour colour) {
    theme_.setBackColour(colour);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void MainWindowFrame::applySkin(const Skin& skin) {
    theme_.setSkin(skin);
    applyColours();
}

void MainWindowFrame::applyColours() {
    theme_.sample();
    const WindowColours colours = theme_.colours();
    for (auto& button : buttons_) button.setColours(colours.buttons);
    programList_->setColours(colours.list, colours.header);
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// Column widths keep their size in twips, so hidden columns stay hidden.
void MainWindowFrame::moveToDpi(UINT dpi, const RECT& suggested) {
    const UINT oldDpi = dpi_;
    dpi_ = dpi;
    const HWND header = ListView_GetHeader(list_);
    for (int column = 0; header != nullptr && column < Header_GetItemCount(header); ++column) {
        const int width = ListView_GetColumnWidth(list_, column);
        ListView_SetColumnWidth(list_, column, MulDiv(width, static_cast<int>(dpi_), static_cast<int>(oldDpi)));
    }
    createFonts();
    applyFonts();
    layout();
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT MainWindowFrame::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT area{};
        GetClientRect(hwnd, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, theme_.background());
        return 1;
    }
    // A change of colour scheme or high contrast repaints at once; the list needs to hear of it too.
    case WM_SYSCOLORCHANGE:
        SendMessageW(list_, message, wParam, lParam);
        applyColours();
        return 0;
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
        applyColours();
        break;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            SetCursor(pointer_.cursor());
            return TRUE;
        }
        break;
    case WM_NOTIFY: {
        auto& header = *reinterpret_cast<NMHDR*>(lParam);
        if (header.hwndFrom == list_ && programList_) {
            if (const auto answer = programList_->onNotify(header)) return *answer;
        }
        break;
    }
    case WM_MOUSEMOVE:
        if (form_ != nullptr) form_->showArrowPointer();
        return 0;
    case WM_DPICHANGED:
        moveToDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        // Closed while a command waits for one of its boxes (from the task bar, by Task Manager): the
        // command ends there.
        if (form_ != nullptr) form_->windowClosed();
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace orv::win32
