#include "screen.h"

namespace orv::e2e {
namespace {

RECT WindowRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

}  // namespace

COLORREF ColourOfWindowAt(HWND window, int x, int y) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

COLORREF ColourInside(HWND control, int dx) {
    RECT rect{};
    GetClientRect(control, &rect);
    return ColourOfWindowAt(control, dx, rect.bottom / 2);
}

ScreenPixels::ScreenPixels(HWND window) : ScreenPixels(WindowRectOf(window)) {}

ScreenPixels::ScreenPixels(const RECT& rect) {
    width_ = rect.right - rect.left;
    height_ = rect.bottom - rect.top;
    pixels_.resize(static_cast<std::size_t>(width_ * height_));
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width_, height_);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height_), pixels_.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

double ScreenPixels::strongestContrast(COLORREF face, RECT inside) const {
    double strongest = 1.0;
    for (int y = inside.top; y < inside.bottom; ++y) {
        for (int x = inside.left; x < inside.right; ++x) strongest = std::max(strongest, ContrastRatio(at(x, y), face));
    }
    return strongest;
}

// Two moves, so the window under the pointer hears of one whatever was there before. Nothing tells
// when the program has answered with its cursor, and over two buttons the cursor stays the same, so
// the cursor is read once it has had time to change.
HCURSOR CursorAt(HWND window, int x, int y) {
    RECT client{};
    GetClientRect(window, &client);
    POINT at{x, y >= 0 ? y : client.bottom / 2};
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y + 1);
    Sleep(150);
    SetCursorPos(at.x + 2, at.y);
    Sleep(300);
    CURSORINFO info{};
    info.cbSize = sizeof(info);
    GetCursorInfo(&info);
    return info.hCursor;
}

}  // namespace orv::e2e
