#include "win32/button_painter.h"

#include "win32/colour_ref.h"
#include "win32/handles.h"

namespace orv::win32 {
namespace {

constexpr int kFocusMarkInset = 3;

// A skin's solid frame, or the system's dotted rectangle in the caption's colour.
void DrawFocusMark(HDC dc, const RECT& area, const ButtonColours& colours, Colour face) {
    RECT mark = area;
    InflateRect(&mark, -kFocusMarkInset, -kFocusMarkInset);
    if (colours.focus) {
        UniqueHbrush focusBrush(CreateSolidBrush(ToColorRef(*colours.focus)));
        FrameRect(dc, &mark, focusBrush.get());
        return;
    }
    SetTextColor(dc, ToColorRef(colours.text));
    SetBkColor(dc, ToColorRef(face));
    DrawFocusRect(dc, &mark);
}

}  // namespace

void PaintButton(HDC dc, const RECT& area, const ButtonLook& look) {
    const ButtonColours& colours = look.colours;
    const Colour face = look.pressed ? colours.pressed : look.hot ? colours.hot : colours.face;
    UniqueHbrush faceBrush(CreateSolidBrush(ToColorRef(face)));
    FillRect(dc, &area, faceBrush.get());
    // Under the pointer and while pressed, the border in its active colour, twice as thick.
    const bool active = (look.pressed || look.hot) && colours.activeBorder != colours.border;
    UniqueHbrush borderBrush(CreateSolidBrush(ToColorRef(active ? colours.activeBorder : colours.border)));
    FrameRect(dc, &area, borderBrush.get());
    if (active) {
        RECT inner = area;
        InflateRect(&inner, -1, -1);
        FrameRect(dc, &inner, borderBrush.get());
    }

    RECT textArea = area;
    if (look.pressed) OffsetRect(&textArea, 1, 1);
    {
        const SelectedObject font(dc, look.font != nullptr ? look.font : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ToColorRef(colours.text));
        DrawTextW(dc, look.caption.c_str(), static_cast<int>(look.caption.size()), &textArea,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }

    if (look.focusMark) DrawFocusMark(dc, area, colours, face);
}

}  // namespace orv::win32
