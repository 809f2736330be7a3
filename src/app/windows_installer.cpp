#include "app/windows_installer.h"

#include <algorithm>

#include "app/command_line.h"
#include "inventory/registry_text.h"
#include "inventory/uninstall_entry.h"
#include "services/ascii_case.h"

namespace orv {
namespace {

constexpr wchar_t kWindowsInstallerValue[] = L"WindowsInstaller";

bool IsHexDigit(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F');
}

bool IsProductCode(std::wstring_view text) {
    constexpr std::wstring_view kShape = L"{########-####-####-####-############}";
    return text.size() == kShape.size() && std::ranges::equal(text, kShape, [](wchar_t c, wchar_t shape) {
               return shape == L'#' ? IsHexDigit(c) : c == shape;
           });
}

// Takes `word` (in any letter case) off the front of `text`; false when it does not begin with it.
bool Take(std::wstring_view& text, std::wstring_view word) {
    if (text.size() < word.size() || !EqualIgnoringAsciiCase(text.substr(0, word.size()), word)) return false;
    text.remove_prefix(word.size());
    return true;
}

// Takes the blanks off the front of `text`; false when there were none.
bool TakeBlanks(std::wstring_view& text) {
    const auto blanks = std::ranges::find_if(text, [](wchar_t c) { return !IsBlank(c); }) - text.begin();
    text.remove_prefix(static_cast<std::size_t>(blanks));
    return blanks > 0;
}

}  // namespace

std::optional<std::wstring> RemovalInsteadOfMaintenance(std::wstring_view command, std::wstring_view keyName) {
    if (!IsProductCode(keyName)) return std::nullopt;
    std::wstring_view text = WithoutBlanksAround(command);
    if (!Take(text, L"msiexec")) return std::nullopt;
    Take(text, L".exe");
    if (!TakeBlanks(text) || !Take(text, L"/i")) return std::nullopt;
    TakeBlanks(text);
    if (!EqualIgnoringAsciiCase(text, keyName)) return std::nullopt;
    return L"MsiExec.exe /X" + std::wstring(text);
}

bool ManagedByWindowsInstaller(Registry& registry, RegistrySource source, const std::wstring& keyName) {
    const auto uninstallKey = registry.open(source, kUninstallKey);
    const auto entry = uninstallKey ? uninstallKey->openSubKey(keyName) : nullptr;
    return ReadRegistryNumber(entry.get(), kWindowsInstallerValue) == 1u;
}

}  // namespace orv
