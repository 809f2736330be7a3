// A DLL that Windows does not always take from its own folder (it is no KnownDLL): loaded when first
// needed, from the system folder only, never imported. The program runs from download folders, and
// the loader would look for an imported DLL beside it first. The DLLs it may import are listed in
// src/win32/imports.txt.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace orv::win32 {

class SystemLibrary {
public:
    // Loads `name` from the system folder; a library that is not there leaves this empty.
    explicit SystemLibrary(const wchar_t* name)
        : module_(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {}

    // The exported function, or null when the library or the function is not there.
    template <class Function>
    [[nodiscard]] Function* find(const char* name) const {
        if (!module_) return nullptr;
        // Through void*: GCC refuses a direct cast between incompatible function types.
        return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module_.get(), name)));
    }

private:
    struct Free {
        void operator()(HMODULE module) const noexcept { FreeLibrary(module); }
    };
    std::unique_ptr<std::remove_pointer_t<HMODULE>, Free> module_;
};

}  // namespace orv::win32
