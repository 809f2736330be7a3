// What a person sees on the screen: the colour at a point, the pixels of a window, the cursor shown.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

#include "controls/colour_scheme.h"

namespace orv::e2e {

// The colour on the screen at a point of a window's client area.
COLORREF ColourOfWindowAt(HWND window, int x, int y);
// The colour of a control a few pixels in from its left edge, half-way down.
COLORREF ColourInside(HWND control, int dx = 4);

// The pixels of a window, or of a rectangle of the screen, as they show now.
class ScreenPixels {
public:
    explicit ScreenPixels(HWND window);
    explicit ScreenPixels(const RECT& rect);
    [[nodiscard]] int width() const { return width_; }
    [[nodiscard]] int height() const { return height_; }
    [[nodiscard]] COLORREF at(int x, int y) const {
        const DWORD bgrx = pixels_[static_cast<std::size_t>(y * width_ + x)];
        return RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF);
    }
    // The strongest contrast with `face` of any pixel inside the rectangle: the caption's, where it has one.
    [[nodiscard]] double strongestContrast(COLORREF face, RECT inside) const;
    bool operator==(const ScreenPixels& other) const { return pixels_ == other.pixels_; }
    // Whether anything is drawn: not every pixel alike.
    [[nodiscard]] bool inked() const {
        return std::any_of(pixels_.begin(), pixels_.end(), [&](DWORD p) { return p != pixels_.front(); });
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<DWORD> pixels_;
};

// The cursor shown with the pointer at a point of a window's client area (by default inside a
// control, half-way down). Cursor handles belong to the program's process, so tests compare the
// program's cursors with each other: over the list it always shows its arrow.
HCURSOR CursorAt(HWND window, int x = 20, int y = -1);

}  // namespace orv::e2e
