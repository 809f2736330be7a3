// Turning an uninstall command line into one shell request.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ports/shell.h"

namespace orv {

struct SplitCommandLine {
    std::wstring program;
    std::wstring arguments;
    bool operator==(const SplitCommandLine&) const = default;
};

// Splits a command line the way Windows starts one: a leading quoted text is the program; otherwise
// the shortest prefix ending before a blank that names an existing file (as it stands or with ".exe")
// is the program, so unquoted paths with spaces work; otherwise the text up to the first blank.
// Leading blanks are ignored; the arguments are the rest without its leading blanks.
SplitCommandLine SplitCommand(const std::wstring& commandLine, const std::function<bool(const std::wstring&)>& isFile);

// Expands the command's environment references, splits it and makes one shell request with the
// program's folder as working directory.
void LaunchCommand(Shell& shell, std::uintptr_t ownerWindow, const std::wstring& commandText,
                   const std::wstring& programFolder);

}  // namespace orv
