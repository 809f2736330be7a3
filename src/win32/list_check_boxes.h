// The check boxes of an owner-data list, which does not tick rows itself: a click on a box, Space over
// a selection, and ticks that other programs set with the list's own messages. Every tick that comes
// this way is told to assistive technology.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>

#include "win32/window_subclass.h"

namespace orv::win32 {

// The check marks behind the boxes, by the control's row index.
class CheckedRows {
public:
    virtual ~CheckedRows() = default;
    [[nodiscard]] virtual std::size_t rowCount() const = 0;
    [[nodiscard]] virtual bool isChecked(std::size_t index) const = 0;
    virtual void check(std::size_t index, bool checked) = 0;
    virtual void checkAll(bool checked) = 0;
};

class ListCheckBoxes {
public:
    ListCheckBoxes(HWND list, CheckedRows& rows);

private:
    void check(std::size_t index, bool checked);
    void toggle(int index);
    void toggleSelection();
    bool toggleAt(POINT point);
    bool takeChecks(int index, LVITEMW& change);
    void announceVisibleRows();
    LRESULT answer(const WindowSubclass::Message& message);

    HWND list_;
    CheckedRows& rows_;
    WindowSubclass subclass_;
};

}  // namespace orv::win32
