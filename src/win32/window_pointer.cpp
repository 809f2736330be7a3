#include "win32/window_pointer.h"

#include "ports/failure.h"
#include "win32/system_error.h"

namespace orv::win32 {

void WindowPointer::load(const std::wstring& path) {
    auto* cursor = static_cast<HCURSOR>(LoadImageW(nullptr, path.c_str(), IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE));
    if (cursor == nullptr) {
        // The loader gives a reason for some files only; "(Success.)" would be none.
        const DWORD error = GetLastError();
        const std::wstring reason = error == ERROR_SUCCESS ? L"" : L" (" + SystemMessage(error) + L")";
        throw Failure(L"Invalid picture: \"" + path + L"\" is not a cursor" + reason);
    }
    custom_.reset(cursor);
}

void WindowPointer::set(PointerSetting setting, HWND window) {
    setting_ = setting;
    POINT at{};
    GetCursorPos(&at);
    const HWND under = WindowFromPoint(at);
    if (under == window || IsChild(window, under)) SetCursor(cursor());
}

HCURSOR WindowPointer::cursor() const {
    if (setting_ == PointerSetting::Custom && custom_) return custom_.get();
    return LoadCursorW(nullptr, IDC_ARROW);
}

}  // namespace orv::win32
