// Where the main window first shows: centred on the work area of its monitor (the screen less the
// task bar), and, where it is larger than that area, with its caption and left edge inside it, so that
// it can still be moved and every button reached.
#pragma once

namespace orv {

struct Area {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const Area&) const = default;
};

// The window's outer rectangle, `width` by `height`, placed on `workArea`.
constexpr Area CentredOn(const Area& workArea, int width, int height) {
    const auto centred = [](int start, int end, int size) {
        const int offset = (end - start - size) / 2;
        return start + (offset > 0 ? offset : 0);
    };
    const int left = centred(workArea.left, workArea.right, width);
    const int top = centred(workArea.top, workArea.bottom, height);
    return {left, top, left + width, top + height};
}

}  // namespace orv
