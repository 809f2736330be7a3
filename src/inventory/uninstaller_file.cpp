#include "inventory/uninstaller_file.h"

#include <algorithm>

namespace orv {

bool RunsWindowsInstaller(std::wstring_view loweredCommand) {
    return loweredCommand.find(L"msiexec.exe") != std::wstring_view::npos;
}

void WithoutRundllExtension(std::wstring& command) {
    constexpr std::wstring_view from = L"rundll32.exe";
    constexpr std::wstring_view to = L"rundll32";
    for (auto at = command.find(from); at != std::wstring::npos; at = command.find(from, at + to.size())) {
        command.replace(at, from.size(), to);
    }
}

std::size_t PreferredExtensionPosition(std::wstring_view command) {
    for (const std::wstring_view extension : {L".exe", L".inf", L".dll"}) {
        const auto at = command.find(extension);
        if (at != std::wstring_view::npos) {
            return at + 1;
        }
    }
    return 0;
}

void CutAfterExtension(std::wstring& command, std::size_t position) {
    command.resize(std::min(command.size(), position + 3));
}

bool NamesRundll(std::wstring_view command) {
    return command.find(L"rundll32") != std::wstring_view::npos;
}

std::wstring ExtractDrivePath(std::wstring_view text) {
    const auto colon = text.rfind(L':');
    if (colon == std::wstring_view::npos || colon == 0) {
        return {};
    }
    return std::wstring(text.substr(colon - 1));
}

}  // namespace orv
