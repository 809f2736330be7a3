// The skin file: UTF-8 text of "key = value" lines naming colours for the window, its push buttons and
// its list. The format is documented in docs/skins.md.
#pragma once

#include <string>
#include <string_view>

#include "ports/skin.h"

namespace orv {

inline constexpr std::size_t kMaxSkinFileBytes = std::size_t{64} * 1024;

// Parses a skin file's bytes; throws Failure naming `fileName`, the line and the problem.
Skin ParseSkin(std::string_view bytes, const std::wstring& fileName);

}  // namespace orv
