// Move-only owners for Win32 handles: each closes its handle with the matching call when it goes.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <memory>
#include <utility>

namespace orv::win32 {

// The value that no handle of a kind has: null for most kinds; INVALID_HANDLE_VALUE (or null) for
// what CreateFile and FindFirstFile answer.
struct NullIsNone {
    template <class Handle>
    static bool none(Handle handle) noexcept { return handle == nullptr; }
};
struct InvalidHandleValueIsNone {
    static bool none(HANDLE handle) noexcept { return handle == nullptr || handle == INVALID_HANDLE_VALUE; }
};

// Owns a handle of one kind and closes it with `Close` when it goes, as the Windows Implementation
// Libraries' unique_any does: a handle that is none is held as null, so `if (!owned)` asks after it
// whatever the kind.
template <class Handle, auto Close, class None = NullIsNone>
class UniqueHandleOf {
public:
    UniqueHandleOf() noexcept = default;
    explicit UniqueHandleOf(Handle handle) noexcept : handle_(None::none(handle) ? nullptr : handle) {}
    ~UniqueHandleOf() { reset(); }
    UniqueHandleOf(UniqueHandleOf&& other) noexcept : handle_(other.release()) {}
    UniqueHandleOf& operator=(UniqueHandleOf&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandleOf(const UniqueHandleOf&) = delete;
    UniqueHandleOf& operator=(const UniqueHandleOf&) = delete;

    [[nodiscard]] Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }
    void reset(Handle handle = nullptr) noexcept {
        if (handle_ != nullptr) Close(handle_);
        handle_ = None::none(handle) ? nullptr : handle;
    }
    Handle release() noexcept { return std::exchange(handle_, nullptr); }

private:
    Handle handle_ = nullptr;
};

using UniqueHkey = UniqueHandleOf<HKEY, &RegCloseKey>;
using UniqueHfont = UniqueHandleOf<HFONT, &DeleteObject>;
using UniqueHbrush = UniqueHandleOf<HBRUSH, &DeleteObject>;
using UniqueHicon = UniqueHandleOf<HICON, &DestroyIcon>;
using UniqueHcursor = UniqueHandleOf<HCURSOR, &DestroyCursor>;
using UniqueHandle = UniqueHandleOf<HANDLE, &CloseHandle>;
using UniqueFile = UniqueHandleOf<HANDLE, &CloseHandle, InvalidHandleValueIsNone>;  // from CreateFile
using UniqueFind = UniqueHandleOf<HANDLE, &FindClose, InvalidHandleValueIsNone>;
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
