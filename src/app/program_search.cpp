#include "app/program_search.h"

#include <algorithm>

#include "services/ascii_case.h"
#include "services/report_text.h"

namespace orv {
namespace {

// No file or folder name is longer than this, so a longer candidate is not asked after.
constexpr std::size_t kLongestFileName = 255;

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

bool IsDriveLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

std::wstring_view LastName(std::wstring_view path) {
    const auto separator = path.find_last_of(L"\\/");
    return separator == std::wstring_view::npos ? path : path.substr(separator + 1);
}

std::wstring Joined(std::wstring_view folder, std::wstring_view name) {
    std::wstring path(folder);
    if (path.empty() || !IsSeparator(path.back())) path += L'\\';
    return path.append(name);
}

// The rest of `path` after `folder`, from the separator on, when the path is the folder or lies in it.
std::optional<std::wstring_view> PathBelow(std::wstring_view path, std::wstring_view folder) {
    while (!folder.empty() && IsSeparator(folder.back())) folder.remove_suffix(1);
    if (folder.empty() || path.size() < folder.size()) return std::nullopt;
    const bool same = std::equal(folder.begin(), folder.end(), path.begin(), [](wchar_t a, wchar_t b) {
        return (IsSeparator(a) && IsSeparator(b)) || EqualIgnoringAsciiCase({&a, 1}, {&b, 1});
    });
    const auto rest = path.substr(folder.size());
    if (!same || (!rest.empty() && !IsSeparator(rest.front()))) return std::nullopt;
    return rest;
}

// A name that Windows takes for a device wherever it stands, with any extension after it.
bool IsDeviceName(std::wstring_view name) {
    name = name.substr(0, name.find(L'.'));
    while (!name.empty() && name.back() == L' ') name.remove_suffix(1);
    for (const std::wstring_view device : {L"con", L"prn", L"aux", L"nul", L"conin$", L"conout$"}) {
        if (EqualIgnoringAsciiCase(name, device)) return true;
    }
    if (name.size() != 4) return false;
    const bool port = EqualIgnoringAsciiCase(name.substr(0, 3), L"com") || EqualIgnoringAsciiCase(name.substr(0, 3), L"lpt");
    const wchar_t digit = name[3];
    return port && ((digit >= L'0' && digit <= L'9') || digit == L'\u00b9' || digit == L'\u00b2' || digit == L'\u00b3');
}

bool IsPlainName(std::wstring_view name) {
    if (name == L"." || name == L".." || name.back() == L'.' || name.back() == L' ' || IsDeviceName(name)) return false;
    return std::ranges::none_of(name,
                                [](wchar_t c) { return c < 32 || std::wstring_view(L"<>:\"|?*").find(c) != std::wstring_view::npos; });
}

// Where the names of a full path begin, after its root: "C:\", "\\?\C:\", "\\?\UNC\", or "\\" before
// a server and share, which are names too. Nothing for the device namespace ("\\.\") and for a
// "\\?\" path that neither a drive nor UNC follows.
std::optional<std::size_t> AfterRoot(std::wstring_view path) {
    if (IsDriveLetter(path[0])) return 3;
    if (path.size() < 4 || !IsSeparator(path[3]) || (path[2] != L'?' && path[2] != L'.')) return 2;
    if (path[2] == L'.') return std::nullopt;
    const auto rest = path.substr(4);
    if (rest.size() >= 3 && IsDriveLetter(rest[0]) && rest[1] == L':' && IsSeparator(rest[2])) return 7;
    if (rest.size() >= 4 && EqualIgnoringAsciiCase(rest.substr(0, 3), L"UNC") && IsSeparator(rest[3])) return 8;
    return std::nullopt;
}

}  // namespace

bool IsFullPath(std::wstring_view path) {
    const bool drive = path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == L':' && IsSeparator(path[2]);
    return drive || (path.size() >= 3 && IsSeparator(path[0]) && IsSeparator(path[1]));
}

bool HasNoFolder(std::wstring_view name) {
    return name.find_first_of(L"\\/:") == std::wstring_view::npos;
}

std::wstring Wow64Redirection::seenFrom32Bit(const std::wstring& path) const {
    if (const auto rest = PathBelow(path, Joined(windowsFolder, L"Sysnative"))) return systemFolder + std::wstring(*rest);
    if (const auto rest = PathBelow(path, systemFolder)) {
        for (const std::wstring_view shared : {L"catroot", L"catroot2", L"driverstore", L"drivers\\etc", L"logfiles", L"spool"}) {
            if (!rest->empty() && PathBelow(rest->substr(1), shared)) return path;
        }
        return wow64Folder + std::wstring(*rest);
    }
    const std::wstring_view wow64Name = LastName(wow64Folder);
    if (const auto rest = PathBelow(path, Joined(windowsFolder, L"lastgood\\system32"))) {
        return Joined(Joined(windowsFolder, L"lastgood"), wow64Name) + std::wstring(*rest);
    }
    if (const auto rest = PathBelow(path, Joined(windowsFolder, L"regedit.exe")); rest && rest->empty()) {
        return Joined(wow64Folder, L"regedit.exe");
    }
    return path;
}

std::vector<std::wstring> ProgramSearchFolders(const std::wstring& systemFolder, const std::wstring& windowsFolder,
                                               std::wstring_view pathVariable) {
    std::vector<std::wstring> folders{systemFolder, windowsFolder};
    std::size_t start = 0;
    while (start <= pathVariable.size()) {
        auto end = pathVariable.find(L';', start);
        if (end == std::wstring_view::npos) end = pathVariable.size();
        std::wstring_view entry = WithoutBlanksAround(pathVariable.substr(start, end - start));
        if (entry.size() >= 2 && entry.front() == L'"' && entry.back() == L'"') entry = entry.substr(1, entry.size() - 2);
        if (IsFullPath(entry)) folders.emplace_back(entry);
        start = end + 1;
    }
    return folders;
}

bool NamesFileAsWritten(std::wstring_view path) {
    if (path.empty() || IsSeparator(path.back())) return false;
    std::size_t at = 0;
    if (IsFullPath(path)) {
        const auto start = AfterRoot(path);
        if (!start) return false;
        at = *start;
    }
    // Doubled separators name nothing of their own, and Windows reads them as one.
    for (auto end = at; at < path.size(); at = end + 1) {
        end = std::min(path.find_first_of(L"\\/", at), path.size());
        if (end > at && !IsPlainName(path.substr(at, end - at))) return false;
    }
    return true;
}

namespace {

// The full path that `candidate` names, or nothing. `whole` is true for the whole text and a quoted
// program, which may also be completed with ".exe"; a shorter prefix names only an ".exe".
std::optional<std::wstring> ProgramNamedBy(std::wstring_view candidate, bool whole, const ProgramSearch& search) {
    if (candidate.empty() || LastName(candidate).size() > kLongestFileName || !NamesFileAsWritten(candidate)) {
        return std::nullopt;
    }
    const auto found = [&](const std::wstring& written) -> std::optional<std::wstring> {
        std::wstring path = search.seenByInstaller(written);
        if ((!whole && !EndsWithExe(path)) || !search.isFile(path)) return std::nullopt;
        return path;
    };
    if (IsFullPath(candidate)) {
        if (auto path = found(std::wstring(candidate))) return path;
        // Each candidate is asked after once: on a server that does not answer, every question waits.
        if (whole && !EndsWithExe(candidate)) return found(std::wstring(candidate) + L".exe");
        return std::nullopt;
    }
    if (!HasNoFolder(candidate)) return std::nullopt;
    const std::wstring name = candidate.find(L'.') == std::wstring_view::npos ? std::wstring(candidate) + L".exe"
                                                                              : std::wstring(candidate);
    for (const auto& folder : search.folders) {
        if (auto path = found(Joined(folder, name))) return path;
    }
    return std::nullopt;
}

}  // namespace

namespace {

std::wstring Quoted(std::wstring_view name) {
    return L"\"" + ForReport(name) + L"\"";
}

// Why no program is at a name that the command plainly gives.
std::wstring WhyNotThere(std::wstring_view named) {
    if (!NamesFileAsWritten(named)) return Quoted(named) + L" is no file's name as it stands";
    if (HasNoFolder(named)) return Quoted(named) + L" is in none of the system folder, the Windows folder and the folders of PATH";
    if (!IsFullPath(named)) return Quoted(named) + L" is not a full path";
    return L"the uninstaller " + Quoted(named) + L" is not there";
}

// Why an unquoted full path with arguments names no program: when a part of it does with ".exe" added
// ("...\rundll32 args" for "...\rundll32.exe"), that a program starts only by its whole name. (The
// search asked after the whole text with ".exe", but not after its parts.)
std::wstring WhyNoPart(const CommandText& command, const ProgramSearch& search) {
    for (const auto end : command.partEnds()) {
        const std::wstring_view named = command.part(end);
        if (!IsFullPath(named) || !NamesFileAsWritten(named)) continue;
        const std::wstring program = std::wstring(named) + L".exe";
        if (search.isFile(search.seenByInstaller(program))) {
            return Quoted(named) + L" names no file, and " + Quoted(program) + L" is started only by its whole name";
        }
    }
    return L"no program that it names is there";
}

std::wstring WhyNoProgram(const CommandText& command, const ProgramSearch& search) {
    if (command.empty()) return L"there is no program in it";
    if (const std::wstring_view named = command.plainlyNamed(); !named.empty()) return WhyNotThere(named);
    if (IsFullPath(command.firstWord())) return WhyNoPart(command, search);
    return WhyNotThere(command.firstWord());
}

}  // namespace

ProgramOrRefusal ResolveCommand(const CommandText& command, const ProgramSearch& search) {
    if (const auto& quoted = command.quoted()) {
        if (auto program = ProgramNamedBy(quoted->program, true, search)) {
            return SplitCommandLine{std::move(*program), std::wstring(quoted->arguments)};
        }
        return WhyNoProgram(command, search);
    }
    // The whole text first: an unquoted path with blanks and no arguments is one program.
    if (auto program = ProgramNamedBy(command.text(), true, search)) return SplitCommandLine{std::move(*program), L""};
    for (const auto end : command.partEnds()) {
        if (auto program = ProgramNamedBy(command.part(end), false, search)) {
            return SplitCommandLine{std::move(*program), std::wstring(command.argumentsAfter(end))};
        }
    }
    return WhyNoProgram(command, search);
}

std::wstring FolderOf(std::wstring_view program) {
    const auto separator = program.find_last_of(L"\\/");
    if (separator == std::wstring_view::npos) return {};
    const bool driveRoot = separator == 2 && program[1] == L':';
    return std::wstring(program.substr(0, driveRoot ? separator + 1 : separator));
}

}  // namespace orv
