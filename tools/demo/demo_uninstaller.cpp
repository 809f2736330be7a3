// The uninstaller of every invented program on the demo machine. Like a real one it asks first, then
// removes its program's folder and its uninstall entry:  uninstall.exe /entry=KEY [/silent]
#include <windows.h>

#include <string>

namespace {

constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

std::wstring OptionValue(const std::wstring& commandLine, const std::wstring& option) {
    const auto at = commandLine.find(option);
    if (at == std::wstring::npos) return {};
    std::wstring value = commandLine.substr(at + option.size());
    while (!value.empty() && (value.back() == L' ' || value.back() == L'"')) value.pop_back();
    return value;
}

std::wstring DisplayNameOf(const std::wstring& entry) {
    const std::wstring path = kUninstallKey + entry;
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        for (REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
            wchar_t name[512] = {};
            DWORD bytes = sizeof(name) - sizeof(wchar_t);
            if (RegGetValueW(root, path.c_str(), L"DisplayName", RRF_RT_REG_SZ | (view == KEY_WOW64_64KEY ? RRF_SUBKEY_WOW6464KEY : RRF_SUBKEY_WOW6432KEY),
                             nullptr, name, &bytes) == ERROR_SUCCESS) {
                return name;
            }
        }
    }
    return entry;
}

void RemoveEntry(const std::wstring& entry) {
    const std::wstring path = kUninstallKey + entry;
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), KEY_WOW64_64KEY, 0);
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), KEY_WOW64_32KEY, 0);
    RegDeleteKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, 0);
}

void RemoveFolderOf(const std::wstring& self) {
    const std::wstring folder = self.substr(0, self.find_last_of(L'\\'));
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring file = folder + L"\\" + found.cFileName;
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && file != self) DeleteFileW(file.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    // A running program cannot delete itself: ask Windows to remove it and the folder at the next start.
    MoveFileExW(self.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    DeleteFileW(self.c_str());
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    const std::wstring arguments = commandLine;
    const std::wstring entry = OptionValue(arguments.substr(0, arguments.find(L" /silent")), L"/entry=");
    if (entry.empty()) return 2;
    const std::wstring name = DisplayNameOf(entry);
    if (arguments.find(L"/silent") == std::wstring::npos) {
        const std::wstring question = L"Do you want to remove " + name + L" and all of its components?";
        if (MessageBoxW(nullptr, question.c_str(), (name + L" Uninstall").c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES) {
            return 1;
        }
    }
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    RemoveEntry(entry);
    RemoveFolderOf(self);
    if (arguments.find(L"/silent") == std::wstring::npos) {
        MessageBoxW(nullptr, (name + L" was successfully removed from your computer.").c_str(), (name + L" Uninstall").c_str(),
                    MB_OK | MB_ICONINFORMATION);
    }
    return 0;
}
