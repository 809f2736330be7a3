// The main window's colours: the window's own colour, a skin's, and the system's colour scheme with
// high contrast, sampled again whenever the scheme changes.
#pragma once

#include <windows.h>

#include <optional>

#include "controls/colour_scheme.h"
#include "ports/main_window.h"
#include "services/skin_file.h"
#include "win32/handles.h"
#include "win32/list_view.h"

namespace orv::win32 {

class WindowTheme {
public:
    WindowTheme();

    // The window's colour: RGB, or a system colour (high bit set), which follows the scheme.
    void setBackColor(OleColor color);
    void setSkin(const Skin& skin, const SkinOptions& options);
    // Reads the system's colour scheme and high-contrast setting as they are now.
    void sample();

    [[nodiscard]] HBRUSH background() const;
    [[nodiscard]] ButtonColours buttons() const;
    [[nodiscard]] ListColours list() const;
    [[nodiscard]] std::optional<HeaderColours> header() const;

private:
    // The skin, where it is to colour the controls: not while high contrast is on.
    [[nodiscard]] bool skinsControls() const { return skin_ && skinOptions_.skinsControls; }

    OleColor backColor_ = kWhite;
    UniqueHbrush backBrush_;
    std::optional<Skin> skin_;
    SkinOptions skinOptions_;
    ColourScheme scheme_;
};

}  // namespace orv::win32
