// The skin file: UTF-8 text of "key = value" lines naming colours for the window, its push buttons and
// its list. The format is documented in docs/skins.md.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// What the component's three options mean (docs/skins.md).
struct SkinOptions {
    std::int32_t word = 0;        // bit 0: skin the controls, not only the window
    bool hotTracking = false;     // buttons light up in the "hot" colour under the pointer
    bool skinListHeader = false;  // the list's column header takes the "list.header" colour
    [[nodiscard]] bool skinsControls() const { return (word & 1) != 0; }
};

inline constexpr std::size_t kMaxSkinFileBytes = std::size_t{64} * 1024;

// Parses a skin file's bytes; throws Failure naming `fileName`, the line and the problem.
Skin ParseSkin(std::string_view bytes, const std::wstring& fileName);

}  // namespace orv
