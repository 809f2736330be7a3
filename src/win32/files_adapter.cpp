#include "win32/files_adapter.h"

#include <windows.h>

#include <algorithm>

#include "ports/failure.h"
#include "win32/handles.h"
#include "win32/system_error.h"

namespace orv::win32 {
namespace {

using UniqueFind = UniqueHandleOf<HANDLE, &FindClose>;

}  // namespace

// Asked more than once at start-up, so found once.
std::wstring WindowsFiles::programFolder() {
    if (programFolder_.empty()) {
        std::wstring path(MAX_PATH, L'\0');
        for (;;) {
            const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
            if (length == 0) ThrowLastError(L"Could not find the program's folder");
            if (length < path.size()) {
                path.resize(length);
                break;
            }
            path.resize(path.size() * 2);
        }
        programFolder_ = path.substr(0, path.find_last_of(L"\\/"));
    }
    return programFolder_;
}

std::wstring WindowsFiles::findOrdinaryFile(const std::wstring& path) {
    constexpr DWORD kNotOrdinary = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
    WIN32_FIND_DATAW found{};
    const HANDLE first = FindFirstFileW(path.c_str(), &found);
    if (first == INVALID_HANDLE_VALUE) return {};
    UniqueFind search(first);
    do {
        if ((found.dwFileAttributes & kNotOrdinary) == 0) {
            return found.cFileName;
        }
    } while (FindNextFileW(search.get(), &found));
    return {};
}

PathKind WindowsFiles::kindOf(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Nothing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
}

std::string WindowsFiles::readFile(const std::wstring& path, std::size_t maxBytes) {
    const HANDLE opened =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) throw Failure(SystemMessage(GetLastError()));
    UniqueHandle file(opened);
    std::string bytes(maxBytes, '\0');
    std::size_t filled = 0;
    DWORD read = 0;
    do {
        const auto wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - filled, 1u << 20));
        if (wanted == 0) break;
        if (!ReadFile(file.get(), bytes.data() + filled, wanted, &read, nullptr)) throw Failure(SystemMessage(GetLastError()));
        filled += read;
    } while (read != 0);
    bytes.resize(filled);
    return bytes;
}

}  // namespace orv::win32
