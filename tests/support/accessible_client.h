// What a screen reader reaches of a window: its accessible object, and the texts it answers.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

#include "win32/accessible_button.h"
#include "win32/handles.h"

namespace orv::e2e {

// The window's client object, as assistive technology asks for it; null when it has none.
inline win32::ComPointer<IAccessible> AccessibleOf(HWND window) {
    IAccessible* object = nullptr;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), win32::kIidAccessible,
                               reinterpret_cast<void**>(&object));
    return win32::ComPointer<IAccessible>(object);
}

// A text that an accessible object answered, freed.
inline std::wstring Take(BSTR text) {
    std::wstring result = text != nullptr ? text : L"";
    SysFreeString(text);
    return result;
}

// The object itself, not one of its children.
inline VARIANT Self() {
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

}  // namespace orv::e2e
