#include "app/launch_command.h"

#include <optional>

#include "ports/failure.h"

namespace orv {
namespace {

constexpr wchar_t kBlanks[] = L" \t";

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

std::wstring WithoutLeadingBlanks(const std::wstring& text, std::size_t from = 0) {
    while (from < text.size() && IsBlank(text[from])) ++from;
    return text.substr(from);
}

std::wstring WithoutTrailingBlanks(std::wstring text) {
    while (!text.empty() && IsBlank(text.back())) text.pop_back();
    return text;
}

// Where the last run of blanks before `end` begins (the end of the prefix before it), or npos when
// no blank follows a non-blank character there.
std::size_t LastBlankRunStart(const std::wstring& text, std::size_t end) {
    std::size_t at = end;
    while (at > 0) {
        if (IsBlank(text[at - 1]) && at - 1 > 0 && !IsBlank(text[at - 2])) return at - 1;
        --at;
    }
    return std::wstring::npos;
}

}  // namespace

SplitCommandLine SplitCommand(const std::wstring& commandLine, const std::function<bool(const std::wstring&)>& isFile) {
    std::wstring text = WithoutLeadingBlanks(commandLine);
    if (!text.empty() && text.front() == L'"') {
        const auto closing = text.find(L'"', 1);
        if (closing == std::wstring::npos) {
            return {WithoutTrailingBlanks(text.substr(1)), L""};  // an unterminated quote runs to the end
        }
        return {text.substr(1, closing - 1), WithoutLeadingBlanks(text, closing + 1)};
    }
    text = WithoutTrailingBlanks(std::move(text));
    const auto existing = [&](const std::wstring& candidate) -> std::optional<std::wstring> {
        if (isFile(candidate)) return candidate;
        if (isFile(candidate + L".exe")) return candidate + L".exe";
        return std::nullopt;
    };
    // The whole text first: an unquoted path with blanks and no arguments is one program.
    if (const auto program = existing(text)) {
        return {*program, L""};
    }
    // Then the longest prefix that names a file, so a planted "C:\Program" cannot capture the command.
    for (auto end = LastBlankRunStart(text, text.size()); end != std::wstring::npos; end = LastBlankRunStart(text, end)) {
        if (const auto program = existing(text.substr(0, end))) {
            return {*program, WithoutLeadingBlanks(text, end)};
        }
    }
    const auto firstBlank = text.find_first_of(kBlanks);
    if (firstBlank == std::wstring::npos) {
        return {text, L""};
    }
    return {text.substr(0, firstBlank), WithoutLeadingBlanks(text, firstBlank)};
}

void LaunchCommand(Shell& shell, std::uintptr_t ownerWindow, const std::wstring& commandText,
                   const std::wstring& programFolder) {
    const auto expanded = shell.expandEnvironment(commandText);
    const auto split = SplitCommand(expanded, [&](const std::wstring& path) { return shell.isFile(path); });
    if (split.program.empty()) {
        throw Failure(L"There is no program to start in the command \"" + commandText + L"\"");
    }
    try {
        shell.open(ownerWindow, split.program, split.arguments, programFolder);
    } catch (const Failure& refusal) {
        throw Failure(L"Could not start \"" + commandText + L"\": " + refusal.description());
    }
}

}  // namespace orv
