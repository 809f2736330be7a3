// A skin: the colours a skin file names for the window, its push buttons and its list. The file's
// format is documented in docs/skins.md.
#pragma once

#include <optional>

#include "ports/colour.h"

namespace orv {

struct Skin {
    std::optional<Colour> windowBackground;
    std::optional<Colour> buttonFace;
    std::optional<Colour> buttonText;
    std::optional<Colour> buttonHot;
    std::optional<Colour> buttonPressed;
    std::optional<Colour> buttonBorder;
    std::optional<Colour> buttonFocus;
    std::optional<Colour> listBackground;
    std::optional<Colour> listText;
    std::optional<Colour> listHeader;
};

}  // namespace orv
