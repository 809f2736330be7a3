#include "win32/main_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include "ports/failure.h"
#include "win32/system_error.h"

namespace orv::win32 {
namespace {

// Client area and control rectangles in twips.
constexpr int kClientWidth = 8040;
constexpr int kClientHeight = 7230;

struct ControlPlace {
    int left, top, width, height;
};
constexpr ControlPlace kListPlace{120, 630, 7800, 3945};

struct ButtonPlace {
    int number;  // PushButtonN
    const wchar_t* caption;
    ControlPlace place;
};
// In tab order: the list first, then these.
constexpr ButtonPlace kButtons[] = {
    {1, L"Uninstall Selected Entry From Computer", {120, 6200, 7800, 405}},
    {4, L"Help", {120, 120, 7800, 405}},
    {5, L"Select All Containing This Text", {120, 4670, 7800, 405}},
    {6, L"Select All Not Containing This Text", {120, 5180, 7800, 405}},
    {2, L"Refresh/Update \"Add Or Remove Programs\" List", {120, 6710, 7800, 405}},
    {3, L"Unselect All", {120, 5690, 7800, 405}},
};

constexpr wchar_t kListTooltip[] = L"Move | line to right and out of window to reveal full names.";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_APPWINDOW;
constexpr int kApplicationIconId = 1;

// Point sizes in hundredths: Arial 9 pt for the window and list, 11.25 pt for the buttons.
constexpr int kWindowFontCentiPoints = 900;
constexpr int kButtonFontCentiPoints = 1125;

UniqueHfont MakeArialBold(int centiPoints, UINT dpi) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(centiPoints, static_cast<int>(dpi), 7200);
    font.lfWeight = FW_BOLD;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    wcscpy_s(font.lfFaceName, L"Arial");
    return UniqueHfont(CreateFontIndirectW(&font));
}

// A fully transparent 32 x 32 icon, which the window carries until start-up gives it ours.
UniqueHicon MakeBlankIcon() {
    BYTE andMask[32 * 32 / 8];
    BYTE xorMask[32 * 32 / 8] = {};
    memset(andMask, 0xFF, sizeof(andMask));
    return UniqueHicon(CreateIcon(GetModuleHandleW(nullptr), 32, 32, 1, 1, andMask, xorMask));
}

// A system colour is looked up when it is used, so it follows the colour scheme.
bool IsSystemColor(OleColor color) {
    return (color & 0x80000000u) != 0;
}

ColourScheme CurrentColourScheme() {
    HIGHCONTRASTW highContrast{};
    highContrast.cbSize = sizeof(highContrast);
    const bool on = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(highContrast), &highContrast, 0) != FALSE &&
                    (highContrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    const SystemColours system{GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNSHADOW),
                               GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT)};
    return {system, on};
}

COLORREF ColorOf(OleColor color) {
    if (IsSystemColor(color)) {
        return GetSysColor(static_cast<int>(color & 0xFFu));
    }
    return static_cast<COLORREF>(color & 0x00FFFFFFu);
}

}  // namespace

MainWindowFrame::MainWindowFrame() = default;

MainWindowFrame::~MainWindowFrame() {
    destroyWindow();
}

void MainWindowFrame::create(HINSTANCE instance, MainWindowEvents events) {
    events_ = std::move(events);
    blankIcon_ = MakeBlankIcon();

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &MainWindowFrame::WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = nullptr;  // each window carries its own icons (WM_SETICON)
    windowClass.hCursor = nullptr;  // WM_SETCURSOR decides, from the pointer setting
    windowClass.hbrBackground = nullptr;
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
    PushButton::RegisterWindowClass(instance);

    backBrush_.reset(CreateSolidBrush(ColorOf(backColor_)));
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
    createControls();
    layout();
}

void MainWindowFrame::createFonts() {
    windowFont_ = MakeArialBold(kWindowFontCentiPoints, dpi_);
    buttonFont_ = MakeArialBold(kButtonFontCentiPoints, dpi_);
}

void MainWindowFrame::createControls() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS,
                            0, 0, 0, 0, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), instance,
                            nullptr);
    if (list_ == nullptr) ThrowLastError(L"Could not create the program list");
    ListView_SetExtendedListViewStyle(list_, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    SetWindowSubclass(list_, &MainWindowFrame::ListSubclass, 1, reinterpret_cast<DWORD_PTR>(this));

    for (const auto& entry : kButtons) {
        auto& button = buttons_[static_cast<std::size_t>(entry.number)];
        button.create(hwnd(), 100 + entry.number, entry.caption, buttonFont_.get());
        button.onClick = [this, number = entry.number] {
            if (events_.buttonClick[static_cast<std::size_t>(number)]) events_.buttonClick[static_cast<std::size_t>(number)]();
        };
        button.onMouseMove = [this] {
            if (events_.buttonMouseMove) events_.buttonMouseMove();
        };
    }

    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr, instance,
                               nullptr);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(list_);
    std::wstring tooltipText = kListTooltip;  // the structure takes a writable text
    tool.lpszText = tooltipText.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    applyFonts();
    applyColours();
}

