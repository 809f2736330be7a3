#include "inventory/registry_text.h"

namespace orv {

std::optional<std::wstring_view> TextOfValue(const RegistryValue& value) {
    if (value.type != kRegSz && value.type != kRegExpandSz) {
        return std::nullopt;
    }
    const std::wstring_view units = value.units;
    return units.substr(0, units.find(L'\0'));
}

std::optional<std::wstring_view> ReadRegistryString(RegistryKey* key, const wchar_t* valueName,
                                                    RegistryValue& buffer) {
    if (key == nullptr || !key->value(valueName, buffer)) {
        return std::nullopt;
    }
    return TextOfValue(buffer);
}

std::optional<std::uint32_t> ReadRegistryNumber(RegistryKey* key, const wchar_t* valueName) {
    RegistryValue value;
    if (key == nullptr || !key->value(valueName, value) || value.type != kRegDword || value.units.size() != 2) {
        return std::nullopt;
    }
    // The value's four bytes as the registry keeps them, low word first.
    return (static_cast<std::uint32_t>(static_cast<std::uint16_t>(value.units[1])) << 16) |
           static_cast<std::uint16_t>(value.units[0]);
}

}  // namespace orv
