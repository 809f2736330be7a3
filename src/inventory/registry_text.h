// Reading one string value of the registry.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ports/registry.h"

namespace orv {

// The text of a string-typed value (REG_SZ, REG_EXPAND_SZ, unexpanded), ending at its first NUL or at
// the end of the data; nothing for any other type. The text lies in `value`.
std::optional<std::wstring_view> TextOfValue(const RegistryValue& value);

// The value's text through a key that is already open (null: not open), read into `buffer`; nothing
// when the key or value cannot be read or the value is not a string. The text lies in `buffer`.
std::optional<std::wstring_view> ReadRegistryString(RegistryKey* key, const wchar_t* valueName,
                                                    RegistryValue& buffer);

// The number of a REG_DWORD value through a key that is already open (null: not open); nothing when
// the key or value cannot be read or the value is of another type or size.
std::optional<std::uint32_t> ReadRegistryNumber(RegistryKey* key, const wchar_t* valueName);

}  // namespace orv
