// Our colours as the platform takes them, and back: the one place where a colour becomes a COLORREF.
#pragma once

#include <windows.h>

#include "ports/colour.h"

namespace orv::win32 {

// A system colour as the scheme sets it now.
inline COLORREF ToColorRef(Colour colour) {
    return colour.isSystem() ? GetSysColor(static_cast<int>(colour.systemIndex())) : static_cast<COLORREF>(colour.bgr());
}

inline Colour FromColorRef(COLORREF colour) {
    return Colour::Rgb(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

}  // namespace orv::win32
