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

}  // namespace orv
