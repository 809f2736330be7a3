#include "win32/header_painter.h"

#include <iterator>

#include "win32/handles.h"

namespace orv::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 3;
constexpr int kTextIndent = 6;

}  // namespace

// The header tells its parent, the list, how it paints; the list is subclassed to answer.
HeaderPainter::HeaderPainter(HWND list) : list_(list) {
    SetWindowSubclass(list_, &HeaderPainter::Subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

HeaderPainter::~HeaderPainter() {
    if (IsWindow(list_)) RemoveWindowSubclass(list_, &HeaderPainter::Subclass, kSubclassId);
}

// Each column: a flat face, a divider line and the header text; then the header's empty end, right of
// the last column, in the same face.
LRESULT HeaderPainter::paint(NMCUSTOMDRAW& draw) const {
    if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    if (draw.dwDrawStage == CDDS_POSTPAINT) {
        const int columns = Header_GetItemCount(draw.hdr.hwndFrom);
        RECT last{};
        RECT rest = draw.rc;
        GetClientRect(draw.hdr.hwndFrom, &rest);
        if (columns > 0 && Header_GetItemRect(draw.hdr.hwndFrom, columns - 1, &last)) rest.left = last.right;
        UniqueHbrush face(CreateSolidBrush(colours_->face));
        FillRect(draw.hdc, &rest, face.get());
        return CDRF_DODEFAULT;
    }
    if (draw.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    UniqueHbrush face(CreateSolidBrush(colours_->face));
    FillRect(draw.hdc, &draw.rc, face.get());
    RECT divider{draw.rc.right - 1, draw.rc.top, draw.rc.right, draw.rc.bottom};
    FillRect(draw.hdc, &divider, GetSysColorBrush(COLOR_BTNSHADOW));
    wchar_t text[128] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = static_cast<int>(std::size(text));
    Header_GetItem(draw.hdr.hwndFrom, static_cast<int>(draw.dwItemSpec), &item);
    RECT textArea = draw.rc;
    textArea.left += kTextIndent;
    SetBkMode(draw.hdc, TRANSPARENT);
    SetTextColor(draw.hdc, colours_->text);
    DrawTextW(draw.hdc, text, -1, &textArea, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    return CDRF_SKIPDEFAULT;
}

LRESULT CALLBACK HeaderPainter::Subclass(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR data) noexcept {
    const auto* self = reinterpret_cast<const HeaderPainter*>(data);
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (self->colours_ && header->code == NM_CUSTOMDRAW && header->hwndFrom == ListView_GetHeader(list)) {
            return self->paint(*reinterpret_cast<NMCUSTOMDRAW*>(lParam));
        }
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(list, &HeaderPainter::Subclass, kSubclassId);
    return DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace orv::win32
