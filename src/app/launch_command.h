// Turning an uninstall command line into one shell request for a program named by its full path.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ports/shell.h"

namespace orv {

// Windows starts no command line longer than this, so a longer one is refused before it is looked at.
inline constexpr std::size_t kLongestCommandLine = 32767;

struct SplitCommandLine {
    std::wstring program;  // a full path
    std::wstring arguments;
    bool operator==(const SplitCommandLine&) const = default;
};

// Where a command's program may be: whether a file exists at a full path, and the folders in which a
// program named without a folder is looked for, in order.
struct ProgramSearch {
    std::function<bool(const std::wstring&)> isFile;
    std::vector<std::wstring> folders;
};

// The folders for a program named without a folder: the system folder, the Windows folder, then the
// full paths among the entries of `pathVariable`. Empty and relative entries stand for the working
// directory, which is usually the folder the user downloaded us to, so they are left out.
std::vector<std::wstring> ProgramSearchFolders(const std::wstring& systemFolder, const std::wstring& windowsFolder,
                                               const std::wstring& pathVariable);

// Splits a command line into its program, as a full path, and the arguments. The candidates for the
// program are a leading quoted text (an unterminated quote runs to the end), or else the whole text
// and then every prefix that ends before a blank, longest first. A candidate names the program when:
//   - it is a full path to a file exactly as written; the whole text and a quoted program may also
//     be completed with ".exe" (so a planted "C:\Program.exe" cannot capture an unquoted
//     "C:\Program Files\..." command, nor "D:\Games\Star.exe" a stale "D:\Games\Star Run\..." one);
//   - it has no folder (MsiExec.exe, cmd) and is found in a search folder, with ".exe" added when it
//     has no extension.
// A relative path with a folder in it names nothing: only the working directory could complete it.
// Blanks are spaces and tabs; the arguments are the rest without its leading blanks. Nothing when no
// candidate names a program.
std::optional<SplitCommandLine> SplitCommand(const std::wstring& commandLine, const ProgramSearch& search);

// Refuses an over-long command, expands its environment references, finds its program and makes one
// shell request with the program's folder as working directory. Throws Failure, naming the command,
// when the program is not there or the shell refuses.
void LaunchCommand(Shell& shell, std::uintptr_t ownerWindow, const std::wstring& commandText,
                   const std::wstring& programFolder);

}  // namespace orv
