#include "win32/window_subclass.h"

#include <utility>

#include "ports/failure.h"
#include "win32/base_window.h"

namespace orv::win32 {

// Each subclass is told apart by its own address, so that any number of them can hear one window.
WindowSubclass::WindowSubclass(HWND window, Handler handler) : window_(window), handler_(std::move(handler)) {
    if (!SetWindowSubclass(window_, &WindowSubclass::Procedure, reinterpret_cast<UINT_PTR>(this),
                           reinterpret_cast<DWORD_PTR>(this))) {
        throw Failure(L"Could not listen to a control's messages");
    }
}

WindowSubclass::~WindowSubclass() {
    if (window_ != nullptr) RemoveWindowSubclass(window_, &WindowSubclass::Procedure, reinterpret_cast<UINT_PTR>(this));
}

LRESULT CALLBACK WindowSubclass::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                           DWORD_PTR data) noexcept {
    auto* self = reinterpret_cast<WindowSubclass*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &WindowSubclass::Procedure, id);
        self->window_ = nullptr;
        return DefSubclassProc(window, message, wParam, lParam);
    }
    try {
        return self->handler_({window, message, wParam, lParam});
    } catch (...) {
        ReportUnexpectedFailure();
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace orv::win32
