// A window's text (a caption, an edit box's contents), whole.
#pragma once

#include <windows.h>

#include <string>

namespace orv::win32 {

inline std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace orv::win32
