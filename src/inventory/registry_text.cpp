#include "inventory/registry_text.h"

#include <utility>

namespace orv {

std::optional<std::wstring> TextOfValue(RegistryValue value) {
    if (value.type != kRegSz && value.type != kRegExpandSz) {
        return std::nullopt;
    }
    const auto end = value.units.find(L'\0');
    if (end != std::wstring::npos) value.units.resize(end);
    return std::move(value.units);
}

std::wstring ReadRegistryString(RegistryKey* key, const std::wstring& valueName,
                                const std::wstring& fallback) {
    if (key == nullptr) {
        return fallback;
    }
    auto value = key->value(valueName);
    if (!value) {
        return fallback;
    }
    return TextOfValue(std::move(*value)).value_or(fallback);
}

std::wstring ExtractDrivePath(const std::wstring& text) {
    const auto colon = text.rfind(L':');
    if (colon == std::wstring::npos || colon == 0) {
        return {};
    }
    return text.substr(colon - 1);
}

}  // namespace orv
