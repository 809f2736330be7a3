#include "win32/collation_adapter.h"

#include <windows.h>

#include <array>

#include "win32/system_error.h"

namespace orv::win32 {

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
    if (bytes <= 0) ThrowLastError(L"Could not sort a name");
    const std::size_t start = keys.size();
    keys.resize(start + static_cast<std::size_t>(bytes));
    if (LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flags, text.data(), length, reinterpret_cast<LPWSTR>(keys.data() + start),
                      bytes, nullptr, nullptr, 0) == 0) {
        keys.resize(start);
        ThrowLastError(L"Could not sort a name");
    }
}

}  // namespace orv::win32
