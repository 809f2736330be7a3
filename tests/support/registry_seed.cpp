#include "registry_seed.h"

#include <set>
#include <stdexcept>


namespace orv::e2e {
namespace {

// Where each source's entries lie, written out here and not taken from the program, so that a program
// that read another hive or view would not find what the tests seed.
HKEY RootOf(RegistrySource source) { return source == RegistrySource::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }
REGSAM ViewOf(RegistrySource source) {
    if (source == RegistrySource::CurrentUser) return 0;
    return source == RegistrySource::Machine64 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
}

HKEY CreateEntry(RegistrySource source, const std::wstring& keyName) {
    const std::wstring path = std::wstring(kUninstallPath) + L"\\" + keyName;
    HKEY key = nullptr;
    if (RegCreateKeyExW(RootOf(source), path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | ViewOf(source), nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot create a test entry");
    }
    return key;
}

// Every key name a test of this run seeded or adopted; a row of another key is the machine's own.
std::set<std::wstring>& SeededKeyNames() {
    static std::set<std::wstring> names;
    return names;
}

// An entry with all it holds, in the source's own registry view.
void DeleteEntry(RegistrySource source, const std::wstring& keyName) {
    HKEY uninstall = nullptr;
    if (RegOpenKeyExW(RootOf(source), kUninstallPath, 0, KEY_ALL_ACCESS | ViewOf(source), &uninstall) == ERROR_SUCCESS) {
        RegDeleteTreeW(uninstall, keyName.c_str());
        RegCloseKey(uninstall);
    }
}

void ClearEverySource() {
    for (const auto source : {RegistrySource::Machine64, RegistrySource::Machine32, RegistrySource::CurrentUser}) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(RootOf(source), kUninstallPath, 0, KEY_ALL_ACCESS | ViewOf(source), &key) == ERROR_SUCCESS) {
            RegDeleteTreeW(key, nullptr);
            RegCloseKey(key);
        }
    }
}

}  // namespace

bool RunningUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

bool LongPathsEnabled() {
    DWORD enabled = 0;
    DWORD size = sizeof(enabled);
    return RegGetValueW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\FileSystem", L"LongPathsEnabled",
                        RRF_RT_REG_DWORD, nullptr, &enabled, &size) == ERROR_SUCCESS &&
           enabled == 1;
}

SeededUninstallEntries::SeededUninstallEntries() {
    if (RunningUnderWine()) ClearEverySource();
}

SeededUninstallEntries::~SeededUninstallEntries() {
    for (const auto& [source, keyName] : made_) DeleteEntry(source, keyName);
}

void SeededUninstallEntries::remember(const std::wstring& keyName, RegistrySource source) {
    made_.emplace_back(source, keyName);
    SeededKeyNames().insert(keyName);
}

bool SeededUninstallEntries::IsSeeded(const std::wstring& keyName) {
    return SeededKeyNames().count(keyName) != 0;
}

bool SeededUninstallEntries::Exists(const std::wstring& keyName, RegistrySource source) {
    HKEY handle = nullptr;
    const std::wstring path = std::wstring(kUninstallPath) + L"\\" + keyName;
    if (RegOpenKeyExW(RootOf(source), path.c_str(), 0, KEY_READ | ViewOf(source), &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

void SeededUninstallEntries::removeUninstallKeys() {
    if (!RunningUnderWine()) throw std::logic_error("only a Wine prefix of the tests' own may lose its uninstall keys");
    ClearEverySource();
    for (const auto source : {RegistrySource::Machine64, RegistrySource::Machine32, RegistrySource::CurrentUser}) {
        RegDeleteKeyExW(RootOf(source), kUninstallPath, ViewOf(source), 0);
    }
}

void SeededUninstallEntries::write(const std::wstring& keyName, const std::wstring& valueName, DWORD type,
                                   const void* data, DWORD bytes, RegistrySource source) {
    HKEY key = CreateEntry(source, keyName);
    RegSetValueExW(key, valueName.c_str(), 0, type, static_cast<const BYTE*>(data), bytes);
    RegCloseKey(key);
}

void SeededUninstallEntries::setRaw(const std::wstring& keyName, const std::wstring& valueName, DWORD type,
                                    const void* data, DWORD bytes, RegistrySource source) {
    remember(keyName, source);
    write(keyName, valueName, type, data, bytes, source);
}

void SeededUninstallEntries::addOthersAround() {
    int key = 0;
    for (const std::wstring name : {L"0 Other Program", L"Alpha Other", L"Charlie Other", L"Chess Other", L"Delta Other",
                                    L"Orvendale Other", L"Photo Other", L"Zulu Other"}) {
        const std::wstring keyName = L"orvendale-other-" + std::to_wstring(key++);
        const std::wstring command = L"C:\\other\\un.exe";
        made_.emplace_back(RegistrySource::CurrentUser, keyName);
        write(keyName, L"DisplayName", REG_SZ, name.c_str(), static_cast<DWORD>((name.size() + 1) * sizeof(wchar_t)),
              RegistrySource::CurrentUser);
        write(keyName, L"UninstallString", REG_SZ, command.c_str(),
              static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)), RegistrySource::CurrentUser);
    }
}

void SeededUninstallEntries::setString(const std::wstring& keyName, const std::wstring& valueName,
                                       const std::wstring& text, DWORD type, RegistrySource source) {
    setRaw(keyName, valueName, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)), source);
}

void SeededUninstallEntries::add(const std::wstring& keyName, const std::wstring& displayName,
                                 const std::wstring& command, RegistrySource source, DWORD commandType) {
    setString(keyName, L"DisplayName", displayName, REG_SZ, source);
    setString(keyName, L"UninstallString", command, commandType, source);
}

void SeededUninstallEntries::adopt(const std::wstring& keyName, RegistrySource source) {
    remember(keyName, source);
}

void SeededUninstallEntries::remove(const std::wstring& keyName, RegistrySource source) {
    DeleteEntry(source, keyName);
}

}  // namespace orv::e2e
