#include "inventory/registry_text.h"

namespace orv {

std::optional<std::wstring> TextOfValue(const RegistryValue& value) {
    if (value.type != kRegSz && value.type != kRegExpandSz) {
        return std::nullopt;
    }
    const auto end = value.units.find(L'\0');
    return value.units.substr(0, end);
}

std::wstring ReadRegistryString(RegistryKey* key, const std::wstring& valueName,
                                const std::wstring& fallback) {
    if (key == nullptr) {
        return fallback;
    }
    const auto value = key->value(valueName);
    if (!value) {
        return fallback;
    }
    return TextOfValue(*value).value_or(fallback);
}

std::wstring ExtractDrivePath(const std::wstring& text) {
    const auto colon = text.rfind(L':');
    if (colon == std::wstring::npos || colon == 0) {
        return {};
    }
    return text.substr(colon - 1);
}

}  // namespace orv
