#include "win32/column_divider.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

namespace orv::win32 {
namespace {

// How far from the divider a grab still takes it, at 96 DPI: as far as the header's own reach.
constexpr int kGrabReach = 5;

HWND HeaderOf(HWND list) {
    return ListView_GetHeader(list);
}

// A header notification about one of the hidden columns, which keep their width of 0.
bool AboutHiddenColumn(const NMHEADERW& notice) {
    return notice.iItem > 0;
}

}  // namespace

FirstColumnDivider::FirstColumnDivider(HWND list)
    : list_(list),
      header_(HeaderOf(list), [this](const WindowSubclass::Message& message) { return answerHeader(message); }),
      listNotices_(list, [this](const WindowSubclass::Message& message) { return answerList(message); }) {}

bool FirstColumnDivider::onDivider(POINT at) const {
    const HWND header = HeaderOf(list_);
    RECT first{};
    if (!Header_GetItemRect(header, 0, &first) || at.y < first.top || at.y >= first.bottom) return false;
    const int reach = MulDiv(kGrabReach, static_cast<int>(GetDpiForWindow(header)), 96);
    return std::abs(at.x - first.right) <= reach;
}

int FirstColumnDivider::firstColumnWidth() const {
    return ListView_GetColumnWidth(list_, 0);
}

void FirstColumnDivider::dragTo(LONG x) const {
    ListView_SetColumnWidth(list_, 0, std::max<LONG>(0, dragStartWidth_ + x - dragStartX_));
}

// As Windows' lists fit a column to its longest text on a double-click of its divider.
void FirstColumnDivider::fitFirstColumn() const {
    ListView_SetColumnWidth(list_, 0, LVSCW_AUTOSIZE);
}

LRESULT FirstColumnDivider::answerHeader(const WindowSubclass::Message& message) {
    const POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    switch (message.message) {
    case WM_SETCURSOR: {
        POINT pointer{};
        GetCursorPos(&pointer);
        ScreenToClient(message.window, &pointer);
        if (!dragging_ && !onDivider(pointer)) break;
        SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
        return TRUE;
    }
    case WM_LBUTTONDOWN:
        if (!onDivider(at)) break;
        dragging_ = true;
        dragStartX_ = at.x;
        dragStartWidth_ = firstColumnWidth();
        SetCapture(message.window);
        return 0;
    case WM_MOUSEMOVE:
        if (!dragging_) break;
        dragTo(at.x);
        return 0;
    case WM_LBUTTONUP:  // where the button is let go counts, whether or not a move came there first
        if (!dragging_) break;
        dragTo(at.x);
        dragging_ = false;
        ReleaseCapture();
        return 0;
    case WM_CAPTURECHANGED:
        dragging_ = false;
        break;
    case WM_LBUTTONDBLCLK:
        if (!onDivider(at)) break;
        fitFirstColumn();
        return 0;
    default:
        break;
    }
    return message.passOn();
}

// The header asks the list before it lets a column be tracked or changed: a hidden column is never
// tracked, never fitted and never given a width, whatever asks for it (the list's own Ctrl and +).
LRESULT FirstColumnDivider::answerList(const WindowSubclass::Message& message) const {
    if (message.message != WM_NOTIFY) return message.passOn();
    const auto& notice = *reinterpret_cast<const NMHEADERW*>(message.lParam);
    if (notice.hdr.hwndFrom != HeaderOf(list_)) return message.passOn();
    switch (notice.hdr.code) {
    case HDN_BEGINTRACKW:
    case HDN_BEGINTRACKA:
        if (AboutHiddenColumn(notice)) return TRUE;
        break;
    case HDN_DIVIDERDBLCLICKW:
    case HDN_DIVIDERDBLCLICKA:
        if (!AboutHiddenColumn(notice)) break;
        fitFirstColumn();  // the hidden column's divider is the first column's
        return 0;
    case HDN_ITEMCHANGINGW:
    case HDN_ITEMCHANGINGA:
        if (AboutHiddenColumn(notice) && notice.pitem != nullptr && (notice.pitem->mask & HDI_WIDTH) != 0 &&
            notice.pitem->cxy != 0) {
            return TRUE;
        }
        break;
    default:
        break;
    }
    return message.passOn();
}

}  // namespace orv::win32
