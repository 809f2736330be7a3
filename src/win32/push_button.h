// Our push button: a caption on a flat face, drawn by us, with click and mouse-move notifications, a
// focus mark, and Space or Enter to click. BM_CLICK clicks it too, as it does a system button.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "win32/base_window.h"

namespace orv::win32 {

// Colours of a button; CLR_INVALID means "the designed look" for that part.
struct ButtonPalette {
    COLORREF face = CLR_INVALID;
    COLORREF text = CLR_INVALID;
    COLORREF hot = CLR_INVALID;
    COLORREF pressed = CLR_INVALID;
    COLORREF border = CLR_INVALID;
    COLORREF focus = CLR_INVALID;
};

class PushButton final : public BaseWindow<PushButton> {
public:
    static constexpr wchar_t kClassName[] = L"OrvendalePushButton";
    static void RegisterWindowClass(HINSTANCE instance);

    PushButton() = default;
    void create(HWND parent, int id, const std::wstring& caption, HFONT font);

    void setFont(HFONT font);
    void setPalette(const ButtonPalette& palette);

    std::function<void()> onClick;
    std::function<void()> onMouseMove;

    LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void paint();
    void click();
    void setPressed(bool pressed);
    void trackLeave();

    HFONT font_ = nullptr;
    ButtonPalette palette_;
    bool pressed_ = false;
    bool hot_ = false;
    bool capturing_ = false;
    bool spaceDown_ = false;
};

}  // namespace orv::win32
