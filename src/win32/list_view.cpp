#include "win32/list_view.h"

#include <windowsx.h>

#include <algorithm>

#include "controls/type_ahead.h"
#include "ports/failure.h"

namespace orv::win32 {
namespace {

// With LVS_EX_CHECKBOXES, state image 1 is the empty box and 2 the ticked one.
constexpr UINT kUncheckedImage = 1;
constexpr UINT kCheckedImage = 2;
constexpr UINT_PTR kTickSubclassId = 2;
// LVFI_SUBSTRING, which newer lists send for a typed prefix; MinGW-w64's headers lack it.
constexpr UINT kFindSubstring = 0x0004;

[[noreturn]] void Refused(const wchar_t* operation) {
    throw Failure(std::wstring(L"The program list refused to ") + operation);
}

}  // namespace

ListViewProgramList::ListViewProgramList(HWND list, std::function<int(int)> twipsToPixels, TextCase& textCase)
    : list_(list), twipsToPixels_(std::move(twipsToPixels)), textCase_(textCase) {
    // The check marks are ours: the control asks for them when it paints. An owner-data list does not
    // tick rows itself, so clicks on a box, the Space key and outside state changes are answered here.
    ListView_SetCallbackMask(list_, LVIS_STATEIMAGEMASK);
    SetWindowSubclass(list_, &ListViewProgramList::TickSubclass, kTickSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

ListViewProgramList::~ListViewProgramList() {
    if (IsWindow(list_)) RemoveWindowSubclass(list_, &ListViewProgramList::TickSubclass, kTickSubclassId);
}

void ListViewProgramList::addColumn(const std::wstring& header) {
    const HWND headerControl = ListView_GetHeader(list_);
    const int position = headerControl != nullptr ? Header_GetItemCount(headerControl) : 0;
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM | LVCF_WIDTH;
    column.fmt = LVCFMT_LEFT;
    column.cx = twipsToPixels_(1440);
    std::wstring text = header;  // the structure takes a writable text
    column.pszText = text.data();
    column.iSubItem = position;
    if (SendMessageW(list_, LVM_INSERTCOLUMNW, position, reinterpret_cast<LPARAM>(&column)) != position) {
        Refused(L"add a column");
    }
}

void ListViewProgramList::setColumnWidth(int column, int twips) {
    if (SendMessageW(list_, LVM_SETCOLUMNWIDTH, column - 1, MAKELPARAM(twipsToPixels_(twips), 0)) == FALSE) {
        Refused(L"set a column width");
    }
}

void ListViewProgramList::clear() {
    rows_.clear();
    unsorted_ = false;
    if (!suspended_) showRowCount();
}

// Rows are kept sorted by name, ignoring case, as Windows' own list of programs is. While repainting is
// suspended rows are appended and sorted once when it resumes (equal names keep their order).
std::size_t ListViewProgramList::add(const std::wstring& text) {
    Row row{text, {}, false, sortKeyOf(text)};
    if (suspended_) {
        rows_.push_back(std::move(row));
        unsorted_ = true;
        return rows_.size();
    }
    const auto place = std::upper_bound(rows_.begin(), rows_.end(), row,
                                        [](const Row& a, const Row& b) { return a.sortKey < b.sortKey; });
    const auto index = static_cast<std::size_t>(place - rows_.begin());
    rows_.insert(place, std::move(row));
    showRowCount();
    return index + 1;
}

void ListViewProgramList::setSubItem(std::size_t row, int subItem, const std::wstring& text) {
    if (subItem < 1 || subItem > 3) throw Failure(L"Invalid property value: there is no sub-item " + std::to_wstring(subItem));
    at(row).subItems[static_cast<std::size_t>(subItem)] = text;
    if (!suspended_) repaintRow(row - 1);
}

std::wstring ListViewProgramList::subItem(std::size_t row, int subItem) {
    if (subItem < 1 || subItem > 3) throw Failure(L"Invalid property value: there is no sub-item " + std::to_wstring(subItem));
    return at(row).subItems[static_cast<std::size_t>(subItem)];
}

void ListViewProgramList::setChecked(std::size_t row, bool isChecked) {
    at(row);  // the row must be there
    tick(row - 1, isChecked);
}

void ListViewProgramList::tick(std::size_t index, bool ticked) noexcept {
    rows_[index].checked = ticked;
    if (!suspended_) repaintRow(index);
}

void ListViewProgramList::setRedraw(bool enabled) {
    if (enabled == !suspended_) return;
    suspended_ = !enabled;
    SendMessageW(list_, WM_SETREDRAW, enabled ? TRUE : FALSE, 0);
    if (enabled) {
        if (unsorted_) sortRows();
        showRowCount();
        InvalidateRect(list_, nullptr, TRUE);
    }
}

std::optional<LRESULT> ListViewProgramList::onNotify(NMHDR& header) {
    switch (header.code) {
    case LVN_GETDISPINFOW:
        describe(reinterpret_cast<NMLVDISPINFOW&>(header));
        return 0;
    case LVN_ODFINDITEMW:
        return find(reinterpret_cast<NMLVFINDITEMW&>(header));
    default:
        return std::nullopt;
    }
}

ListViewProgramList::Row& ListViewProgramList::at(std::size_t row) {
    if (row < 1 || row > rows_.size()) {
        throw Failure(L"Index out of bounds: the program list has no row " + std::to_wstring(row));
    }
    return rows_[row - 1];
}

std::string ListViewProgramList::sortKeyOf(const std::wstring& text) const {
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int length = static_cast<int>(text.size());
    const int bytes = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flags, text.c_str(), length, nullptr, 0, nullptr, nullptr, 0);
    if (bytes <= 0) return {};
    std::string key(static_cast<std::size_t>(bytes), '\0');
    LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flags, text.c_str(), length, reinterpret_cast<LPWSTR>(key.data()), bytes,
                  nullptr, nullptr, 0);
    return key;
}

void ListViewProgramList::sortRows() {
    std::stable_sort(rows_.begin(), rows_.end(), [](const Row& a, const Row& b) { return a.sortKey < b.sortKey; });
    unsorted_ = false;
}

void ListViewProgramList::showRowCount() {
    if (!ListView_SetItemCountEx(list_, static_cast<int>(rows_.size()), 0)) {
        Refused(L"show its rows");
    }
}

void ListViewProgramList::repaintRow(std::size_t index) {
    ListView_RedrawItems(list_, static_cast<int>(index), static_cast<int>(index));
}

void ListViewProgramList::describe(NMLVDISPINFOW& request) {
    LVITEMW& item = request.item;
    if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= rows_.size()) return;
    const Row& row = rows_[static_cast<std::size_t>(item.iItem)];
    if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
        const std::wstring& text = item.iSubItem == 0 ? row.text
                                   : item.iSubItem <= 3 ? row.subItems[static_cast<std::size_t>(item.iSubItem)]
                                                        : row.subItems[0];
        const auto copied = std::min(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
        std::copy_n(text.c_str(), copied, item.pszText);
        item.pszText[copied] = L'\0';
    }
    if ((item.mask & LVIF_STATE) != 0) {
        item.state = (item.state & ~LVIS_STATEIMAGEMASK) |
                     INDEXTOSTATEIMAGEMASK(row.checked ? kCheckedImage : kUncheckedImage);
        item.stateMask |= LVIS_STATEIMAGEMASK;
    }
}

