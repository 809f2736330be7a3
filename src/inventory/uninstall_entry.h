// An uninstall entry as Windows keeps it: where, under which value names, and how much of a command is
// worth keeping.
#pragma once

#include <cstddef>

namespace orv {

inline constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
inline constexpr wchar_t kDisplayNameValue[] = L"DisplayName";
inline constexpr wchar_t kUninstallStringValue[] = L"UninstallString";

// Windows starts no command line longer than this.
inline constexpr std::size_t kLongestCommandLine = 32767;

}  // namespace orv
