#include "win32/list_view.h"

#include <uxtheme.h>  // SetWindowTheme's type; the DLL itself is loaded from the system folder

#include <algorithm>
#include <utility>

#include "controls/type_ahead.h"
#include "ports/failure.h"
#include "win32/colour_ref.h"
#include "win32/list_state_images.h"
#include "win32/system_library.h"

namespace orv::win32 {
namespace {

// LVFI_SUBSTRING, which newer lists send for a typed prefix; MinGW-w64's headers lack it.
constexpr UINT kFindSubstring = 0x0004;
constexpr int kNewColumnTwips = 1440;

[[noreturn]] void Refused(const wchar_t* operation) {
    throw Failure(std::wstring(L"The program list refused to ") + operation);
}

// Dark scroll bars for a list of light text on a dark background, where Windows draws them (Windows 10
// 1809 and later know the theme; others keep their own); uxtheme.dll only once a list asks.
void UseDarkScrollBars(HWND list, bool dark) {
    static const SystemLibrary uxtheme(L"uxtheme.dll");
    auto* const setTheme = uxtheme.find<decltype(SetWindowTheme)>("SetWindowTheme");
    if (setTheme != nullptr) setTheme(list, dark ? L"DarkMode_Explorer" : nullptr, nullptr);
}

}  // namespace

ListViewProgramList::ListViewProgramList(HWND list, std::function<int(int)> twipsToPixels, TextCase& textCase,
                                         Collation& collation)
    : list_(list), twipsToPixels_(std::move(twipsToPixels)), textCase_(textCase), rebuild_(collation) {
    // The check marks are ours: the control asks for them when it paints.
    ListView_SetCallbackMask(list_, LVIS_STATEIMAGEMASK);
}

void ListViewProgramList::addColumn(const std::wstring& header) {
    const HWND headerControl = ListView_GetHeader(list_);
    const int position = headerControl != nullptr ? Header_GetItemCount(headerControl) : 0;
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM | LVCF_WIDTH;
    column.fmt = LVCFMT_LEFT;
    column.cx = twipsToPixels_(kNewColumnTwips);
    std::wstring text = header;  // the structure takes a writable text
    column.pszText = text.data();
    column.iSubItem = position;
    if (SendMessageW(list_, LVM_INSERTCOLUMNW, position, reinterpret_cast<LPARAM>(&column)) != position) {
        Refused(L"add a column");
    }
}

void ListViewProgramList::setColumnWidth(int column, int twips) {
    if (SendMessageW(list_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(IndexOf(static_cast<std::size_t>(column))), MAKELPARAM(twipsToPixels_(twips), 0)) == FALSE) {
        Refused(L"set a column width");
    }
}

void ListViewProgramList::clear() {
    // While repainting is suspended the control still paints when it must (behind a report box, say),
    // and then shows the rows it was last told of, until it is told of the new ones.
    rebuild_.clear(suspended_);
    if (!suspended_) showRowCount();
}

std::size_t ListViewProgramList::add(std::wstring_view text, RegistrySource source) {
    const std::size_t row = rows().add(text, source);
    if (!suspended_) showRowCount();
    return row;
}

void ListViewProgramList::setSubItem(std::size_t row, int subItem, std::wstring_view text) {
    rows().setSubItem(row, subItem, text);
    if (!suspended_) repaintRow(row);
}

void ListViewProgramList::setChecked(std::size_t row, bool checked) {
    rows().setChecked(row, checked);
    if (!suspended_) repaintRow(row);
}

void ListViewProgramList::checkAll(bool checked) {
    rows().setAllChecked(checked);
    InvalidateRect(list_, nullptr, FALSE);
}

// While repainting is suspended rows are appended, and sorted once when it resumes; the control hears of
// nothing until then. Its own switch (WM_SETREDRAW) is not needed for that, and switching it back on
// redraws its scroll bars and every row even when a refresh found the same rows.
void ListViewProgramList::setRedraw(bool enabled) {
    if (enabled == !suspended_) return;
    suspended_ = !enabled;
    rows().deferSorting(suspended_);
    if (enabled) showChanges();
}

// A new count repaints the whole list. With the same count only the rows in view can show a change, so
// the list repaints when one of them reads or is ticked otherwise than the control last showed it.
void ListViewProgramList::showChanges() {
    const bool rebuilt = rebuild_.showNew();
    if (static_cast<std::size_t>(ListView_GetItemCount(list_)) != rows().count()) {
        showRowCount();
        return;
    }
    const auto top = RowAt(static_cast<std::size_t>(std::max(ListView_GetTopIndex(list_), 0)));
    // One row more than fit whole: the one partly in view at the bottom.
    const auto bottom = top + static_cast<std::size_t>(std::max(ListView_GetCountPerPage(list_), 0));
    if (!rebuilt || !rebuild_.sameAsOld(top, bottom)) InvalidateRect(list_, nullptr, TRUE);
}

void ListViewProgramList::setColours(const ListColours& colours, std::optional<HeaderColours> header) {
    ListView_SetBkColor(list_, ToColorRef(colours.back));
    ListView_SetTextBkColor(list_, ToColorRef(colours.back));
    ListView_SetTextColor(list_, ToColorRef(colours.text));
    headerPainter_.setColours(header);
    colours_ = colours;
    if (colours.dark != darkTheme_) {
        darkTheme_ = colours.dark;
        UseDarkScrollBars(list_, darkTheme_);
    }
}

std::optional<LRESULT> ListViewProgramList::onNotify(NMHDR& header) {
    switch (header.code) {
    case LVN_GETDISPINFOW:
        answerDisplayInfo(reinterpret_cast<NMLVDISPINFOW&>(header));
        return 0;
    case LVN_ODFINDITEMW:
        return find(reinterpret_cast<NMLVFINDITEMW&>(header));
    case NM_CUSTOMDRAW:
        return paintRow(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
    default:
        return std::nullopt;
    }
}

void ListViewProgramList::showRowCount() {
    if (!ListView_SetItemCountEx(list_, static_cast<int>(rows().count()), 0)) {
        Refused(L"show its rows");
    }
}

void ListViewProgramList::repaintRow(std::size_t row) {
    const auto index = static_cast<int>(IndexOf(row));
    ListView_RedrawItems(list_, index, index);
}

void ListViewProgramList::answerDisplayInfo(NMLVDISPINFOW& request) const {
    const ProgramRows& rows = rebuild_.shown();
    LVITEMW& item = request.item;
    if (item.iItem < 0 || !rows.has(RowAt(static_cast<std::size_t>(item.iItem)))) return;
    const auto row = RowAt(static_cast<std::size_t>(item.iItem));
    if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
        const std::wstring_view text = item.iSubItem == kNameColumn ? rows.text(row)
                                       : item.iSubItem > kNameColumn && item.iSubItem < kColumnCount
                                           ? rows.subItem(row, item.iSubItem)
                                           : std::wstring_view();
        const auto copied = std::min(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
        std::copy_n(text.data(), copied, item.pszText);
        item.pszText[copied] = L'\0';
    }
    if ((item.mask & LVIF_STATE) != 0) {
        item.state = (item.state & ~LVIS_STATEIMAGEMASK) | CheckBoxState(rows.checked(row));
        item.stateMask |= LVIS_STATEIMAGEMASK;
    }
}

// Without the focus the list draws its selection in the system's button face, a bright bar on a dark
// skin: a skin's list draws it in its own colours instead.
LRESULT ListViewProgramList::paintRow(NMLVCUSTOMDRAW& draw) const {
    if (!colours_.unfocusedSelection) return CDRF_DODEFAULT;
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT || GetFocus() == list_) return CDRF_DODEFAULT;
    const auto index = static_cast<int>(draw.nmcd.dwItemSpec);
    if (ListView_GetItemState(list_, index, LVIS_SELECTED) == 0) return CDRF_DODEFAULT;
    draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED);
    draw.clrText = ToColorRef(colours_.text);
    draw.clrTextBk = ToColorRef(*colours_.unfocusedSelection);
    return CDRF_NEWFONT;
}

std::wstring ListViewProgramList::rowAsText(std::size_t index) const {
    const std::size_t row = RowAt(index);
    return std::wstring(rows().text(row)) + L"\t" + std::wstring(rows().subItem(row, kUninstallCommandItem));
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
    const auto found = FindRow(textCase_, rows().count(),
                               [this](std::size_t index) { return rows().text(RowAt(index)); }, search);
    return found ? static_cast<LRESULT>(*found) : -1;
}

}  // namespace orv::win32
