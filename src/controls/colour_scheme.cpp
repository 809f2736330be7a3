#include "controls/colour_scheme.h"

#include <algorithm>
#include <cmath>

namespace orv {
namespace {

// The system's window colour, by the platform's index: high contrast's window background.
constexpr Colour kSystemWindow = Colour::System(5);

double Linear(unsigned channel) {
    const double value = channel / 255.0;
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

ButtonColours ChooseButtonColours(const ColourScheme& scheme, const std::optional<Skin>& skin) {
    const SystemColours& system = scheme.system;
    if (scheme.highContrast) {
        // The border in the text colour, so that the button's edge shows on any window colour.
        return {system.buttonFace, system.buttonText, system.buttonFace, system.buttonFace, system.buttonText,
                system.buttonText, std::nullopt};
    }
    const Skin none;
    const Skin& buttons = skin ? *skin : none;
    const Colour designedFace = SystemTextUnreadableOnWhite(system) ? system.buttonFace : kWhite;
    const Colour face = buttons.buttonFace.value_or(designedFace);
    const Colour border = buttons.buttonBorder.value_or(system.buttonShadow);
    return {face,
            buttons.buttonText.value_or(system.buttonText),
            buttons.buttonHot.value_or(face),
            buttons.buttonPressed.value_or(system.buttonFace),
            border,
            skin ? border : system.highlight,  // a skin shows the state in its faces
            buttons.buttonFocus};
}

// A quarter of the way from `from` to `to`.
Colour QuarterTowards(Colour from, Colour to) {
    const auto mix = [](unsigned a, unsigned b) { return (3 * a + b) / 4; };
    return Colour::Rgb(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

ListColours ChooseListColours(const ColourScheme& scheme, const std::optional<Skin>& skin) {
    const bool skinned = skin && !scheme.highContrast;
    ListColours colours;
    colours.back = skinned && skin->listBackground ? *skin->listBackground : scheme.system.window;
    colours.text = skinned && skin->listText ? *skin->listText : scheme.system.windowText;
    if (skinned && skin->listBackground) {
        colours.unfocusedSelection = QuarterTowards(colours.back, colours.text);
        colours.dark = RelativeLuminance(colours.back) < RelativeLuminance(colours.text);
    }
    return colours;
}

// The system's button colours whenever the designed look cannot be trusted (high contrast, or a
// scheme that is unreadable on white); otherwise the skin's, or nothing.
std::optional<HeaderColours> ChooseHeaderColours(const ColourScheme& scheme, const std::optional<Skin>& skin) {
    if (scheme.highContrast || SystemTextUnreadableOnWhite(scheme.system)) {
        return HeaderColours{scheme.system.buttonFace, scheme.system.buttonText};
    }
    if (skin && skin->listHeader) return HeaderColours{*skin->listHeader, skin->listText.value_or(scheme.system.buttonText)};
    return std::nullopt;
}

// The window's own colour: the skin's, or the one it was given; the designed white, or a skin's
// colour, gives way to the system's window colour in high contrast.
Colour ChooseBackground(const ColourScheme& scheme, Colour backColour, const std::optional<Skin>& skin) {
    const Colour background = skin && skin->windowBackground ? *skin->windowBackground : backColour;
    if (!background.isSystem() && scheme.highContrast) return kSystemWindow;
    return background;
}

}  // namespace

double RelativeLuminance(Colour colour) {
    return 0.2126 * Linear(colour.red()) + 0.7152 * Linear(colour.green()) + 0.0722 * Linear(colour.blue());
}

double ContrastRatio(Colour first, Colour second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool SystemTextUnreadableOnWhite(const SystemColours& system) {
    return ContrastRatio(system.buttonText, kWhite) < kReadableContrast;
}

WindowColours ChooseWindowColours(const ColourScheme& scheme, Colour backColour, const std::optional<Skin>& skin) {
    return {ChooseBackground(scheme, backColour, skin), ChooseButtonColours(scheme, skin), ChooseListColours(scheme, skin),
            ChooseHeaderColours(scheme, skin)};
}

}  // namespace orv
