// What a person sees on the screen: the colour at a point, the pixels of a window, the cursor shown.
#pragma once

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "controls/colour_scheme.h"
#include "driver.h"

namespace orv::e2e {

// The colour that a window of this process has painted at a point of its client area.
COLORREF PaintedPixel(HWND window, int x, int y);
// A window of this thread of the class named, or null: the tooltip, say.
HWND WindowOfThisThread(const wchar_t* className);
// A font's description, of the font a window uses.
LOGFONTW FontOf(HWND window);
// The colour of a pixel of an icon's mask or colour image; CLR_INVALID outside it.
enum class IconPart { Mask, Colour };
COLORREF IconPixel(HICON icon, IconPart part, int x, int y);

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

// Mouse input as a person gives it, at points of the screen: the left button pressed at `from`, the
// pointer moved in steps to `to` with it held, and let go there; or two clicks in quick succession.
void DragWithTheMouse(POINT from, POINT to);
void DoubleClickWithTheMouse(POINT at);
// Keys pressed together on the keyboard, as a person presses Ctrl and C: down in order, up in reverse.
void PressTogether(const std::vector<WORD>& keys);
// The text on the clipboard, or nothing.
std::optional<std::wstring> ClipboardText();

// Sets the display's DPI for programs started while it lives: in a Wine prefix, which reads it when a
// program starts. A Windows machine's DPI is its user's, and changes only at the next sign-in.
class ScreenDpi {
public:
    explicit ScreenDpi(DWORD dpi) { set(dpi); }
    ~ScreenDpi() { set(96); }
    ScreenDpi(const ScreenDpi&) = delete;
    ScreenDpi& operator=(const ScreenDpi&) = delete;
    static bool CanSet();

private:
    static void set(DWORD dpi);
};

// Puts the program's window in front of all others and the pointer off it, waits until the program has
// handled what it was sent, has it paint everything, and gives the display a moment to show it.
void SettleAndPaint(ProgramUnderTest& program);

// Why two names may draw alike, for a failure message: the face that the list's font comes to, and
// whether this process draws the two names alike with it too (then this machine's fonts are at fault,
// not the program).
std::string WhyNamesDrawAlike(const std::wstring& first, const std::wstring& second);

}  // namespace orv::e2e
