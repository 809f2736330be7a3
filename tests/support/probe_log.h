// The log that the stand-in uninstallers write: a line each, "START ID FOLDER", where START is when the
// process started, ID names the probe and FOLDER is where it ran (its working directory, or for a DLL
// the folder it was loaded from). Blanks in ID and FOLDER are written as "_".
#pragma once

#include <windows.h>

#include <string>

namespace orv::probe {

inline std::wstring DefaultLog() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"orvendale-order.log";
}

inline std::string Field(const std::wstring& text) {
    std::string narrow;
    for (const wchar_t c : text) narrow += c == L' ' ? '_' : static_cast<char>(c);
    return narrow;
}

// Appends one line, opening the log alone: the program starts probes one after another without waiting
// for them, so two may append at once; alone, neither can write over the other's line at the end.
inline bool Append(const std::wstring& logPath, const std::wstring& id, const std::wstring& folder) {
    FILETIME created{}, exited{}, kernel{}, user{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const unsigned long long started = (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
    const std::string line = std::to_string(started) + " " + Field(id) + " " + Field(folder) + "\n";
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const HANDLE log = CreateFileW(logPath.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
        if (log != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
            CloseHandle(log);
            return true;
        }
        if (GetLastError() != ERROR_SHARING_VIOLATION) return false;
        Sleep(10);
    }
    return false;
}

}  // namespace orv::probe
