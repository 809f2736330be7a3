// Paints a list's column header in chosen colours (a skin's, or readable ones for the colour scheme);
// with no colours chosen the header keeps its own look.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "controls/colour_scheme.h"

namespace orv::win32 {

class HeaderPainter {
public:
    explicit HeaderPainter(HWND list);
    ~HeaderPainter();
    HeaderPainter(const HeaderPainter&) = delete;
    HeaderPainter& operator=(const HeaderPainter&) = delete;

    void setColours(std::optional<HeaderColours> colours) { colours_ = colours; }

private:
    LRESULT paint(NMCUSTOMDRAW& draw) const;
    static LRESULT CALLBACK Subclass(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR data) noexcept;

    HWND list_;
    std::optional<HeaderColours> colours_;
};

}  // namespace orv::win32
