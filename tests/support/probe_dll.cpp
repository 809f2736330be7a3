// A stand-in for the DLL that an uninstall command hands to rundll32: its entry logs "dll" and the
// folder it was loaded from (probe_log.h), so a test can tell which of several copies Windows found.
//   rundll32.exe orvendale-none.dll,Entry
// A copy under the name of a system DLL (userenv.dll, say), planted where a program might load it by
// mistake, logs that name and its folder as soon as it is loaded.
#include <windows.h>

#include <string>

#include "probe_log.h"

namespace {

std::wstring PathOf(HMODULE module) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(module, path, MAX_PATH);
    return path;
}

std::wstring FolderOf(const std::wstring& file) { return file.substr(0, file.find_last_of(L'\\')); }

}  // namespace

extern "C" __declspec(dllexport) void CALLBACK Entry(HWND, HINSTANCE, LPSTR, int) {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&Entry), &self);
    orv::probe::Append(orv::probe::DefaultLog(), L"dll", FolderOf(PathOf(self)));
}

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    const std::wstring file = PathOf(self);
    std::wstring name = file.substr(file.find_last_of(L'\\') + 1);
    name = name.substr(0, name.find_last_of(L'.'));
    if (name != L"orvendale_probe" && name != L"orvendale-none") orv::probe::Append(orv::probe::DefaultLog(), name, FolderOf(file));
    return TRUE;
}
