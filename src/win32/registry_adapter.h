// The Windows registry, read only, through the wide-character functions.
#pragma once

#include "ports/registry.h"

namespace orv::win32 {

class WindowsRegistry final : public Registry {
public:
    std::unique_ptr<RegistryKey> open(RegistrySource source, const std::wstring& path, KeyAccess access) override;
};

}  // namespace orv::win32
