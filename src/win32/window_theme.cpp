#include "win32/window_theme.h"

namespace orv::win32 {
namespace {

// A system colour is looked up when it is used, so it follows the colour scheme.
bool IsSystemColor(OleColor color) {
    return (color & 0x80000000u) != 0;
}

int SystemColorIndex(OleColor color) {
    return static_cast<int>(color & 0xFFu);
}

COLORREF ColorOf(OleColor color) {
    return IsSystemColor(color) ? GetSysColor(SystemColorIndex(color)) : static_cast<COLORREF>(color & 0x00FFFFFFu);
}

}  // namespace

WindowTheme::WindowTheme() : backBrush_(CreateSolidBrush(ColorOf(kWhite))) {
    sample();
}

void WindowTheme::setBackColor(OleColor color) {
    backColor_ = color;
    backBrush_.reset(IsSystemColor(color) ? nullptr : CreateSolidBrush(ColorOf(color)));
}

void WindowTheme::setSkin(const Skin& skin, const SkinOptions& options) {
    skin_ = skin;
    skinOptions_ = options;
    if (skin.windowBackground) setBackColor(*skin.windowBackground);
}

void WindowTheme::sample() {
    HIGHCONTRASTW highContrast{};
    highContrast.cbSize = sizeof(highContrast);
    scheme_.highContrast = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(highContrast), &highContrast, 0) != FALSE &&
                           (highContrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    scheme_.system = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNSHADOW),
                      GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT)};
}

// The designed white, or a skin's colour, gives way to the system's window colour in high contrast.
HBRUSH WindowTheme::background() const {
    if (IsSystemColor(backColor_)) return GetSysColorBrush(SystemColorIndex(backColor_));
    if (scheme_.highContrast) return GetSysColorBrush(COLOR_WINDOW);
    return backBrush_.get();
}

ButtonColours WindowTheme::buttons() const {
    ButtonSkin buttonSkin;
    if (skinsControls()) {
        buttonSkin = {skin_->buttonFace, skin_->buttonText, skin_->buttonHot, skin_->buttonPressed, skin_->buttonBorder,
                      skin_->buttonFocus};
        if (!skinOptions_.hotTracking) buttonSkin.hot.reset();
    }
    return ChooseButtonColours(scheme_, buttonSkin);
}

ListColours WindowTheme::list() const {
    const bool skinsList = skinsControls() && !scheme_.highContrast;
    return {skinsList && skin_->listBackground ? *skin_->listBackground : GetSysColor(COLOR_WINDOW),
            skinsList && skin_->listText ? *skin_->listText : GetSysColor(COLOR_WINDOWTEXT)};
}

std::optional<HeaderColours> WindowTheme::header() const {
    const bool skinsHeader = skinsControls() && skinOptions_.skinListHeader;
    return ChooseHeaderColours(scheme_, skinsHeader ? skin_->listHeader : std::nullopt,
                               skinsHeader ? skin_->listText : std::nullopt);
}

}  // namespace orv::win32