// Typing in the list: the control gathers the letters typed in quick succession and asks where they
// lead; it then focuses, selects and shows the row we name.
LRESULT ListViewProgramList::find(const NMLVFINDITEMW& request) {
    const LVFINDINFOW& info = request.lvfi;
    if ((info.flags & (LVFI_STRING | LVFI_PARTIAL | kFindSubstring)) == 0 || info.psz == nullptr) return -1;
    RowSearch search;
    search.text = info.psz;
    search.start = request.iStart > 0 ? static_cast<std::size_t>(request.iStart) : 0;
    search.prefix = (info.flags & (LVFI_PARTIAL | kFindSubstring)) != 0;
    search.wrap = (info.flags & LVFI_WRAP) != 0;
    const auto found = FindRow(textCase_, rows_.size(), [this](std::size_t row) -> const std::wstring& { return rows_[row].text; },
                               search);
    return found ? static_cast<LRESULT>(*found) : -1;
}

void ListViewProgramList::toggle(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= rows_.size()) return;
    auto& row = rows_[static_cast<std::size_t>(index)];
    row.checked = !row.checked;
    repaintRow(static_cast<std::size_t>(index));
}

// Space flips the focused row's tick and gives every other selected row the same new tick, so one key
// ticks a whole selection.
void ListViewProgramList::toggleSelection() {
    const int focused = ListView_GetNextItem(list_, -1, LVNI_FOCUSED);
    if (focused < 0 || static_cast<std::size_t>(focused) >= rows_.size()) return;
    toggle(focused);
    const bool ticked = rows_[static_cast<std::size_t>(focused)].checked;
    for (int index = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
         index >= 0 && static_cast<std::size_t>(index) < rows_.size();
         index = ListView_GetNextItem(list_, index, LVNI_SELECTED)) {
        tick(static_cast<std::size_t>(index), ticked);
    }
}

