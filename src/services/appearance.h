// The optional look: the skin file, the hand cursor's presence test, and the application title.
#pragma once

#include <string>

#include "ports/files.h"
#include "ports/main_window.h"

namespace orv {

inline constexpr wchar_t kSkinFileSuffix[] = L"\\x\\o.cjs";
inline constexpr wchar_t kHandCursorSuffix[] = L"\\HAND-M.CUR";

// When the skin file lies in the program's folder, gives the window the button-face colour, then reads
// the skin and draws the window in it. Has no trap: the first failing step ends it and reaches the
// caller's trap.
void ApplySkin(Files& files, MainWindow& window);

// True when the path's last-modification time can be read; never fails.
bool FileExistsProbe(Files& files, const std::wstring& path);

// The product name cut at its last blank, at least once, until it has 40 characters or fewer. A name
// without a blank is cut to its first 40 characters instead.
std::wstring ApplicationTitleFor(std::wstring productName);

}  // namespace orv
