#include "win32/push_button.h"

#include <commctrl.h>  // BST_HOT
#include <windowsx.h>

#include "win32/accessible_button.h"
#include "win32/handles.h"

namespace orv::win32 {

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
    // A new child takes the cues its window shows now.
    focusCueHidden_ = (SendMessageW(hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
}

void PushButton::setFont(HFONT font) {
    font_ = font;
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void PushButton::setColours(const ButtonColours& colours) {
    colours_ = colours;
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
        // The focused state changed. EVENT_OBJECT_FOCUS itself the system raises for any window that
        // takes the focus; raising it again would have screen readers announce the button twice.
        NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd, OBJID_CLIENT, CHILDID_SELF);
        return 0;
    case WM_UPDATEUISTATE: {
        // The focus mark shows or hides with the keyboard cues. Windows keeps the cue flags itself; Wine
        // does not, so an explicit set or clear is kept here as well.
        const LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
        if ((HIWORD(wParam) & UISF_HIDEFOCUS) != 0) {
            switch (LOWORD(wParam)) {
            case UIS_SET: focusCueHidden_ = true; break;
            case UIS_CLEAR: focusCueHidden_ = false; break;
            default: focusCueHidden_ = (SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0; break;
            }
        }
        InvalidateRect(hwnd, nullptr, FALSE);
        return result;
    }
    case WM_GETOBJECT:
        if (const LRESULT answer = AnswerButtonAccessibility(hwnd, wParam, lParam)) return answer;
        break;
    case BM_GETSTATE:
        return shownState();
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
            setHot(true);
            trackLeave();
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
        setHot(false);
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
        NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd(), OBJID_CLIENT, CHILDID_SELF);
    }
}

void PushButton::setHot(bool hot) {
    if (hot_ != hot) {
        hot_ = hot;
        InvalidateRect(hwnd(), nullptr, FALSE);
        NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd(), OBJID_CLIENT, CHILDID_SELF);
    }
}

// As BM_GETSTATE answers for a system button.
UINT PushButton::shownState() const {
    UINT state = 0;
    if (pressed_) state |= BST_PUSHED;
    if (hot_) state |= BST_HOT;
    if (GetFocus() == hwnd()) state |= BST_FOCUS;
    return state;
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

    const COLORREF face = pressed_ ? colours_.pressed : hot_ ? colours_.hot : colours_.face;
    UniqueHbrush faceBrush(CreateSolidBrush(face));
    FillRect(dc, &area, faceBrush.get());
    UniqueHbrush borderBrush(CreateSolidBrush(colours_.border));
    FrameRect(dc, &area, borderBrush.get());

    std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(hwnd())) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(GetWindowTextW(hwnd(), caption.data(), static_cast<int>(caption.size()))));
    RECT textArea = area;
    if (pressed_) OffsetRect(&textArea, 1, 1);
    const HGDIOBJ oldFont = SelectObject(dc, font_ != nullptr ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colours_.text);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textArea,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, oldFont);

    if (GetFocus() == hwnd() && !focusCueHidden_) drawFocusMark(dc, area, face);
    EndPaint(hwnd(), &ps);
}

void PushButton::drawFocusMark(HDC dc, const RECT& area, COLORREF face) {
    RECT mark = area;
    InflateRect(&mark, -3, -3);
    if (colours_.focus) {
        UniqueHbrush focusBrush(CreateSolidBrush(*colours_.focus));
        FrameRect(dc, &mark, focusBrush.get());
        return;
    }
    SetTextColor(dc, colours_.text);
    SetBkColor(dc, face);
    DrawFocusRect(dc, &mark);
}

}  // namespace orv::win32