void MainWindowFrame::applyFonts() {
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_.get()), TRUE);
    for (int number = 1; number <= kButtonCount; ++number) {
        button(number).setFont(buttonFont_.get());
    }
}

void MainWindowFrame::layout() {
    RECT outer{0, 0, twipsToPixels(kClientWidth), twipsToPixels(kClientHeight)};
    AdjustWindowRectExForDpi(&outer, kWindowStyle, FALSE, kWindowExStyle, dpi_);
    SetWindowPos(hwnd(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    auto place = [this](HWND control, const ControlPlace& at) {
        MoveWindow(control, twipsToPixels(at.left), twipsToPixels(at.top), twipsToPixels(at.width),
                   twipsToPixels(at.height), TRUE);
    };
    place(list_, kListPlace);
    for (const auto& entry : kButtons) {
        place(button(entry.number).hwnd(), entry.place);
    }
}

void MainWindowFrame::showCentred(int showCommand) {
    RECT frame{};
    GetWindowRect(hwnd(), &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    SetWindowPos(hwnd(), nullptr, (screenWidth - width) / 2, (screenHeight - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(hwnd(), showCommand);
    UpdateWindow(hwnd());
    SetFocus(list_);
}

void MainWindowFrame::setCaption(const std::wstring& caption) {
    if (!SetWindowTextW(hwnd(), caption.c_str())) ThrowLastError(L"Could not set the caption");
}

void MainWindowFrame::useApplicationIcon() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    bigIcon_.reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kApplicationIconId), IMAGE_ICON,
                                                 GetSystemMetricsForDpi(SM_CXICON, dpi_),
                                                 GetSystemMetricsForDpi(SM_CYICON, dpi_), 0)));
    smallIcon_.reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kApplicationIconId), IMAGE_ICON,
                                                   GetSystemMetricsForDpi(SM_CXSMICON, dpi_),
                                                   GetSystemMetricsForDpi(SM_CYSMICON, dpi_), 0)));
    if (!bigIcon_ || !smallIcon_) ThrowLastError(L"Could not load the application icon");
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

void MainWindowFrame::setBackColor(OleColor color) {
    backColor_ = color;
    backBrush_.reset(IsSystemColor(color) ? nullptr : CreateSolidBrush(ColorOf(color)));
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void MainWindowFrame::loadCustomPointer(const std::wstring& path) {
    auto* cursor = static_cast<HCURSOR>(LoadImageW(nullptr, path.c_str(), IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE));
    if (cursor == nullptr) {
        const DWORD error = GetLastError();
        throw Failure(L"Invalid picture: \"" + path + L"\" is not a cursor (" + SystemMessage(error) + L")");
    }
    customPointer_.reset(cursor);
}

void MainWindowFrame::setPointer(PointerSetting setting) {
    pointer_ = setting;
    POINT at{};
    GetCursorPos(&at);
    const HWND under = WindowFromPoint(at);
    if (under == hwnd() || IsChild(hwnd(), under)) {
        SetCursor(cursorForSetting());
    }
}

HCURSOR MainWindowFrame::cursorForSetting() const {
    switch (pointer_) {
    case PointerSetting::Busy: return LoadCursorW(nullptr, IDC_WAIT);
    case PointerSetting::Custom:
        if (customPointer_) return customPointer_.get();
        break;
    case PointerSetting::Default: break;
    }
    return LoadCursorW(nullptr, IDC_ARROW);
}

std::wstring MainWindowFrame::programFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) ThrowLastError(L"Could not find the program's folder");
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L"\\/"));
}

void MainWindowFrame::applySkin(const Skin& skin, const SkinOptions& options) {
    skin_ = skin;
    skinOptions_ = options;
    if (skin.windowBackground) setBackColor(*skin.windowBackground);
    applyColours();
}

