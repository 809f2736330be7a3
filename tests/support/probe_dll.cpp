// A stand-in for the DLL that an uninstall command hands to rundll32: its entry logs "dll" and the
// folder it was loaded from (probe_log.h), so a test can tell which of several copies Windows found.
//   rundll32.exe orvendale-none.dll,Entry
#include <windows.h>

#include <string>

#include "probe_log.h"

extern "C" __declspec(dllexport) void CALLBACK Entry(HWND, HINSTANCE, LPSTR, int) {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&Entry), &self);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(self, path, MAX_PATH);
    const std::wstring file = path;
    orv::probe::Append(orv::probe::DefaultLog(), L"dll", file.substr(0, file.find_last_of(L'\\')));
}
