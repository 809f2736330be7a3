// The GDI objects the main window is made with: its fonts, its blank start-up icon and the application
// icon.
#pragma once

#include <windows.h>

#include "win32/handles.h"

namespace orv::win32 {

// Arial bold at a size in hundredths of a point, for a screen of `dpi`; throws Failure when it cannot
// be made.
UniqueHfont MakeArialBold(int centiPoints, UINT dpi);

// The application's icon at the two sizes that Windows shows.
struct ApplicationIcons {
    UniqueHicon large;    // Alt+Tab and the task bar
    UniqueHicon caption;  // the title bar
};
// The application's icons for a screen of `dpi`; throws Failure when they cannot be loaded.
ApplicationIcons LoadApplicationIcons(UINT dpi);
// A fully transparent 32 x 32 icon, which the window carries until start-up gives it ours.
UniqueHicon MakeBlankIcon();

}  // namespace orv::win32
