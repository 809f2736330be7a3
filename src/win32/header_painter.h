// Paints a list's column header in chosen colours (a skin's, or readable ones for the colour scheme);
// with no colours chosen the header keeps its own look.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "controls/colour_scheme.h"
#include "win32/window_subclass.h"

namespace orv::win32 {

class HeaderPainter {
public:
    explicit HeaderPainter(HWND list);

    void setColours(std::optional<HeaderColours> colours) { colours_ = colours; }

private:
    static LRESULT paint(NMCUSTOMDRAW& draw, const HeaderColours& colours);
    [[nodiscard]] LRESULT answer(const WindowSubclass::Message& message) const;

    std::optional<HeaderColours> colours_;
    WindowSubclass subclass_;
};

}  // namespace orv::win32
