// Another program changing the uninstall entries while Orvendale reads them: for the given number of
// seconds it adds and removes entries named "churn-N" under the current user's uninstall key, where the
// tests put their own.
//   registry_churn.exe SECONDS
#include <windows.h>

#include <string>

#include "registry_seed.h"

int wmain(int argc, wchar_t** argv) {
    const DWORD seconds = argc > 1 ? static_cast<DWORD>(_wtoi(argv[1])) : 5;
    const std::wstring root = std::wstring(orv::e2e::kUninstallPath) + L"\\churn-";
    const ULONGLONG end = GetTickCount64() + seconds * 1000ULL;
    for (unsigned round = 0; GetTickCount64() < end; ++round) {
        const std::wstring added = root + std::to_wstring(round % 50);
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, added.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) ==
            ERROR_SUCCESS) {
            const wchar_t name[] = L"Churning Entry";
            RegSetValueExW(key, L"DisplayName", 0, REG_SZ, reinterpret_cast<const BYTE*>(name), sizeof(name));
            RegSetValueExW(key, L"UninstallString", 0, REG_SZ, reinterpret_cast<const BYTE*>(name), sizeof(name));
            RegCloseKey(key);
        }
        const std::wstring removed = root + std::to_wstring((round + 25) % 50);
        RegDeleteKeyW(HKEY_CURRENT_USER, removed.c_str());
    }
    for (unsigned i = 0; i < 50; ++i) {
        RegDeleteKeyW(HKEY_CURRENT_USER, (root + std::to_wstring(i)).c_str());
    }
    return 0;
}
