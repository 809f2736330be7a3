#include "win32/platform_services.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "ports/failure.h"
#include "win32/handles.h"
#include "win32/system_error.h"

namespace orv::win32 {
namespace {

using UniqueFind = UniqueHandleOf<HANDLE, &FindClose>;

}  // namespace

void WindowsTextCase::lowerInto(std::wstring_view text, std::wstring& lowered) {
    lowered.resize(text.size());
    // Plain ASCII, as most paths and commands are, lower-cases alike in every locale: without the call.
    if (std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; })) {
        std::transform(text.begin(), text.end(), lowered.begin(),
                       [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; });
        return;
    }
    const int length = static_cast<int>(text.size());
    // Lower-casing never changes the length of UTF-16 text, so one call with an equal buffer suffices.
    if (LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE, text.data(), length, lowered.data(), length, nullptr,
                      nullptr, 0) == 0) {
        ThrowLastError(L"Could not change letter case");
    }
}

// The user's collation, as Windows' own list of programs sorts. Most names' keys fit the buffer on the
// stack, which spares a first call that only asks for the size.
void WindowsCollation::appendSortKey(std::wstring_view text, std::string& keys) {
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int length = static_cast<int>(text.size());
    std::array<char, 512> onStack{};
    int bytes = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flags, text.data(), length, reinterpret_cast<LPWSTR>(onStack.data()),
                              static_cast<int>(onStack.size()), nullptr, nullptr, 0);
    if (bytes > 0) {
        keys.append(onStack.data(), static_cast<std::size_t>(bytes));
        return;
    }
    bytes = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flags, text.data(), length, nullptr, 0, nullptr, nullptr, 0);
    if (bytes <= 0) return;
    std::string key(static_cast<std::size_t>(bytes), '\0');
    LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flags, text.data(), length, reinterpret_cast<LPWSTR>(key.data()), bytes,
                  nullptr, nullptr, 0);
    keys += key;
}

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

bool WindowsFiles::exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
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

double WindowsRandomSource::secondsSinceMidnight() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
}

void WindowsRandomSource::seed(double seed) {
    generator_.seed(std::bit_cast<std::uint64_t>(seed));
}

double WindowsRandomSource::next() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
}

}  // namespace orv::win32
