// Windows Installer's products: many write "MsiExec.exe /I{product code}" as their uninstall command,
// which opens the product's maintenance dialog (or repairs it) instead of removing it. Windows' own
// list removes such a product by its code; so does the batch.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ports/registry.h"

namespace orv {

// "MsiExec.exe /X{code}" for a command that is exactly "MsiExec.exe /I{code}" (any letter case, with or
// without ".exe", with or without a blank before the code, nothing else but blanks around it), where
// the code is `keyName`, a product code ({8-4-4-4-12} hexadecimal digits) in any letter case. Nothing
// for any other command: that starts as written.
std::optional<std::wstring> RemovalInsteadOfMaintenance(std::wstring_view command, std::wstring_view keyName);

// Whether the entry of `source` named `keyName` says that Windows Installer manages it (its
// "WindowsInstaller" value is the number 1). False when it cannot be read.
bool ManagedByWindowsInstaller(Registry& registry, RegistrySource source, const std::wstring& keyName);

}  // namespace orv
