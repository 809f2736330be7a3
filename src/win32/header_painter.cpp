#include "win32/header_painter.h"

#include <iterator>

#include "win32/colour_ref.h"
#include "win32/handles.h"

namespace orv::win32 {
namespace {

constexpr int kTextIndent = 6;

}  // namespace

// The header tells its parent, the list, how it paints; the list is subclassed to answer.
HeaderPainter::HeaderPainter(HWND list)
    : subclass_(list, [this](const WindowSubclass::Message& message) { return answer(message); }) {}

// Each column: a flat face, a divider line and the header text; then the header's empty end, right of
// the last column, in the same face.
LRESULT HeaderPainter::paint(NMCUSTOMDRAW& draw, const HeaderColours& colours) {
    if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    if (draw.dwDrawStage == CDDS_POSTPAINT) {
        const int columns = Header_GetItemCount(draw.hdr.hwndFrom);
        RECT last{};
        RECT rest = draw.rc;
        GetClientRect(draw.hdr.hwndFrom, &rest);
        if (columns > 0 && Header_GetItemRect(draw.hdr.hwndFrom, columns - 1, &last)) rest.left = last.right;
        UniqueHbrush face(CreateSolidBrush(ToColorRef(colours.face)));
        FillRect(draw.hdc, &rest, face.get());
        return CDRF_DODEFAULT;
    }
    if (draw.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    UniqueHbrush face(CreateSolidBrush(ToColorRef(colours.face)));
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
    SetTextColor(draw.hdc, ToColorRef(colours.text));
    DrawTextW(draw.hdc, text, -1, &textArea, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    return CDRF_SKIPDEFAULT;
}

LRESULT HeaderPainter::answer(const WindowSubclass::Message& message) const {
    if (message.message == WM_NOTIFY && colours_) {
        auto* header = reinterpret_cast<NMHDR*>(message.lParam);
        if (header->code == NM_CUSTOMDRAW && header->hwndFrom == ListView_GetHeader(message.window)) {
            return paint(*reinterpret_cast<NMCUSTOMDRAW*>(message.lParam), *colours_);
        }
    }
    return message.passOn();
}

}  // namespace orv::win32
