// One window procedure for all our windows: `this` arrives in lpCreateParams, is kept in the window's
// user data from WM_NCCREATE on, and every message goes to the object's HandleMessage. No exception
// ever crosses into Windows: anything that escapes a handler is reported and the message is defaulted.
#pragma once

#include <windows.h>

namespace orv::win32 {

// Shows the program's own "Application Error" box for a failure that no trap covered.
void ReportUnexpectedFailure() noexcept;

template <class Derived>
class BaseWindow {
public:
    [[nodiscard]] HWND hwnd() const noexcept { return hwnd_; }
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;

protected:
    BaseWindow() = default;
    ~BaseWindow() = default;

    // The derived class's destructor calls this, so no window outlives the object that answers its
    // messages (a failed start-up's box would still deliver broadcasts to it). The window is detached
    // first: what it hears while it goes is defaulted, and the program is not told to quit.
    void destroyWindow() noexcept {
        if (hwnd_ == nullptr) return;
        const HWND window = hwnd_;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        DestroyWindow(window);
    }

    static LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
        Derived* self = nullptr;
        if (message == WM_NCCREATE) {
            self = static_cast<Derived*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            self->hwnd_ = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<Derived*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        }
        if (self == nullptr) {
            return DefWindowProcW(hwnd, message, wParam, lParam);
        }
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
        }
        try {
            return self->HandleMessage(hwnd, message, wParam, lParam);
        } catch (...) {
            ReportUnexpectedFailure();
            return DefWindowProcW(hwnd, message, wParam, lParam);
        }
    }

private:
    HWND hwnd_ = nullptr;
};

}  // namespace orv::win32
