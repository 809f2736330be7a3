// One window procedure for all our windows: `this` arrives in lpCreateParams, is kept in the window's
// user data from WM_NCCREATE on, and every message goes to the object's HandleMessage. No exception
// ever crosses into Windows: anything that escapes a handler is reported and the message is defaulted.
// The object owns its window: no window outlives the object that answers its messages.
#pragma once

#include <windows.h>

#include "win32/system_error.h"

namespace orv::win32 {

// Shows the program's own "Application Error" box for a failure that no trap covered.
void ReportUnexpectedFailure() noexcept;

template <class Derived>
class BaseWindow {
public:
    [[nodiscard]] HWND hwnd() const noexcept { return hwnd_; }
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;

    // Registers the class that the derived type names (kClassName, kClassStyle), once. Each window
    // carries its own icons, and the main window decides the pointer over its whole surface.
    static void RegisterWindowClass(HINSTANCE instance) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = Derived::kClassStyle;
        windowClass.lpfnWndProc = &BaseWindow::WindowProcedure;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = Derived::kClassName;
        if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
            ThrowLastError(L"Could not register the window class");
        }
    }

protected:
    ~BaseWindow() { destroyWindow(); }

    // Destroys the window, detached first: what it and its children send it while they go (a failed
    // start-up's box delivers broadcasts, each child's going is told to its parent) is defaulted, and
    // the program is not told to quit. A derived window that owns its children's objects calls this
    // first in its own destructor, so that no message reaches it half-destroyed.
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
    // Only the window that derives from it makes one.
    BaseWindow() = default;
    friend Derived;

    HWND hwnd_ = nullptr;
};

}  // namespace orv::win32
