#include "app/launch_command.h"

#include "ports/failure.h"

namespace orv {
namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

std::wstring WithoutLeadingBlanks(const std::wstring& text, std::size_t from = 0) {
    while (from < text.size() && IsBlank(text[from])) ++from;
    return text.substr(from);
}

}  // namespace

SplitCommandLine SplitCommand(const std::wstring& commandLine, const std::function<bool(const std::wstring&)>& isFile) {
    const std::wstring text = WithoutLeadingBlanks(commandLine);
    if (!text.empty() && text.front() == L'"') {
        const auto closing = text.find(L'"', 1);
        if (closing == std::wstring::npos) {
            return {text.substr(1), L""};  // an unterminated quote runs to the end
        }
        return {text.substr(1, closing - 1), WithoutLeadingBlanks(text, closing + 1)};
    }
    for (auto blank = text.find(L' '); blank != std::wstring::npos; blank = text.find(L' ', blank + 1)) {
        const std::wstring candidate = text.substr(0, blank);
        if (isFile(candidate) || isFile(candidate + L".exe")) {
            return {candidate, WithoutLeadingBlanks(text, blank)};
        }
    }
    const auto firstBlank = text.find_first_of(L" \t");
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