void MainWindowFrame::applyColours() {
    const ColourScheme scheme = CurrentColourScheme();
    highContrast_ = scheme.highContrast;
    const bool skinsControls = skin_ && skinOptions_.skinsControls();
    ButtonSkin buttonSkin;
    if (skinsControls) {
        buttonSkin = {skin_->buttonFace, skin_->buttonText, skin_->buttonHot, skin_->buttonPressed, skin_->buttonBorder,
                      skin_->buttonFocus};
        if (!skinOptions_.hotTracking) buttonSkin.hot.reset();
    }
    const ButtonColours buttonColours = ChooseButtonColours(scheme, buttonSkin);
    for (int number = 1; number <= kButtonCount; ++number) button(number).setColours(buttonColours);

    const bool skinsList = skinsControls && !scheme.highContrast;
    const COLORREF listBack = skinsList && skin_->listBackground ? *skin_->listBackground : GetSysColor(COLOR_WINDOW);
    const COLORREF listText = skinsList && skin_->listText ? *skin_->listText : GetSysColor(COLOR_WINDOWTEXT);
    ListView_SetBkColor(list_, listBack);
    ListView_SetTextBkColor(list_, listBack);
    ListView_SetTextColor(list_, listText);
    const bool skinsHeader = skinsControls && skinOptions_.skinListHeader;
    headerColours_ = ChooseHeaderColours(scheme, skinsHeader ? skin_->listHeader : std::nullopt,
                                         skinsHeader ? skin_->listText : std::nullopt);
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// The designed white, or a skin's colour, gives way to the system's window colour in high contrast.
HBRUSH MainWindowFrame::backgroundBrush() const {
    if (IsSystemColor(backColor_)) return GetSysColorBrush(static_cast<int>(backColor_ & 0xFFu));
    if (highContrast_) return GetSysColorBrush(COLOR_WINDOW);
    return backBrush_.get();
}

// Paints one column header in its chosen colours: a flat face, a divider line and the header text.
LRESULT MainWindowFrame::paintHeaderItem(NMCUSTOMDRAW& draw) {
    if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    if (draw.dwDrawStage == CDDS_POSTPAINT) {
        // The header's empty end, right of the last column, in the skin's colour too.
        const int columns = Header_GetItemCount(draw.hdr.hwndFrom);
        RECT last{};
        RECT rest = draw.rc;
        GetClientRect(draw.hdr.hwndFrom, &rest);
        if (columns > 0 && Header_GetItemRect(draw.hdr.hwndFrom, columns - 1, &last)) rest.left = last.right;
        UniqueHbrush face(CreateSolidBrush(headerColours_->face));
        FillRect(draw.hdc, &rest, face.get());
        return CDRF_DODEFAULT;
    }
    if (draw.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    UniqueHbrush face(CreateSolidBrush(headerColours_->face));
    FillRect(draw.hdc, &draw.rc, face.get());
    RECT divider{draw.rc.right - 1, draw.rc.top, draw.rc.right, draw.rc.bottom};
    FillRect(draw.hdc, &divider, GetSysColorBrush(COLOR_BTNSHADOW));
    wchar_t text[128] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = static_cast<int>(std::size(text));
    Header_GetItem(draw.hdr.hwndFrom, static_cast<int>(draw.dwItemSpec), &item);
    RECT textArea = draw.rc;
    textArea.left += 6;
    SetBkMode(draw.hdc, TRANSPARENT);
    SetTextColor(draw.hdc, headerColours_->text);
    DrawTextW(draw.hdc, text, -1, &textArea, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    return CDRF_SKIPDEFAULT;
}

LRESULT MainWindowFrame::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT area{};
        GetClientRect(hwnd, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, backgroundBrush());
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
            SetCursor(cursorForSetting());
            return TRUE;
        }
        break;
    case WM_NOTIFY: {
        auto& header = *reinterpret_cast<NMHDR*>(lParam);
        if (header.hwndFrom == list_ && listNotify_) {
            if (const auto answer = listNotify_(header)) return *answer;
        }
        break;
    }
    case WM_MOUSEMOVE:
        if (events_.surfaceMouseMove) events_.surfaceMouseMove();
        return 0;
    case WM_DPICHANGED: {
        const UINT oldDpi = dpi_;
        dpi_ = HIWORD(wParam);
        // Column widths keep their size in twips, so hidden columns stay hidden.
        const HWND header = ListView_GetHeader(list_);
        for (int column = 0; header != nullptr && column < Header_GetItemCount(header); ++column) {
            const int width = ListView_GetColumnWidth(list_, column);
            ListView_SetColumnWidth(list_, column, MulDiv(width, static_cast<int>(dpi_), static_cast<int>(oldDpi)));
        }
        createFonts();
        applyFonts();
        layout();
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK MainWindowFrame::ListSubclass(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR data) noexcept {
    if (message == WM_MOUSEMOVE) {
        auto* self = reinterpret_cast<MainWindowFrame*>(data);
        try {
            if (self->events_.surfaceMouseMove) self->events_.surfaceMouseMove();
        } catch (...) {
            ReportUnexpectedFailure();
        }
    }
    if (message == WM_NOTIFY) {
        auto* self = reinterpret_cast<MainWindowFrame*>(data);
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (self->headerColours_ && header->code == NM_CUSTOMDRAW &&
            header->hwndFrom == ListView_GetHeader(list)) {
            return self->paintHeaderItem(*reinterpret_cast<NMCUSTOMDRAW*>(lParam));
        }
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(list, &MainWindowFrame::ListSubclass, 1);
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace orv::win32
