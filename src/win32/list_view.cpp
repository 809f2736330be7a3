#include "win32/list_view.h"

#include <commctrl.h>

#include "ports/failure.h"

namespace orv::win32 {
namespace {

// With LVS_EX_CHECKBOXES, state image 1 is the empty box and 2 the ticked one.
constexpr UINT kUncheckedImage = 1;
constexpr UINT kCheckedImage = 2;

[[noreturn]] void Refused(const wchar_t* operation) {
    throw Failure(std::wstring(L"The program list refused to ") + operation);
}

}  // namespace

void ListViewProgramList::addColumn(const std::wstring& header) {
    const HWND headerControl = ListView_GetHeader(list_);
    const int position = headerControl != nullptr ? Header_GetItemCount(headerControl) : 0;
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM | LVCF_WIDTH;
    column.fmt = LVCFMT_LEFT;
    column.cx = twipsToPixels_(1440);
    column.pszText = const_cast<wchar_t*>(header.c_str());
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
    if (SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0) == FALSE) {
        Refused(L"remove its rows");
    }
}

std::size_t ListViewProgramList::add(const std::wstring& text) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<wchar_t*>(text.c_str());
    // The list sorts: the row lands where its name belongs, and the answer says where.
    const auto index = SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    if (index < 0) {
        Refused(L"add a row");
    }
    return static_cast<std::size_t>(index) + 1;
}

void ListViewProgramList::setSubItem(std::size_t row, int subItem, const std::wstring& text) {
    LVITEMW item{};
    item.iSubItem = subItem;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    if (SendMessageW(list_, LVM_SETITEMTEXTW, indexOf(row), reinterpret_cast<LPARAM>(&item)) == FALSE) {
        Refused(L"store a row's text");
    }
}

std::size_t ListViewProgramList::count() {
    return static_cast<std::size_t>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
}

std::wstring ListViewProgramList::text(std::size_t row) {
    return itemText(row, 0);
}

std::wstring ListViewProgramList::subItem(std::size_t row, int subItem) {
    return itemText(row, subItem);
}

bool ListViewProgramList::checked(std::size_t row) {
    const auto state = SendMessageW(list_, LVM_GETITEMSTATE, indexOf(row), LVIS_STATEIMAGEMASK);
    return ((static_cast<UINT>(state) & LVIS_STATEIMAGEMASK) >> 12) == kCheckedImage;
}

void ListViewProgramList::setChecked(std::size_t row, bool isChecked) {
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(isChecked ? kCheckedImage : kUncheckedImage);
    if (SendMessageW(list_, LVM_SETITEMSTATE, indexOf(row), reinterpret_cast<LPARAM>(&item)) == FALSE) {
        Refused(L"change a check mark");
    }
}

void ListViewProgramList::setRedraw(bool enabled) {
    SendMessageW(list_, WM_SETREDRAW, enabled ? TRUE : FALSE, 0);
    if (enabled) {
        InvalidateRect(list_, nullptr, TRUE);
    }
}

int ListViewProgramList::indexOf(std::size_t row) {
    if (row < 1 || row > count()) {
        throw Failure(L"Index out of bounds: the program list has no row " + std::to_wstring(row));
    }
    return static_cast<int>(row - 1);
}

std::wstring ListViewProgramList::itemText(std::size_t row, int subItem) {
    const int index = indexOf(row);
    // The answer is the number of characters copied; a full buffer may mean a longer text, so grow.
    std::wstring buffer(256, L'\0');
    for (;;) {
        LVITEMW item{};
        item.iSubItem = subItem;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto copied = static_cast<std::size_t>(
            SendMessageW(list_, LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item)));
        if (copied + 1 < buffer.size()) {
            buffer.resize(copied);
            return buffer;
        }
        buffer.assign(buffer.size() * 4, L'\0');
    }
}

}  // namespace orv::win32
