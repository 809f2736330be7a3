// The check boxes of a list with LVS_EX_CHECKBOXES are its state images: 1 is the empty box and 2 the
// ticked one.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace orv::win32 {

inline constexpr UINT kUncheckedImage = 1;
inline constexpr UINT kCheckedImage = 2;

// The state image in a row's state bits.
constexpr UINT StateImageOf(UINT state) {
    return (state & LVIS_STATEIMAGEMASK) >> 12;
}

// The state bits of a row's check box.
constexpr UINT CheckBoxState(bool ticked) {
    return INDEXTOSTATEIMAGEMASK(ticked ? kCheckedImage : kUncheckedImage);
}

}  // namespace orv::win32
