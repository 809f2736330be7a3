// Finding the program that an uninstall command names, by its full path, as the installer that wrote
// the command saw the file system.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/command_line.h"

namespace orv {

// What a 32-bit program on 64-bit Windows reaches by a path (the file system redirector): the system
// folder and what lies below it is the 32-bit system folder, but for the few folders that both share;
// "Sysnative" in the Windows folder is the real system folder; the Windows folder's regedit.exe and
// lastgood\system32 have 32-bit twins too.
struct Wow64Redirection {
    std::wstring systemFolder;   // C:\Windows\System32
    std::wstring wow64Folder;    // C:\Windows\SysWOW64
    std::wstring windowsFolder;  // C:\Windows

    [[nodiscard]] std::wstring seenFrom32Bit(const std::wstring& path) const;
};

// Where a command's program may be: whether a file exists at a full path, the folders in which a
// program named without a folder is looked for, in order, and how the installer saw paths.
struct ProgramSearch {
    std::function<bool(const std::wstring&)> isFile;
    std::vector<std::wstring> folders;
    std::optional<Wow64Redirection> redirection;  // for the entries of 32-bit installers on 64-bit Windows

    // The file that the installer reached by `path`.
    [[nodiscard]] std::wstring seenByInstaller(const std::wstring& path) const {
        return redirection ? redirection->seenFrom32Bit(path) : path;
    }
};

// "C:\..." or "C:/...", or a UNC or device path ("\\server\share\...", "\\?\C:\...").
bool IsFullPath(std::wstring_view path);
// A name without a folder, to be found in the search folders.
bool HasNoFolder(std::wstring_view name);

// The folders for a program named without a folder: the system folder, the Windows folder, then the
// full paths among the entries of `pathVariable`. Empty and relative entries stand for the working
// directory, which is usually the folder the user downloaded us to, so they are left out.
std::vector<std::wstring> ProgramSearchFolders(const std::wstring& systemFolder, const std::wstring& windowsFolder,
                                               std::wstring_view pathVariable);

// Whether a full path, or a name without a folder, can name only the file exactly as written. Windows
// reads some texts as another file than they spell: it drops trailing dots and blanks from a name,
// resolves "." and "..", takes device names (NUL, CON, COM1, ...) wherever they stand, and reads a
// colon after the drive as a stream. None of these is ever a program here, nor are names with
// characters that no file name holds, nor paths into the device namespace (\\.\).
bool NamesFileAsWritten(std::wstring_view path);

struct SplitCommandLine {
    std::wstring program;  // a full path
    std::wstring arguments;
    bool operator==(const SplitCommandLine&) const = default;
};

// The program that a command names, as a full path, and the arguments; or why it names none, for a
// report. The candidates for the program are a leading quoted text, or else the whole text and then
// every part that ends before a blank, longest first, each asked after once. A candidate names the
// program when it names a file exactly as written and:
//   - it is a full path to a file; the whole text and a quoted program may also be completed with
//     ".exe", and a shorter part counts only for a file whose name ends in ".exe" (so a planted
//     "C:\Program.exe" cannot capture an unquoted "C:\Program Files\..." command, nor a file planted
//     as "D:\Games\Star" a stale "D:\Games\Star Run\..." one);
//   - or it has no folder (MsiExec.exe, cmd) and is found in a search folder, with ".exe" added when
//     it has no extension.
// A relative path with a folder in it names nothing: only the working directory could complete it.
using ProgramOrRefusal = std::variant<SplitCommandLine, std::wstring>;
ProgramOrRefusal ResolveCommand(const CommandText& command, const ProgramSearch& search);

// The folder that holds a program, given by its full path, as a working directory: a drive's root
// keeps its separator ("C:" alone would be the drive's current folder).
std::wstring FolderOf(std::wstring_view program);

}  // namespace orv
