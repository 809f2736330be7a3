// Letter case of A to Z alone: the same in every locale, so enough for the names that Windows itself
// gives its variables, folders and programs, and quick for the plain-ASCII text of most commands.
#pragma once

#include <algorithm>
#include <string_view>

namespace orv {

constexpr wchar_t AsciiLower(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

inline bool EqualIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
    return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace orv
