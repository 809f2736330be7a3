// A skin: the colours a skin file names for the window, its push buttons and its list, and how far
// they reach. The file's format is documented in docs/skins.md.
#pragma once

#include <cstdint>
#include <optional>

namespace orv {

// A colour as 0x00BBGGRR, the platform's order.
using SkinColor = std::uint32_t;

struct Skin {
    std::optional<SkinColor> windowBackground;
    std::optional<SkinColor> buttonFace;
    std::optional<SkinColor> buttonText;
    std::optional<SkinColor> buttonHot;
    std::optional<SkinColor> buttonPressed;
    std::optional<SkinColor> buttonBorder;
    std::optional<SkinColor> buttonFocus;
    std::optional<SkinColor> listBackground;
    std::optional<SkinColor> listText;
    std::optional<SkinColor> listHeader;
};

// How far a skin reaches (docs/skins.md).
struct SkinOptions {
    bool skinsControls = false;   // the controls take the skin too, not only the window
    bool hotTracking = false;     // buttons light up in the "hot" colour under the pointer
    bool skinListHeader = false;  // the list's column header takes the "list.header" colour
};

}  // namespace orv
