// Hears a window's messages before the window's own procedure, for as long as this lives or the window
// does, whichever goes first. The handler answers each message, passing on with PassOn what it does not
// take (with other parameters, if it will). A failure that escapes it is reported and the message is
// passed on as it came.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>

namespace orv::win32 {

class WindowSubclass {
public:
    struct Message {
        HWND window;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        [[nodiscard]] LRESULT passOn() const { return DefSubclassProc(window, message, wParam, lParam); }
        [[nodiscard]] LRESULT passOn(WPARAM otherW, LPARAM otherL) const {
            return DefSubclassProc(window, message, otherW, otherL);
        }
    };
    using Handler = std::function<LRESULT(const Message&)>;

    WindowSubclass(HWND window, Handler handler);
    ~WindowSubclass();
    WindowSubclass(const WindowSubclass&) = delete;
    WindowSubclass& operator=(const WindowSubclass&) = delete;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR data) noexcept;

    HWND window_;
    Handler handler_;
};

}  // namespace orv::win32
