#include "win32/window_theme.h"

#include "win32/colour_ref.h"

namespace orv::win32 {

void WindowTheme::sample() {
    HIGHCONTRASTW highContrast{};
    highContrast.cbSize = sizeof(highContrast);
    scheme_.highContrast = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(highContrast), &highContrast, 0) != FALSE &&
                           (highContrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    scheme_.system = {FromColorRef(GetSysColor(COLOR_BTNFACE)), FromColorRef(GetSysColor(COLOR_BTNTEXT)),
                      FromColorRef(GetSysColor(COLOR_BTNSHADOW)), FromColorRef(GetSysColor(COLOR_WINDOW)),
                      FromColorRef(GetSysColor(COLOR_WINDOWTEXT)), FromColorRef(GetSysColor(COLOR_HIGHLIGHT))};
}

HBRUSH WindowTheme::background() {
    const Colour colour = colours().background;
    if (colour.isSystem()) return GetSysColorBrush(static_cast<int>(colour.systemIndex()));
    const COLORREF wanted = ToColorRef(colour);
    if (!backBrush_ || backBrushColour_ != wanted) {
        backBrush_.reset(CreateSolidBrush(wanted));
        backBrushColour_ = wanted;
    }
    return backBrush_.get();
}

}  // namespace orv::win32
