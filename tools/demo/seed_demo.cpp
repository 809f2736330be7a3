// Fills a Wine prefix's registry with the uninstall entries of a small, believable PC: invented
// programs, written the ways real installers write them. Run once when the demo machine is made.
#include <windows.h>

#include <cstdio>
#include <cwctype>
#include <string>

#include "ports/registry.h"
#include "win32/registry_adapter.h"

namespace {

using enum orv::RegistrySource;
using orv::win32::RootOf;
using orv::win32::ViewOf;

struct DemoProgram {
    const wchar_t* key;
    const wchar_t* name;          // nullptr: the entry has no display name
    const wchar_t* command;       // nullptr: the entry has no uninstall command
    DWORD commandType;
    orv::RegistrySource where;
};

// The uninstaller of most entries is our demo uninstaller, copied into each program's folder; it asks,
// then removes its folder and its entry, as real ones do.
constexpr DemoProgram kPrograms[] = {
    {L"BrightLedger", L"BrightLedger Home Finance 4", L"\"C:\\Program Files\\BrightLedger\\unins000.exe\" /entry=BrightLedger", REG_SZ, Machine64},
    {L"Cobaltine Photo Studio", L"Cobaltine Photo Studio 2", L"C:\\Program Files\\Cobaltine Photo Studio\\uninstall.exe /entry=Cobaltine Photo Studio", REG_SZ, Machine64},
    {L"{6E1F3A20-4C8B-4D1E-9F27-3B5A7C9D0E11}", L"Quillmere Notes", L"MsiExec.exe /X{6E1F3A20-4C8B-4D1E-9F27-3B5A7C9D0E11}", REG_SZ, Machine64},
    {L"{0A9B8C7D-6E5F-4A3B-2C1D-0E9F8A7B6C5D}", L"Harbourline VPN Client", L"MsiExec.exe /I{0A9B8C7D-6E5F-4A3B-2C1D-0E9F8A7B6C5D}", REG_SZ, Machine64},
    {L"PebbleZip", L"PebbleZip Archiver", L"%ProgramFiles%\\PebbleZip\\Uninstall.exe /entry=PebbleZip", REG_EXPAND_SZ, Machine64},
    {L"Tidewater Sync", L"Tidewater Sync", L"\"%ProgramFiles%\\Tidewater Sync\\unins000.exe\" /entry=Tidewater Sync", REG_EXPAND_SZ, Machine64},
    {L"OldPrinterKit", L"Marrowby Printer Kit (legacy)", L"RunDll32.exe advpack.dll,LaunchINFSection C:\\Windows\\INF\\marrowby.inf,DefaultUninstall", REG_SZ, Machine32},
    {L"SnapFrame", L"SnapFrame Screen Capture", L"RUNDLL32.EXE C:\\Program Files\\SnapFrame\\setup.dll,Remove \"C:\\Program Files\\SnapFrame\\setup.exe\" -remove", REG_SZ, Machine64},
    {L"Glimmerfox", L"Glimmerfox Browser Helper", L"\"C:\\Program Files\\Glimmerfox\\uninstall.exe\" /entry=Glimmerfox", REG_SZ, Machine32},
    {L"Nettlewood", L"Nettlewood Game Launcher", L"\"C:\\Users\\Public\\Nettlewood\\uninstall.exe\" /entry=Nettlewood", REG_SZ, CurrentUser},
    {L"Ravenmoor Chess", L"Ravenmoor Chess 3D", L"\"C:\\Program Files\\Ravenmoor Chess\\unins000.exe\" /entry=Ravenmoor Chess", REG_SZ, Machine32},
    {L"Kelpie", L"Kelpie Music Player", L"C:\\Program Files\\Kelpie\\uninst.exe /entry=Kelpie", REG_SZ, Machine64},
    {L"Driftmark", L"Driftmark PDF Reader", L"\"C:\\Program Files\\Driftmark\\unins000.exe\" /entry=Driftmark", REG_SZ, Machine64},
    {L"Amberlight", L"Amberlight Weather Widget", L"\"C:\\Program Files\\Amberlight\\uninstall.exe\" /entry=Amberlight", REG_SZ, CurrentUser},
    {L"CafeBoard", L"Caf\u00e9 Board \u00c9diteur", L"\"C:\\Program Files\\CafeBoard\\unins000.exe\" /entry=CafeBoard", REG_SZ, Machine64},
    {L"Fotoplenka", L"\u0424\u043e\u0442\u043e\u043f\u043b\u0451\u043d\u043a\u0430 \u0420\u0435\u0434\u0430\u043a\u0442\u043e\u0440", L"\"C:\\Program Files\\Fotoplenka\\unins000.exe\" /entry=Fotoplenka", REG_SZ, Machine64},
    {L"Shanhu", L"\u73ca\u745a\u8f93\u5165\u6cd5", L"\"C:\\Program Files\\Shanhu\\uninstall.exe\" /entry=Shanhu", REG_SZ, Machine32},
    {L"Gezgin", L"Gezgin Harita \u00c7\u0131kt\u0131s\u0131", L"\"C:\\Program Files\\Gezgin\\unins000.exe\" /entry=Gezgin", REG_SZ, Machine64},
    {L"Sunnybrook", L"Sunnybrook Stickers \u2600", L"\"C:\\Program Files\\Sunnybrook\\unins000.exe\" /entry=Sunnybrook", REG_SZ, CurrentUser},
    {L"Wrenfield Office", L"Wrenfield Office Suite 2019", L"\"C:\\Program Files\\Wrenfield Office\\unins000.exe\" /entry=Wrenfield Office", REG_SZ, Machine64},
    {L"{4F6D2B1A-8E3C-4B7D-A9E1-2C5F7D3B9A80}", L"Wrenfield Office Proofing Tools", L"MsiExec.exe /X{4F6D2B1A-8E3C-4B7D-A9E1-2C5F7D3B9A80}", REG_SZ, Machine64},
    {L"Larkspur", L"Larkspur Backup Agent", L"\"C:\\Program Files\\Larkspur\\unins000.exe\" /entry=Larkspur", REG_SZ, Machine64},
    {L"Brindle", L"Brindle Disk Cleaner", L"C:\\Program Files\\Brindle\\uninstall.exe /entry=Brindle", REG_SZ, Machine32},
    {L"Oakhurst", L"Oakhurst Family Tree", L"\"C:\\Program Files\\Oakhurst\\unins000.exe\" /entry=Oakhurst", REG_SZ, Machine64},
    {L"Mistral", L"Mistral Download Manager", L"\"C:\\Program Files\\Mistral\\unins000.exe\" /entry=Mistral", REG_SZ, Machine32},
    {L"Tinderbox Toolbar", L"Tinderbox Search Toolbar", L"\"C:\\Program Files\\Tinderbox Toolbar\\uninstall.exe\" /entry=Tinderbox Toolbar", REG_SZ, Machine32},
    {L"Puddleglum", L"Puddleglum Kids Paint", L"\"C:\\Program Files\\Puddleglum\\unins000.exe\" /entry=Puddleglum", REG_SZ, Machine64},
    {L"Skerry", L"Skerry Remote Desktop", L"\"C:\\Program Files\\Skerry\\unins000.exe\" /entry=Skerry", REG_SZ, Machine64},
    {L"Quayside", L"Quayside Video Converter", L"\"C:\\Program Files\\Quayside\\unins000.exe\" /entry=Quayside", REG_SZ, Machine64},
    {L"Heronsgate", L"Heronsgate Mail", L"\"C:\\Program Files\\Heronsgate\\unins000.exe\" /entry=Heronsgate", REG_SZ, Machine64},
    {L"{9C2E4A6B-1D3F-4E5A-8B7C-6D9E0F1A2B3C}", L"Heronsgate Mail Calendar Add-in", L"MsiExec.exe /X{9C2E4A6B-1D3F-4E5A-8B7C-6D9E0F1A2B3C}", REG_SZ, Machine32},
    {L"Foxglove", L"Foxglove Password Safe", L"\"C:\\Program Files\\Foxglove\\unins000.exe\" /entry=Foxglove", REG_SZ, Machine64},
    {L"Inkwell", L"Inkwell Comic Maker", L"\"C:\\Program Files\\Inkwell\\unins000.exe\" /entry=Inkwell", REG_SZ, CurrentUser},
    {L"Juniper Trial", L"Juniper Antivirus (Trial)", L"\"C:\\Program Files\\Juniper Trial\\unins000.exe\" /entry=Juniper Trial", REG_SZ, Machine64},
    {L"Millrace", L"Millrace Driver Updater", L"\"C:\\Program Files\\Millrace\\unins000.exe\" /entry=Millrace", REG_SZ, Machine32},
    {L"Gorseway", L"Gorseway Maps Offline", L"\"C:\\Program Files\\Gorseway\\unins000.exe\" /entry=Gorseway", REG_SZ, Machine64},
    // Entries that get no row: a component without an uninstall command, and one without a name.
    {L"Wrenfield Shared Runtime", L"Wrenfield Shared Runtime", nullptr, REG_SZ, Machine64},
    {L"KB000777", nullptr, L"C:\\Windows\\kb000777\\remove.exe", REG_SZ, Machine64},
};

void SetString(HKEY key, const wchar_t* name, const wchar_t* text, DWORD type) {
    RegSetValueExW(key, name, 0, type, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
}

// The folder an entry's own uninstaller lives in, from its command, or empty for Windows commands.
std::wstring ProgramFolderOf(const std::wstring& command) {
    std::wstring lower = command;
    for (auto& c : lower) c = static_cast<wchar_t>(towlower(c));
    if (lower.find(L"rundll32") != std::wstring::npos) return {};  // Windows' own launcher
    const auto start = command.find(L"Program Files");
    const auto users = command.find(L"C:\\Users\\Public\\");
    if (start == std::wstring::npos && users == std::wstring::npos) return {};
    std::wstring expanded(32768, L'\0');
    expanded.resize(ExpandEnvironmentStringsW(command.c_str(), expanded.data(), 32768) - 1);
    std::wstring path = expanded.front() == L'"' ? expanded.substr(1, expanded.find(L'"', 1) - 1)
                                                 : expanded.substr(0, expanded.find(L".exe") + 4);
    return path;
}

// Copies the demo uninstaller to the file the command names, so that the command really starts.
void InstallUninstaller(const std::wstring& demoUninstaller, const std::wstring& target) {
    const std::wstring folder = target.substr(0, target.find_last_of(L'\\'));
    for (std::size_t at = folder.find(L'\\', 3); ; at = folder.find(L'\\', at + 1)) {
        CreateDirectoryW(folder.substr(0, at).c_str(), nullptr);
        if (at == std::wstring::npos) break;
    }
    CopyFileW(demoUninstaller.c_str(), target.c_str(), FALSE);
    const std::wstring readme = folder + L"\\readme.txt";
    HANDLE file = CreateFileW(readme.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        const char text[] = "An invented program of the Orvendale demo machine.\r\n";
        DWORD written = 0;
        WriteFile(file, text, sizeof(text) - 1, &written, nullptr);
        CloseHandle(file);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring demoUninstaller = argc > 1 ? argv[1] : L"";
    for (const auto& program : kPrograms) {
        const std::wstring path = std::wstring(L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\") + program.key;
        HKEY key = nullptr;
        if (RegCreateKeyExW(RootOf(program.where), path.c_str(), 0, nullptr, 0, KEY_SET_VALUE | ViewOf(program.where),
                            nullptr, &key, nullptr) != ERROR_SUCCESS) {
            std::fwprintf(stderr, L"cannot write %ls\n", program.key);
            return 1;
        }
        if (program.name != nullptr) SetString(key, L"DisplayName", program.name, REG_SZ);
        if (program.command != nullptr) SetString(key, L"UninstallString", program.command, program.commandType);
        SetString(key, L"Publisher", L"Orvendale demo machine", REG_SZ);
        RegCloseKey(key);
        if (program.command != nullptr && !demoUninstaller.empty()) {
            const std::wstring target = ProgramFolderOf(program.command);
            if (!target.empty()) InstallUninstaller(demoUninstaller, target);
        }
    }
    return 0;
}
