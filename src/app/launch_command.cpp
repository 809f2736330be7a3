#include "app/launch_command.h"

#include <string_view>

#include "ports/failure.h"

namespace orv {
namespace {

// No file or folder name is longer than this, so a longer candidate is not asked after.
constexpr std::size_t kLongestFileName = 255;
// How much of a command a report quotes.
constexpr std::size_t kQuotedCommandLength = 300;

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

std::wstring WithoutLeadingBlanks(const std::wstring& text, std::size_t from = 0) {
    while (from < text.size() && IsBlank(text[from])) ++from;
    return text.substr(from);
}

std::wstring WithoutTrailingBlanks(std::wstring text) {
    while (!text.empty() && IsBlank(text.back())) text.pop_back();
    return text;
}

// "C:\..." or "C:/...", or a UNC or device path ("\\server\share\...", "\\?\C:\...").
bool IsFullPath(std::wstring_view path) {
    const bool drive = path.size() >= 3 && ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z')) &&
                       path[1] == L':' && IsSeparator(path[2]);
    return drive || (path.size() >= 3 && IsSeparator(path[0]) && IsSeparator(path[1]));
}

bool HasNoFolder(std::wstring_view name) {
    return name.find_first_of(L"\\/:") == std::wstring_view::npos;
}

bool LastNameFits(std::wstring_view path) {
    const auto separator = path.find_last_of(L"\\/");
    return path.size() - (separator == std::wstring_view::npos ? 0 : separator + 1) <= kLongestFileName;
}

std::wstring Joined(const std::wstring& folder, const std::wstring& name) {
    return !folder.empty() && IsSeparator(folder.back()) ? folder + name : folder + L"\\" + name;
}

// The full path that `candidate` names, or nothing. `mayAddExe` allows a full path to be completed
// with ".exe", which only the whole program text may be.
std::optional<std::wstring> ProgramNamedBy(const std::wstring& candidate, bool mayAddExe, const ProgramSearch& search) {
    if (candidate.empty() || !LastNameFits(candidate)) return std::nullopt;
    if (IsFullPath(candidate)) {
        if (search.isFile(candidate)) return candidate;
        if (mayAddExe && search.isFile(candidate + L".exe")) return candidate + L".exe";
        return std::nullopt;
    }
    if (!HasNoFolder(candidate)) return std::nullopt;
    const std::wstring name = candidate.find(L'.') == std::wstring::npos ? candidate + L".exe" : candidate;
    for (const auto& folder : search.folders) {
        if (auto path = Joined(folder, name); search.isFile(path)) return path;
    }
    return std::nullopt;
}

// Where the last run of blanks before `end` begins (the end of the prefix before it), or npos when
// no blank follows a non-blank character there.
std::size_t LastBlankRunStart(const std::wstring& text, std::size_t end) {
    for (std::size_t at = end; at > 1; --at) {
        if (IsBlank(text[at - 1]) && !IsBlank(text[at - 2])) return at - 1;
    }
    return std::wstring::npos;
}

// The program that a command plainly names: the quoted text, or the text up to the first ".exe" that
// ends a word (in any letter case); empty when it names none that way.
std::wstring PlainlyNamedProgram(const std::wstring& text) {
    if (!text.empty() && text.front() == L'"') return text.substr(1, text.find(L'"', 1) - 1);
    std::wstring lower = text;
    for (auto& c : lower) c = (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
    for (auto at = lower.find(L".exe"); at != std::wstring::npos; at = lower.find(L".exe", at + 1)) {
        if (at + 4 == text.size() || IsBlank(text[at + 4])) return text.substr(0, at + 4);
    }
    return {};
}

std::wstring Quoted(const std::wstring& command) {
    if (command.size() <= kQuotedCommandLength) return L"\"" + command + L"\"";
    return L"\"" + command.substr(0, kQuotedCommandLength) + L"...\" (" + std::to_wstring(command.size()) + L" characters)";
}

[[noreturn]] void Refuse(const std::wstring& commandText, const std::wstring& reason) {
    throw Failure(L"Could not start " + Quoted(commandText) + L": " + reason);
}

std::wstring WhyNoProgram(const std::wstring& expanded) {
    const std::wstring text = WithoutTrailingBlanks(WithoutLeadingBlanks(expanded));
    if (text.empty()) return L"there is no program in it";
    std::wstring named = PlainlyNamedProgram(text);
    if (named.empty()) {
        named = text.substr(0, text.find_first_of(L" \t"));
        if (IsFullPath(named)) return L"no file that it names is there";
    }
    if (HasNoFolder(named)) {
        return L"\"" + named + L"\" is in none of the system folder, the Windows folder and the folders of PATH";
    }
    if (!IsFullPath(named)) return L"\"" + named + L"\" is not a full path";
    return L"the uninstaller \"" + named + L"\" is not there";
}

}  // namespace

std::vector<std::wstring> ProgramSearchFolders(const std::wstring& systemFolder, const std::wstring& windowsFolder,
                                               const std::wstring& pathVariable) {
    std::vector<std::wstring> folders{systemFolder, windowsFolder};
    std::size_t start = 0;
    while (start <= pathVariable.size()) {
        auto end = pathVariable.find(L';', start);
        if (end == std::wstring::npos) end = pathVariable.size();
        std::wstring entry = WithoutTrailingBlanks(WithoutLeadingBlanks(pathVariable.substr(start, end - start)));
        if (entry.size() >= 2 && entry.front() == L'"' && entry.back() == L'"') entry = entry.substr(1, entry.size() - 2);
        if (IsFullPath(entry)) folders.push_back(std::move(entry));
        start = end + 1;
    }
    return folders;
}

std::optional<SplitCommandLine> SplitCommand(const std::wstring& commandLine, const ProgramSearch& search) {
    std::wstring text = WithoutLeadingBlanks(commandLine);
    if (!text.empty() && text.front() == L'"') {
        const auto closing = text.find(L'"', 1);
        // An unterminated quote runs to the end.
        const std::wstring quoted = closing == std::wstring::npos ? WithoutTrailingBlanks(text.substr(1))
                                                                  : text.substr(1, closing - 1);
        const auto program = ProgramNamedBy(quoted, true, search);
        if (!program) return std::nullopt;
        return SplitCommandLine{*program, closing == std::wstring::npos ? L"" : WithoutLeadingBlanks(text, closing + 1)};
    }
    text = WithoutTrailingBlanks(std::move(text));
    // The whole text first: an unquoted path with blanks and no arguments is one program.
    if (auto program = ProgramNamedBy(text, true, search)) return SplitCommandLine{std::move(*program), L""};
    for (auto end = LastBlankRunStart(text, text.size()); end != std::wstring::npos; end = LastBlankRunStart(text, end)) {
        if (auto program = ProgramNamedBy(text.substr(0, end), false, search)) {
            return SplitCommandLine{std::move(*program), WithoutLeadingBlanks(text, end)};
        }
    }
    return std::nullopt;
}

void LaunchCommand(Shell& shell, std::uintptr_t ownerWindow, const std::wstring& commandText,
                   const std::wstring& programFolder) {
    const auto tooLong = [&](const std::wstring& text) {
        if (text.size() > kLongestCommandLine) {
            Refuse(commandText, L"it is " + std::to_wstring(text.size()) + L" characters long, and Windows starts none longer than " +
                                    std::to_wstring(kLongestCommandLine));
        }
    };
    tooLong(commandText);
    const auto expanded = shell.expandEnvironment(commandText);
    tooLong(expanded);
    // An unset PATH stays "%PATH%", a relative entry, which the search leaves out.
    const ProgramSearch search{[&](const std::wstring& path) { return shell.isFile(path); },
                               ProgramSearchFolders(shell.systemFolder(), shell.windowsFolder(),
                                                    shell.expandEnvironment(L"%PATH%"))};
    const auto split = SplitCommand(expanded, search);
    if (!split) Refuse(commandText, WhyNoProgram(expanded));
    try {
        shell.open(ownerWindow, split->program, split->arguments, programFolder);
    } catch (const Failure& refusal) {
        Refuse(commandText, refusal.description());
    }
}

}  // namespace orv
