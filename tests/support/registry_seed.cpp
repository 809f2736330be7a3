#include "registry_seed.h"

#include <stdexcept>

#include "inventory/refresh_list.h"
#include "win32/registry_adapter.h"

namespace orv::e2e {
namespace {

using win32::RootOf;
using win32::ViewOf;

HKEY CreateEntry(RegistrySource source, const std::wstring& keyName) {
    const std::wstring path = std::wstring(kUninstallKey) + L"\\" + keyName;
    HKEY key = nullptr;
    if (RegCreateKeyExW(RootOf(source), path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | ViewOf(source), nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot create a test entry");
    }
    return key;
}

}  // namespace

SeededUninstallEntries::SeededUninstallEntries() { clearAll(); }
SeededUninstallEntries::~SeededUninstallEntries() { clearAll(); }

void SeededUninstallEntries::clearAll() {
    for (const auto source : kUninstallSources) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(RootOf(source), kUninstallKey, 0, KEY_ALL_ACCESS | ViewOf(source), &key) == ERROR_SUCCESS) {
            RegDeleteTreeW(key, nullptr);
            RegCloseKey(key);
        }
    }
}

void SeededUninstallEntries::removeUninstallKeys() {
    clearAll();
    for (const auto source : kUninstallSources) {
        RegDeleteKeyExW(RootOf(source), kUninstallKey, ViewOf(source), 0);
    }
}

void SeededUninstallEntries::setRaw(const std::wstring& keyName, const std::wstring& valueName, DWORD type,
                                    const void* data, DWORD bytes, RegistrySource source) {
    HKEY key = CreateEntry(source, keyName);
    RegSetValueExW(key, valueName.c_str(), 0, type, static_cast<const BYTE*>(data), bytes);
    RegCloseKey(key);
}

void SeededUninstallEntries::setString(const std::wstring& keyName, const std::wstring& valueName,
                                       const std::wstring& text, DWORD type, RegistrySource source) {
    setRaw(keyName, valueName, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)), source);
}

void SeededUninstallEntries::add(const std::wstring& keyName, const std::wstring& displayName,
                                 const std::wstring& command, RegistrySource source, DWORD commandType) {
    setString(keyName, kDisplayNameValue, displayName, REG_SZ, source);
    setString(keyName, kUninstallStringValue, command, commandType, source);
}

void SeededUninstallEntries::remove(const std::wstring& keyName, RegistrySource source) {
    const std::wstring path = std::wstring(kUninstallKey) + L"\\" + keyName;
    RegDeleteKeyExW(RootOf(source), path.c_str(), ViewOf(source), 0);
}

}  // namespace orv::e2e
