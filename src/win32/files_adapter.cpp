#include "win32/files_adapter.h"

#include <windows.h>

#include <algorithm>

#include "ports/failure.h"
#include "win32/handles.h"
#include "win32/system_error.h"

namespace orv::win32 {
namespace {

std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) ThrowLastError(L"Could not find the program's folder");
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// The file that `path` leads to, through any links: winget starts a portable program through a link
// in its own Links folder, and the program's files lie beside the program, not the link. The path as
// it is where the file system cannot say.
std::wstring FinalPathOf(const std::wstring& path) {
    const UniqueFile file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file) return path;
    std::wstring resolved(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(file.get(), resolved.data(), static_cast<DWORD>(resolved.size()), FILE_NAME_NORMALIZED);
    if (length >= resolved.size()) {
        resolved.resize(length);
        length = GetFinalPathNameByHandleW(file.get(), resolved.data(), static_cast<DWORD>(resolved.size()), FILE_NAME_NORMALIZED);
    }
    if (length == 0 || length >= resolved.size()) return path;
    resolved.resize(length);
    // "\\?\C:\..." for a drive, "\\?\UNC\server\..." for a share: the first as "C:\...", the second "\\server\...".
    if (resolved.starts_with(L"\\\\?\\UNC\\")) return L"\\" + resolved.substr(7);
    if (resolved.starts_with(L"\\\\?\\")) return resolved.substr(4);
    return resolved;
}

}  // namespace

// Asked more than once at start-up, so found once.
std::wstring WindowsFiles::programFolder() {
    if (programFolder_.empty()) {
        const std::wstring path = FinalPathOf(ModulePath());
        programFolder_ = path.substr(0, path.find_last_of(L"\\/"));
    }
    return programFolder_;
}

bool WindowsFiles::isOrdinaryFile(const std::wstring& path) {
    constexpr DWORD kNotOrdinary = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
    WIN32_FIND_DATAW found{};
    const UniqueFind search(FindFirstFileW(path.c_str(), &found));
    if (!search) return false;
    do {
        if ((found.dwFileAttributes & kNotOrdinary) == 0) {
            return true;
        }
    } while (FindNextFileW(search.get(), &found));
    return false;
}

PathKind WindowsFiles::kindOf(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Nothing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
}

std::string WindowsFiles::readFile(const std::wstring& path, std::size_t maxBytes) {
    const UniqueFile file(
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) ThrowReason(GetLastError());
    std::string bytes(maxBytes, '\0');
    std::size_t filled = 0;
    DWORD read = 0;
    do {
        const auto wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - filled, 1u << 20));
        if (wanted == 0) break;
        if (!ReadFile(file.get(), bytes.data() + filled, wanted, &read, nullptr)) ThrowReason(GetLastError());
        filled += read;
    } while (read != 0);
    bytes.resize(filled);
    return bytes;
}

}  // namespace orv::win32
