// Move-only owners for Win32 handles: each closes its handle with the matching call when it goes.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <memory>
#include <type_traits>

namespace orv::win32 {

template <class Handle, auto Close>
struct HandleCloser {
    using pointer = Handle;
    void operator()(Handle handle) const noexcept {
        if (handle != nullptr) Close(handle);
    }
};

template <class Handle, auto Close>
using UniqueHandleOf = std::unique_ptr<std::remove_pointer_t<Handle>, HandleCloser<Handle, Close>>;

using UniqueHkey = UniqueHandleOf<HKEY, &RegCloseKey>;
using UniqueHfont = UniqueHandleOf<HFONT, &DeleteObject>;
using UniqueHbrush = UniqueHandleOf<HBRUSH, &DeleteObject>;
using UniqueHicon = UniqueHandleOf<HICON, &DestroyIcon>;
using UniqueHcursor = UniqueHandleOf<HCURSOR, &DestroyCursor>;
using UniqueHandle = UniqueHandleOf<HANDLE, &CloseHandle>;
using UniqueHbitmap = UniqueHandleOf<HBITMAP, &DeleteObject>;
using UniqueMemoryDc = UniqueHandleOf<HDC, &DeleteDC>;
using UniqueLocalText = UniqueHandleOf<wchar_t*, &LocalFree>;  // a text the system allocated for us

// An object selected into a device context for as long as this lives; then the one it replaced.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), replaced_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, replaced_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ replaced_;
};

// A COM interface pointer whose one reference goes with it.
struct ComRelease {
    void operator()(IUnknown* object) const noexcept {
        if (object != nullptr) object->Release();
    }
};
template <class Interface>
using ComPointer = std::unique_ptr<Interface, ComRelease>;

// COM on this thread, in a single-threaded apartment, for as long as it lives.
class ComApartment {
public:
    ComApartment() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialized_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialized_;
};

}  // namespace orv::win32
