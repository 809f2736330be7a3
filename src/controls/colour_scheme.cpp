#include "controls/colour_scheme.h"

#include <algorithm>
#include <cmath>

namespace orv {
namespace {

double Linear(unsigned channel) {
    const double value = channel / 255.0;
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(Rgb colour) {
    return 0.2126 * Linear(colour & 0xFFu) + 0.7152 * Linear((colour >> 8) & 0xFFu) +
           0.0722 * Linear((colour >> 16) & 0xFFu);
}

double ContrastRatio(Rgb first, Rgb second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool SystemTextUnreadableOnWhite(const SystemColours& system) {
    return ContrastRatio(system.buttonText, kWhiteRgb) < kReadableContrast;
}

ButtonColours ChooseButtonColours(const ColourScheme& scheme, const ButtonSkin& skin) {
    const SystemColours& system = scheme.system;
    if (scheme.highContrast) {
        // The border in the text colour, so that the button's edge shows on any window colour.
        return {system.buttonFace, system.buttonText, system.buttonFace, system.buttonFace, system.buttonText,
                std::nullopt};
    }
    const Rgb designedFace = SystemTextUnreadableOnWhite(system) ? system.buttonFace : kWhiteRgb;
    const Rgb face = skin.face.value_or(designedFace);
    return {face,
            skin.text.value_or(system.buttonText),
            skin.hot.value_or(face),
            skin.pressed.value_or(system.buttonFace),
            skin.border.value_or(system.buttonShadow),
            skin.focus};
}

std::optional<HeaderColours> ChooseHeaderColours(const ColourScheme& scheme, std::optional<Rgb> skinFace,
                                                 std::optional<Rgb> skinText) {
    if (scheme.highContrast || SystemTextUnreadableOnWhite(scheme.system)) {
        return HeaderColours{scheme.system.buttonFace, scheme.system.buttonText};
    }
    if (skinFace) {
        return HeaderColours{*skinFace, skinText.value_or(scheme.system.buttonText)};
    }
    return std::nullopt;
}

}  // namespace orv
