// How our push button looks in each state: a flat face in the state's colour, a border, the caption in
// the middle (one pixel down and right while pressed), and the focus mark.
#pragma once

#include <windows.h>

#include <string>

#include "controls/colour_scheme.h"

namespace orv::win32 {

struct ButtonLook {
    const std::wstring& caption;
    HFONT font = nullptr;  // null: the system's GUI font
    const ButtonColours& colours;
    bool pressed = false;
    bool hot = false;
    bool focusMark = false;
};

void PaintButton(HDC dc, const RECT& area, const ButtonLook& look);

}  // namespace orv::win32
