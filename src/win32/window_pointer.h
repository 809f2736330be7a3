// The one pointer over the main window and all its controls: the arrow, or the custom image that a
// cursor file gave.
#pragma once

#include <windows.h>

#include <string>

#include "ports/main_window.h"
#include "win32/handles.h"

namespace orv::win32 {

class WindowPointer {
public:
    // Throws Failure when the file is not a cursor.
    void load(const std::wstring& path);
    // Takes the setting, and shows it at once when the pointer is over `window` or one of its controls.
    void set(PointerSetting setting, HWND window);
    // What the setting shows: the custom image only once one was loaded.
    [[nodiscard]] HCURSOR cursor() const;

private:
    UniqueHcursor custom_;
    PointerSetting setting_ = PointerSetting::Default;
};

}  // namespace orv::win32
