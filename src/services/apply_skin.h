// The optional skin: a skin file in the program's folder colours the window and its controls.
#pragma once

#include "ports/files.h"
#include "ports/main_window.h"

namespace orv {

inline constexpr wchar_t kSkinFileSuffix[] = L"\\x\\o.cjs";

// When the skin file lies in the program's folder as an ordinary file, gives the window the system's
// button face, then reads the skin and draws the window in it. Has no trap: the first failing step ends
// it and reaches the caller's trap.
void ApplySkin(Files& files, MainWindow& window);

}  // namespace orv
