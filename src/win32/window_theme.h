// The main window's colours: it samples the system's colour scheme and high-contrast setting, again
// whenever they change, and keeps what the window was given (its colour and a skin); the colours
// themselves come from the rules of colour_scheme.h.
#pragma once

#include <windows.h>

#include <optional>

#include "controls/colour_scheme.h"
#include "ports/colour.h"
#include "ports/skin.h"
#include "win32/handles.h"

namespace orv::win32 {

class WindowTheme {
public:
    WindowTheme() { sample(); }

    void setBackColour(Colour colour) { backColour_ = colour; }
    void setSkin(const Skin& skin) { skin_ = skin; }
    // Reads the system's colour scheme and high-contrast setting as they are now.
    void sample();

    [[nodiscard]] WindowColours colours() const { return ChooseWindowColours(scheme_, backColour_, skin_); }
    // The brush of the window's colour; a system colour's follows the scheme.
    [[nodiscard]] HBRUSH background();

private:
    Colour backColour_ = kWhite;
    std::optional<Skin> skin_;
    ColourScheme scheme_;
    UniqueHbrush backBrush_;
    COLORREF backBrushColour_ = CLR_INVALID;
};

}  // namespace orv::win32
