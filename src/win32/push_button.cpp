#include "win32/push_button.h"

#include <commctrl.h>  // BST_HOT
#include <windowsx.h>

#include "win32/accessible_button.h"
#include "win32/button_painter.h"
#include "win32/window_text.h"

namespace orv::win32 {

void PushButton::create(HWND parent, int id, const std::wstring& caption, HFONT font) {
    font_ = font;
    if (CreateWindowExW(0, kClassName, caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), this) == nullptr) {
        ThrowLastError(L"Could not create a button");
    }
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
    if (const auto answer = onPaint(message, wParam, lParam)) return *answer;
    if (const auto answer = onMouse(message, lParam)) return *answer;
    if (const auto answer = onKeyboard(message, wParam, lParam)) return *answer;
    if (const auto answer = onFocus(message, wParam, lParam)) return *answer;
    if (message == WM_GETOBJECT) {
        if (const LRESULT answer = AnswerButtonAccessibility(hwnd, wParam, lParam)) return answer;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Painting, the font and the caption; nothing where the message is another's.
std::optional<LRESULT> PushButton::onPaint(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;  // paint() covers every pixel
    case WM_SETFONT:
        setFont(reinterpret_cast<HFONT>(wParam));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcW(hwnd(), message, wParam, lParam);
        InvalidateRect(hwnd(), nullptr, FALSE);
        return result;
    }
    default:
        return std::nullopt;
    }
}

// The mouse: pressed while held down over the button, hot under the pointer, a click when let go on it.
std::optional<LRESULT> PushButton::onMouse(UINT message, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        SetFocus(hwnd());
        SetCapture(hwnd());
        apply(behaviour_.mouseDown());
        return 0;
    case WM_LBUTTONUP:
        if (behaviour_.holdingMouse()) {
            const auto outcome = behaviour_.mouseUp(isOver(lParam));
            ReleaseCapture();
            apply(outcome);
        }
        return 0;
    case WM_CAPTURECHANGED:
        apply(behaviour_.captureLost());
        return 0;
    case WM_MOUSEMOVE:
        if (!behaviour_.hot()) trackLeave();
        apply(behaviour_.mouseMove(isOver(lParam)));
        if (onMouseMove) onMouseMove();
        return 0;
    case WM_MOUSELEAVE:
        apply(behaviour_.mouseLeave());
        return 0;
    default:
        return std::nullopt;
    }
}

// Space and Enter, the dialog manager's questions, and the clicks and state that other programs ask
// of a button.
std::optional<LRESULT> PushButton::onKeyboard(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE: {
        // Enter belongs to the focused button, not to the dialog manager's default-button logic.
        const auto* pending = reinterpret_cast<const MSG*>(lParam);
        if (pending != nullptr && pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN) {
            return DLGC_WANTMESSAGE;
        }
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    }
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) {
            apply(behaviour_.spaceDown());
            return 0;
        }
        if (wParam == VK_RETURN) {
            apply(behaviour_.enter());
            return 0;
        }
        return std::nullopt;
    case WM_KEYUP:
        if (wParam != VK_SPACE) return std::nullopt;
        apply(behaviour_.spaceUp());
        return 0;
    case BM_CLICK:
        apply(behaviour_.enter());
        return 0;
    case BM_GETSTATE:
        return shownState();
    default:
        return std::nullopt;
    }
}

// The focus and its mark, which shows or hides with the keyboard cues.
std::optional<LRESULT> PushButton::onFocus(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        apply(behaviour_.focusChanged());
        InvalidateRect(hwnd(), nullptr, FALSE);
        // The focused state changed. EVENT_OBJECT_FOCUS itself the system raises for any window that
        // takes the focus; raising it again would have screen readers announce the button twice.
        NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd(), OBJID_CLIENT, CHILDID_SELF);
        return 0;
    case WM_UPDATEUISTATE: {
        // Windows keeps the cue flags itself; Wine does not, so an explicit set or clear is kept here
        // as well.
        const LRESULT result = DefWindowProcW(hwnd(), message, wParam, lParam);
        if ((HIWORD(wParam) & UISF_HIDEFOCUS) != 0) {
            switch (LOWORD(wParam)) {
            case UIS_SET: focusCueHidden_ = true; break;
            case UIS_CLEAR: focusCueHidden_ = false; break;
            default: focusCueHidden_ = (SendMessageW(hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0; break;
            }
        }
        InvalidateRect(hwnd(), nullptr, FALSE);
        return result;
    }
    default:
        return std::nullopt;
    }
}

void PushButton::click() {
    if (onClick) onClick();
}

// A change of the pressed or hot state repaints and is told to assistive technology; the click comes
// last, as it may open a box that waits for the user.
void PushButton::apply(ButtonBehaviour::Outcome outcome) {
    if (outcome.changed) {
        InvalidateRect(hwnd(), nullptr, FALSE);
        NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd(), OBJID_CLIENT, CHILDID_SELF);
    }
    if (outcome.click) click();
}

bool PushButton::isOver(LPARAM pointerAt) const {
    const POINT at{GET_X_LPARAM(pointerAt), GET_Y_LPARAM(pointerAt)};
    RECT area{};
    GetClientRect(hwnd(), &area);
    return PtInRect(&area, at) != FALSE;
}

// As BM_GETSTATE answers for a system button.
UINT PushButton::shownState() const {
    UINT state = 0;
    if (behaviour_.pressed()) state |= BST_PUSHED;
    if (behaviour_.hot()) state |= BST_HOT;
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
    const std::wstring caption = WindowText(hwnd());
    PaintButton(dc, area,
                {caption, font_, colours_, behaviour_.pressed(), behaviour_.hot(), GetFocus() == hwnd() && !focusCueHidden_});
    EndPaint(hwnd(), &ps);
}

}  // namespace orv::win32
