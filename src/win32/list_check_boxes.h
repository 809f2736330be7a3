// The check boxes of an owner-data list, which does not tick rows itself: a click on a box, Space over
// a selection, and ticks that other programs set with the list's own messages. Every tick that comes
// this way is told to assistive technology.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>

#include "win32/window_subclass.h"

namespace orv::win32 {

// The ticks behind the boxes, by row index from 0.
class TickedRows {
public:
    virtual ~TickedRows() = default;
    [[nodiscard]] virtual std::size_t rowCount() const = 0;
    [[nodiscard]] virtual bool isTicked(std::size_t index) const = 0;
    virtual void tick(std::size_t index, bool ticked) = 0;
    virtual void tickAll(bool ticked) = 0;
};

class ListCheckBoxes {
public:
    ListCheckBoxes(HWND list, TickedRows& rows);

private:
    void tick(std::size_t index, bool ticked);
    void toggle(int index);
    void toggleSelection();
    bool toggleAt(POINT point);
    bool takeTicks(int index, LVITEMW& change);
    void announceVisibleRows();
    LRESULT answer(const WindowSubclass::Message& message);

    HWND list_;
    TickedRows& rows_;
    WindowSubclass subclass_;
};

}  // namespace orv::win32
