// Every rule that picks a colour for the window and its controls: the designed look, a skin, the
// system's colour scheme with high contrast, and the contrast that text needs to be read (WCAG 2).
#pragma once

#include <optional>

#include "ports/colour.h"
#include "ports/skin.h"

namespace orv {

// Text needs this contrast with its background to be readable (WCAG 2, level AA, normal text).
inline constexpr double kReadableContrast = 4.5;

// WCAG 2 relative luminance of a colour given by red, green and blue: 0 for black to 1 for white.
double RelativeLuminance(Colour colour);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double ContrastRatio(Colour first, Colour second);

// The system colours that our controls draw with, as the scheme sets them now.
struct SystemColours {
    Colour buttonFace = Colour::Rgb(240, 240, 240);
    Colour buttonText = kBlack;
    Colour buttonShadow = Colour::Rgb(160, 160, 160);
    Colour window = kWhite;
    Colour windowText = kBlack;
    Colour highlight = Colour::Rgb(0, 120, 215);  // a selection's background, and a hot control's mark
};

struct ColourScheme {
    SystemColours system;
    bool highContrast = false;  // the user's high-contrast setting is on
};

struct ButtonColours {
    Colour face = kWhite;
    Colour text = kBlack;
    Colour hot = kWhite;      // the face under the pointer
    Colour pressed = kWhite;  // the face while pressed
    Colour border = kBlack;
    // The border under the pointer and while pressed, drawn twice as thick when it differs from `border`:
    // the designed look keeps its white face and shows the state in its edge.
    Colour activeBorder = kBlack;
    std::optional<Colour> focus;  // a solid focus frame; empty: the system's dotted focus rectangle
};

struct ListColours {
    Colour back = kWhite;
    Colour text = kBlack;
    // A skin's: the selection while the list has no focus, which the list would draw in the system's
    // button face, a bright bar on a dark skin; empty: the list's own.
    std::optional<Colour> unfocusedSelection;
    bool dark = false;  // light text on a dark background: dark scroll bars, where Windows has them
};

struct HeaderColours {
    Colour face = kWhite;
    Colour text = kBlack;
};

struct WindowColours {
    Colour background = kWhite;  // may be a system colour, which follows the scheme
    ButtonColours buttons;
    ListColours list;
    std::optional<HeaderColours> header;  // empty: the header's own look
};

// True when our designed white faces would make the system's text colours unreadable, as a dark
// scheme does: the buttons and the list's header then take the system's own faces.
bool SystemTextUnreadableOnWhite(const SystemColours& system);

// The colours of the window given `backColour` (the designed white, or the system's button face once
// a skin is applied) and the skin, if any. The designed look is white with the system's text; a skin
// colours the window and every control; in high contrast everything is in the system's colours and the
// skin is set aside; a scheme whose button text is unreadable on white gets the system's button face
// for the buttons and the header instead of white.
WindowColours ChooseWindowColours(const ColourScheme& scheme, Colour backColour, const std::optional<Skin>& skin);

}  // namespace orv
