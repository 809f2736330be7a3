// The GDI objects the main window is made with: its fonts and its blank start-up icon.
#pragma once

#include <windows.h>

#include "win32/handles.h"

namespace orv::win32 {

// Arial bold at a size in hundredths of a point, for a screen of `dpi`.
UniqueHfont MakeArialBold(int centiPoints, UINT dpi);
// The application's icon at the sizes Windows shows for a screen of `dpi`; throws Failure when it cannot
// be loaded.
struct ApplicationIcons {
    UniqueHicon large;    // Alt+Tab and the task bar
    UniqueHicon caption;  // the title bar
};
ApplicationIcons LoadApplicationIcons(UINT dpi);
// A fully transparent 32 x 32 icon, which the window carries until start-up gives it ours.
UniqueHicon MakeBlankIcon();

}  // namespace orv::win32
