// The rules that cut the uninstaller's file out of an uninstall command, for the "FileExists" column.
// Each is one step of the refresh, which runs them in order on a working copy of the command.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orv {

inline constexpr wchar_t kWindowsInstallerMarker[] = L"IGNORE ME";

// Whether a lower-cased command runs Windows Installer, whose rows show the marker instead of a file.
bool RunsWindowsInstaller(std::wstring_view loweredCommand);

// Replaces every "rundll32.exe" with "rundll32": keeps the launcher's own extension out of the search
// for the file's extension.
void WithoutRundllExtension(std::wstring& command);

// 1-based position of the first ".exe"; failing that of the first ".inf"; failing that of the first
// ".dll"; 0 when there is none of them.
std::size_t PreferredExtensionPosition(std::wstring_view command);

// The text cut right after the extension whose dot is at `position` (1-based): its first position + 3
// characters. With position 0 that keeps the first 3.
void CutAfterExtension(std::wstring& command, std::size_t position);

// Whether a cut command still names rundll32, whose row shows the file path it hands over instead.
bool NamesRundll(std::wstring_view command);

// The tail of `text` that starts one character before its last colon; empty when there is no colon or
// nothing stands before it.
std::wstring ExtractDrivePath(std::wstring_view text);

}  // namespace orv
