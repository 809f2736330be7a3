// Colours that stay readable in every colour scheme: the contrast rule of WCAG 2 and the colours our
// own buttons and the list's header draw with, chosen from the system's scheme, high contrast and skin.
#pragma once

#include <cstdint>
#include <optional>

namespace orv {

// 0x00BBGGRR, as the platform's COLORREF.
using Rgb = std::uint32_t;
constexpr Rgb MakeRgb(unsigned red, unsigned green, unsigned blue) {
    return static_cast<Rgb>((red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16));
}
inline constexpr Rgb kWhiteRgb = MakeRgb(255, 255, 255);

// Text needs this contrast with its background to be readable (WCAG 2, level AA, normal text).
inline constexpr double kReadableContrast = 4.5;

// WCAG 2 relative luminance, 0 for black to 1 for white.
double RelativeLuminance(Rgb colour);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double ContrastRatio(Rgb first, Rgb second);

// The system colours that our controls draw with, as the scheme sets them now.
struct SystemColours {
    Rgb buttonFace = MakeRgb(240, 240, 240);
    Rgb buttonText = 0;
    Rgb buttonShadow = MakeRgb(160, 160, 160);
    Rgb window = kWhiteRgb;
    Rgb windowText = 0;
};

struct ColourScheme {
    SystemColours system;
    bool highContrast = false;  // the user's high-contrast setting is on
};

// What a skin says of the buttons; an empty part keeps the designed look.
struct ButtonSkin {
    std::optional<Rgb> face, text, hot, pressed, border, focus;
};

struct ButtonColours {
    Rgb face = kWhiteRgb;
    Rgb text = 0;
    Rgb hot = kWhiteRgb;      // the face under the pointer
    Rgb pressed = kWhiteRgb;  // the face while pressed
    Rgb border = 0;
    std::optional<Rgb> focus;  // a solid focus frame; empty: the system's dotted focus rectangle
};

// True when our designed white faces would make the system's text colours unreadable, as a dark
// scheme does: the buttons and the list's header then take the system's own faces.
bool SystemTextUnreadableOnWhite(const SystemColours& system);

// The designed look is a white face with the system's button text; in high contrast everything is in
// system colours and the skin is set aside; a scheme whose button text is unreadable on white gets the
// system's button face instead of white.
ButtonColours ChooseButtonColours(const ColourScheme& scheme, const ButtonSkin& skin);

// The header's face and text: the system's button colours whenever the designed look cannot be trusted
// (high contrast, or a scheme that is unreadable on white); otherwise the skin's, or nothing (the
// header's own look).
struct HeaderColours {
    Rgb face = kWhiteRgb;
    Rgb text = 0;
};
std::optional<HeaderColours> ChooseHeaderColours(const ColourScheme& scheme, std::optional<Rgb> skinFace,
                                                 std::optional<Rgb> skinText);

}  // namespace orv