// With the state image in the callback mask, the control would leave such a change to us without
// telling (Wine sends no LVN_ITEMCHANGED for callback bits). So the tick is taken here, before the
// control sees the message: for one row, or for every row when the index is -1.
bool ListViewProgramList::takeTicks(int index, LVITEMW& change) {
    if ((change.stateMask & LVIS_STATEIMAGEMASK) == 0) return true;
    const UINT image = (change.state & LVIS_STATEIMAGEMASK) >> 12;
    if (image == kUncheckedImage || image == kCheckedImage) {
        const bool ticked = image == kCheckedImage;
        if (index == -1) {
            for (auto& row : rows_) row.checked = ticked;
            InvalidateRect(list_, nullptr, FALSE);
        } else if (index >= 0 && static_cast<std::size_t>(index) < rows_.size()) {
            tick(static_cast<std::size_t>(index), ticked);
        }
    }
    change.stateMask &= ~LVIS_STATEIMAGEMASK;
    return change.stateMask != 0;
}

// Toggles the row whose check box is at `point`; false when there is no box there.
bool ListViewProgramList::toggleAt(POINT point) {
    LVHITTESTINFO hit{};
    hit.pt = point;
    if (ListView_SubItemHitTest(list_, &hit) < 0 || (hit.flags & LVHT_ONITEMSTATEICON) == 0 || hit.iSubItem != 0) {
        return false;
    }
    toggle(hit.iItem);
    return true;
}

LRESULT CALLBACK ListViewProgramList::TickSubclass(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                   DWORD_PTR data) noexcept {
    auto* self = reinterpret_cast<ListViewProgramList*>(data);
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (self->toggleAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
            SetFocus(list);
            return 0;
        }
        break;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) {
            self->toggleSelection();
            return 0;
        }
        break;
    case LVM_SETITEMSTATE: {
        if (lParam == 0) break;
        LVITEMW change = *reinterpret_cast<const LVITEMW*>(lParam);
        if (!self->takeTicks(static_cast<int>(wParam), change)) return TRUE;
        return DefSubclassProc(list, message, wParam, reinterpret_cast<LPARAM>(&change));
    }
    case LVM_SETITEMW:
    case LVM_SETITEMA: {
        // The two forms differ only in the text, which an owner-data list does not take.
        if (lParam == 0 || (reinterpret_cast<const LVITEMW*>(lParam)->mask & LVIF_STATE) == 0) break;
        LVITEMW change = *reinterpret_cast<const LVITEMW*>(lParam);
        if (!self->takeTicks(change.iItem, change)) {
            change.mask &= ~LVIF_STATE;
            if (change.mask == 0) return TRUE;
        }
        return DefSubclassProc(list, message, wParam, reinterpret_cast<LPARAM>(&change));
    }
    case WM_CHAR:
        if (wParam == L' ') return 0;  // not the start of a type-ahead search
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(list, &ListViewProgramList::TickSubclass, kTickSubclassId);
        break;
    default:
        break;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace orv::win32
