// The Windows registry, read only, through the wide-character functions.
#pragma once

#include <windows.h>

#include "ports/registry.h"

namespace orv::win32 {

// Where a source's entries live: its root key and its registry view.
HKEY RootOf(RegistrySource source);
REGSAM ViewOf(RegistrySource source);

class WindowsRegistry final : public Registry {
public:
    std::unique_ptr<RegistryKey> open(RegistrySource source, const std::wstring& path) override;
};

}  // namespace orv::win32
