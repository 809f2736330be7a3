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

// Splits a command line into the program and its arguments, in this order of preference:
//   1. a leading quoted text is the program (an unterminated quote runs to the end);
//   2. the whole text, when it names an existing file (as it stands or with ".exe"): a program
//      without arguments, such as an unquoted path with blanks;
//   3. the longest prefix ending before a blank that names an existing file, so that a planted shorter
//      file ("C:\Program.exe") cannot capture an unquoted "C:\Program Files\..." command;
//   4. the text up to the first blank (a program found on the search path, such as MsiExec.exe).
// Blanks are spaces and tabs. Leading and trailing blanks are ignored; the arguments are the rest
// without its leading blanks. Where ".exe" had to be added, the program carries it.
SplitCommandLine SplitCommand(const std::wstring& commandLine, const std::function<bool(const std::wstring&)>& isFile);

// Expands the command's environment references, splits it and makes one shell request with the
// program's folder as working directory.
void LaunchCommand(Shell& shell, std::uintptr_t ownerWindow, const std::wstring& commandText,
                   const std::wstring& programFolder);

}  // namespace orv
