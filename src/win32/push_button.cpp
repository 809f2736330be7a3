#include "win32/push_button.h"

#include <windowsx.h>

#include "win32/handles.h"

namespace orv::win32 {
namespace {

COLORREF Pick(COLORREF chosen, COLORREF designed) {
    return chosen != CLR_INVALID ? chosen : designed;
}

constexpr COLORREF kWhite = RGB(255, 255, 255);

}  // namespace

void PushButton::RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = &PushButton::WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = nullptr;  // the main window decides the pointer over its whole surface
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
}

void PushButton::create(HWND parent, int id, const std::wstring& caption, HFONT font) {
    font_ = font;
    CreateWindowExW(0, kClassName, caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), this);
}

void PushButton::setFont(HFONT font) {
    font_ = font;
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void PushButton::setPalette(const ButtonPalette& palette) {
    palette_ = palette;
    InvalidateRect(hwnd(), nullptr, TRUE);
}

LRESULT PushButton::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;  // paint() covers every pixel
    case WM_GETDLGCODE: {
        // Enter belongs to the focused button, not to the dialog manager's default-button logic.
        const auto* pending = reinterpret_cast<const MSG*>(lParam);
        if (pending != nullptr && pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN) {
            return DLGC_WANTMESSAGE;
        }
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        spaceDown_ = false;
        setPressed(false);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        SetCapture(hwnd);
        capturing_ = true;
        setPressed(true);
        return 0;
    case WM_LBUTTONUP:
        if (capturing_) {
            capturing_ = false;
            ReleaseCapture();
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            RECT area{};
            GetClientRect(hwnd, &area);
            setPressed(false);
            if (PtInRect(&area, at)) click();
        }
        return 0;
    case WM_CAPTURECHANGED:
        capturing_ = false;
        setPressed(false);
        return 0;
    case WM_MOUSEMOVE: {
        if (!hot_) {
            hot_ = true;
            trackLeave();
            InvalidateRect(hwnd, nullptr, FALSE);
        }
        if (capturing_) {
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            RECT area{};
            GetClientRect(hwnd, &area);
            setPressed(PtInRect(&area, at) != FALSE);
        }
        if (onMouseMove) onMouseMove();
        return 0;
    }
    case WM_MOUSELEAVE:
        hot_ = false;
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) {
            spaceDown_ = true;
            setPressed(true);
            return 0;
        }
        if (wParam == VK_RETURN) {
            click();
            return 0;
        }
        break;
    case WM_KEYUP:
        if (wParam == VK_SPACE && spaceDown_) {
            spaceDown_ = false;
            setPressed(false);
            click();
            return 0;
        }
        break;
    case BM_CLICK:
        click();
        return 0;
    case WM_SETFONT:
        setFont(reinterpret_cast<HFONT>(wParam));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        return result;
    }
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void PushButton::click() {
    if (onClick) onClick();
}

void PushButton::setPressed(bool pressed) {
    if (pressed_ != pressed) {
        pressed_ = pressed;
        InvalidateRect(hwnd(), nullptr, FALSE);
    }
}

void PushButton::trackLeave() {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = hwnd();
    TrackMouseEvent(&track);
}

void PushButton::paint() {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(hwnd(), &ps);
    RECT area{};
    GetClientRect(hwnd(), &area);

    const COLORREF face = pressed_ ? Pick(palette_.pressed, GetSysColor(COLOR_BTNFACE))
                          : hot_   ? Pick(palette_.hot, Pick(palette_.face, kWhite))
                                   : Pick(palette_.face, kWhite);
    UniqueHbrush faceBrush(CreateSolidBrush(face));
    FillRect(dc, &area, faceBrush.get());

    UniqueHbrush borderBrush(CreateSolidBrush(Pick(palette_.border, GetSysColor(COLOR_BTNSHADOW))));
    FrameRect(dc, &area, borderBrush.get());

    std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(hwnd())) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(GetWindowTextW(hwnd(), caption.data(), static_cast<int>(caption.size()))));
    RECT textArea = area;
    if (pressed_) OffsetRect(&textArea, 1, 1);
    const HGDIOBJ oldFont = SelectObject(dc, font_ != nullptr ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Pick(palette_.text, GetSysColor(COLOR_BTNTEXT)));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textArea,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, oldFont);

    if (GetFocus() == hwnd()) {
        RECT mark = area;
        InflateRect(&mark, -3, -3);
        if (palette_.focus != CLR_INVALID) {
            UniqueHbrush focusBrush(CreateSolidBrush(palette_.focus));
            FrameRect(dc, &mark, focusBrush.get());
        } else {
            SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
            SetBkColor(dc, face);
            DrawFocusRect(dc, &mark);
        }
    }
    EndPaint(hwnd(), &ps);
}

}  // namespace orv::win32
