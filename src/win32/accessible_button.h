// What assistive technology sees of our push button: a push button (not a generic client area) with
// its caption as name, its focus, pressed and hot states, and "Press" as default action.
#pragma once

#include <windows.h>
#include <oleacc.h>

namespace orv::win32 {

// IID_IAccessible. MinGW-w64's static library carries a wrong value, with which no client finds us.
inline constexpr GUID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// The answer to WM_GETOBJECT for OBJID_CLIENT of a button window that answers BM_GETSTATE and BM_CLICK;
// 0 for any other object, which the caller leaves to DefWindowProc.
LRESULT AnswerButtonAccessibility(HWND button, WPARAM wParam, LPARAM lParam);

}  // namespace orv::win32
