// The log that the stand-in uninstallers write: a line each, "START ID FOLDER", where START is when the
// process started, ID names the probe and FOLDER is where it ran (its working directory, or for a DLL
// the folder it was loaded from). Blanks in ID and FOLDER are written as "_".
#pragma once

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

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

// The default log as a test reads it: empty when it is made, and gone with it.
class Log {
public:
    struct Start {
        std::string id;
        std::string folder;  // as the log writes it
        bool operator==(const Start&) const = default;
        friend void PrintTo(const Start& start, std::ostream* out) { *out << start.id << " in " << start.folder; }
    };

    Log() { DeleteFileW(path_.c_str()); }
    ~Log() { DeleteFileW(path_.c_str()); }
    Log(const Log&) = delete;
    Log& operator=(const Log&) = delete;

    [[nodiscard]] const std::wstring& path() const { return path_; }
    // What the probes logged, in the order they started.
    [[nodiscard]] std::vector<Start> starts() const {
        std::ifstream in{std::filesystem::path(path_)};
        std::vector<std::pair<unsigned long long, Start>> lines;
        unsigned long long started = 0;
        Start start;
        while (in >> started >> start.id >> start.folder) lines.emplace_back(started, start);
        std::stable_sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<Start> ordered;
        for (const auto& line : lines) ordered.push_back(line.second);
        return ordered;
    }
    [[nodiscard]] std::vector<std::string> ids() const {
        std::vector<std::string> ids;
        for (const auto& start : starts()) ids.push_back(start.id);
        return ids;
    }

private:
    std::wstring path_ = DefaultLog();
};

}  // namespace orv::probe
