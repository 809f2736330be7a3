// Writes uninstall entries into the test prefix's registry. Only tests write the registry.
#pragma once

#include <windows.h>

#include <string>

#include "ports/registry.h"

namespace orv::e2e {

// Removes every uninstall entry of all three sources on construction and again on destruction.
class SeededUninstallEntries {
public:
    SeededUninstallEntries();
    ~SeededUninstallEntries();
    SeededUninstallEntries(const SeededUninstallEntries&) = delete;
    SeededUninstallEntries& operator=(const SeededUninstallEntries&) = delete;

    void add(const std::wstring& keyName, const std::wstring& displayName, const std::wstring& command,
             RegistrySource source = RegistrySource::Machine64, DWORD commandType = REG_SZ);
    // Stores raw bytes under a value name of an entry (created when missing).
    void setRaw(const std::wstring& keyName, const std::wstring& valueName, DWORD type, const void* data,
                DWORD bytes, RegistrySource source = RegistrySource::Machine64);
    void setString(const std::wstring& keyName, const std::wstring& valueName, const std::wstring& text,
                   DWORD type = REG_SZ, RegistrySource source = RegistrySource::Machine64);
    void remove(const std::wstring& keyName, RegistrySource source = RegistrySource::Machine64);
    // Deletes the uninstall key itself in every source.
    static void removeUninstallKeys();
    static void clearAll();
};

}  // namespace orv::e2e
