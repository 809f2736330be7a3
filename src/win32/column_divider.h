// The divider at the right of the list's first column, which the list's tooltip tells the user to drag
// to read long names. The hidden columns after it are zero wide, so their dividers lie on the same
// spot, and the header would take a drag or a double-click there as one on a hidden column's divider
// (HHT_ONDIVOPEN), revealing it. So the divider is ours wherever the user grabs it: a drag widens or
// narrows the first column, a double-click fits it to its longest name, and no way opens a hidden
// column, by mouse or keyboard.
#pragma once

#include <windows.h>

#include "win32/window_subclass.h"

namespace orv::win32 {

class FirstColumnDivider {
public:
    explicit FirstColumnDivider(HWND list);

private:
    // Whether a point of the header (its client coordinates) is on the first column's divider.
    [[nodiscard]] bool onDivider(POINT at) const;
    [[nodiscard]] int firstColumnWidth() const;
    void dragTo(LONG x) const;  // header client coordinates
    void fitFirstColumn() const;
    LRESULT answerHeader(const WindowSubclass::Message& message);
    [[nodiscard]] LRESULT answerList(const WindowSubclass::Message& message) const;

    HWND list_;
    bool dragging_ = false;
    LONG dragStartX_ = 0;
    int dragStartWidth_ = 0;
    WindowSubclass header_;
    WindowSubclass listNotices_;
};

}  // namespace orv::win32
