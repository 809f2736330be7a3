// Reading one string value of the registry, and cutting a drive path out of a command text.
#pragma once

#include <optional>
#include <string>

#include "ports/registry.h"

namespace orv {

// The text of a string-typed value (REG_SZ, REG_EXPAND_SZ, unexpanded), ending at its first NUL or at
// the end of the data; nothing for any other type.
std::optional<std::wstring> TextOfValue(RegistryValue value);

// The value's text through a key that is already open (null: not open), or `fallback` when the key or
// value cannot be read or the value is not a string.
std::wstring ReadRegistryString(RegistryKey* key, const std::wstring& valueName, const std::wstring& fallback);

// The tail of `text` that starts one character before its last colon; empty when there is no colon or
// nothing stands before it.
std::wstring ExtractDrivePath(const std::wstring& text);

}  // namespace orv
