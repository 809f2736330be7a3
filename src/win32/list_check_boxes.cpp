#include "win32/list_check_boxes.h"

#include <windowsx.h>

#include "win32/list_state_images.h"

namespace orv::win32 {

ListCheckBoxes::ListCheckBoxes(HWND list, CheckedRows& rows)
    : list_(list), rows_(rows), subclass_(list, [this](const WindowSubclass::Message& message) { return answer(message); }) {}

// A screen reader hears of the change through the list's own accessible object, whose children are
// the rows counted from 1.
void ListCheckBoxes::check(std::size_t index, bool checked) {
    if (index >= rows_.rowCount() || rows_.isChecked(index) == checked) return;
    rows_.check(index, checked);
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, list_, OBJID_CLIENT, static_cast<LONG>(index + 1));
}

void ListCheckBoxes::toggle(int index) {
    if (index < 0) return;
    const auto row = static_cast<std::size_t>(index);
    if (row < rows_.rowCount()) check(row, !rows_.isChecked(row));
}

// Space flips the focused row's tick and gives every other selected row the same new tick, so one key
// ticks a whole selection.
void ListCheckBoxes::toggleSelection() {
    const int focused = ListView_GetNextItem(list_, -1, LVNI_FOCUSED);
    if (focused < 0 || static_cast<std::size_t>(focused) >= rows_.rowCount()) return;
    toggle(focused);
    const bool checked = rows_.isChecked(static_cast<std::size_t>(focused));
    for (int index = ListView_GetNextItem(list_, -1, LVNI_SELECTED); index >= 0;
         index = ListView_GetNextItem(list_, index, LVNI_SELECTED)) {
        check(static_cast<std::size_t>(index), checked);
    }
}

// Toggles the row whose check box is at `point`; false when there is no box there.
bool ListCheckBoxes::toggleAt(POINT point) {
    LVHITTESTINFO hit{};
    hit.pt = point;
    if (ListView_SubItemHitTest(list_, &hit) < 0 || (hit.flags & LVHT_ONITEMSTATEICON) == 0 || hit.iSubItem != 0) {
        return false;
    }
    toggle(hit.iItem);
    return true;
}

// With the state image in the callback mask, the control would leave such a change to us without
// telling (Wine sends no LVN_ITEMCHANGED for callback bits). So the tick is taken here, before the
// control sees the message: for one row, or for every row when the index is -1. False when the change
// held nothing else for the control.
bool ListCheckBoxes::takeChecks(int index, LVITEMW& change) {
    if ((change.stateMask & LVIS_STATEIMAGEMASK) == 0) return true;
    const UINT image = StateImageOf(change.state);
    if (image == kUncheckedImage || image == kCheckedImage) {
        const bool checked = image == kCheckedImage;
        if (index == -1) {
            rows_.checkAll(checked);
            announceVisibleRows();
        } else if (index >= 0) {
            check(static_cast<std::size_t>(index), checked);
        }
    }
    change.stateMask &= ~LVIS_STATEIMAGEMASK;
    return change.stateMask != 0;
}

// Every row changed: those a reader can see are announced, not the thousands below them.
void ListCheckBoxes::announceVisibleRows() {
    const int first = ListView_GetTopIndex(list_);
    const int last = first + ListView_GetCountPerPage(list_);
    for (int index = first; index <= last && static_cast<std::size_t>(index) < rows_.rowCount(); ++index) {
        NotifyWinEvent(EVENT_OBJECT_STATECHANGE, list_, OBJID_CLIENT, index + 1);
    }
}

LRESULT ListCheckBoxes::answer(const WindowSubclass::Message& message) {
    const LPARAM lParam = message.lParam;
    switch (message.message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (toggleAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
            SetFocus(list_);
            return 0;
        }
        break;
    case WM_KEYDOWN:
        // Ctrl+Space is the control's: it adds the focused row to a selection made with Ctrl+arrows.
        if (message.wParam == VK_SPACE && GetKeyState(VK_CONTROL) >= 0) {
            toggleSelection();
            return 0;
        }
        break;
    case LVM_SETITEMSTATE: {
        if (lParam == 0) break;
        LVITEMW change = *reinterpret_cast<const LVITEMW*>(lParam);
        if (!takeChecks(static_cast<int>(message.wParam), change)) return TRUE;
        return message.passOn(message.wParam, reinterpret_cast<LPARAM>(&change));
    }
    case LVM_SETITEMW:
    case LVM_SETITEMA: {
        // The two forms differ only in the text, which an owner-data list does not take.
        if (lParam == 0 || (reinterpret_cast<const LVITEMW*>(lParam)->mask & LVIF_STATE) == 0) break;
        LVITEMW change = *reinterpret_cast<const LVITEMW*>(lParam);
        if (!takeChecks(change.iItem, change)) {
            change.mask &= ~LVIF_STATE;
            if (change.mask == 0) return TRUE;
        }
        return message.passOn(message.wParam, reinterpret_cast<LPARAM>(&change));
    }
    case WM_CHAR:
        if (message.wParam == L' ') return 0;  // Space ticks; it starts no search by typed letters
        break;
    default:
        break;
    }
    return message.passOn();
}

}  // namespace orv::win32
