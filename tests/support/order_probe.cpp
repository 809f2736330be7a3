// A stand-in uninstaller for the tests: appends its own start time and an id to a log, so a test can
// tell in which order the program started several of them.
//   order_probe.exe LOG ID
//   other-name.exe ...       (a copy under another name, whatever its arguments: %TEMP%\orvendale-order.log,
//                             and its own file name, blanks as "_", as the id)
#include <windows.h>

#include <string>

namespace {

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) narrow += c == L' ' ? '_' : static_cast<char>(c);
    return narrow;
}

std::wstring OwnName() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    name = name.substr(name.find_last_of(L'\\') + 1);
    return name.substr(0, name.find_last_of(L'.'));
}

std::wstring DefaultLog() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"orvendale-order.log";
}

// The log, opened by this probe alone. The program starts probes one after another without waiting
// for them, so two may append at once; alone, neither can write over the other's line at the end.
HANDLE OpenLogAlone(const std::wstring& path) {
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const HANDLE log = CreateFileW(path.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
        if (log != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION) return log;
        Sleep(10);
    }
    return INVALID_HANDLE_VALUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool renamed = OwnName() != L"orvendale_order_probe";
    if (!renamed && argc < 3) return 2;
    const bool ownLog = !renamed;
    const std::wstring logPath = ownLog ? argv[1] : DefaultLog();
    const std::string id = Narrow(ownLog ? argv[2] : OwnName());
    FILETIME created{}, exited{}, kernel{}, user{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const unsigned long long started = (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
    const std::string line = std::to_string(started) + " " + id + "\n";
    const HANDLE log = OpenLogAlone(logPath);
    if (log == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(log);
    return 0;
}
