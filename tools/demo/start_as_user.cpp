// Starts a program as the user would by double-clicking it (user_rights.h) and waits for it: the demo
// machine starts orvendale.exe through this.
//   start_as_user.exe PROGRAM
#include <windows.h>

#include <string>

#include "user_rights.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!orv::e2e::CreateProcessWithUsersRights(argv[1], commandLine.data(), nullptr, &startup, &process)) return 1;
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}
