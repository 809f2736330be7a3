// The text of an uninstall command as installers write it, read once into what it says: a leading
// quoted program and its arguments, or an unquoted text and the places where a program written
// without quotes may end; and its environment references.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// Blanks separate a program from its arguments: spaces and tabs.
bool IsBlank(wchar_t c);
std::wstring_view WithoutBlanksAround(std::wstring_view text);
// Whether a name ends in ".exe", in any letter case: the only programs that a command may start by a
// shorter name than it wrote.
bool EndsWithExe(std::wstring_view name);

class CommandText {
public:
    // Reads `command`; the views lie in it.
    explicit CommandText(std::wstring_view command);

    // The command without blanks around it.
    [[nodiscard]] std::wstring_view text() const { return text_; }
    [[nodiscard]] bool empty() const { return text_.empty(); }

    // A program in leading double quotes, and the arguments after it without the blanks around them.
    // An unterminated quote runs to the end of the text.
    struct QuotedProgram {
        std::wstring_view program;
        std::wstring_view arguments;
    };
    [[nodiscard]] const std::optional<QuotedProgram>& quoted() const { return quoted_; }

    // Unquoted: where each part of the text that ends before a run of blanks ends, longest first.
    [[nodiscard]] const std::vector<std::size_t>& partEnds() const { return partEnds_; }
    [[nodiscard]] std::wstring_view part(std::size_t end) const { return text_.substr(0, end); }
    // The arguments after a part, without the blanks around them.
    [[nodiscard]] std::wstring_view argumentsAfter(std::size_t end) const { return WithoutBlanksAround(text_.substr(end)); }
    // Unquoted: the text up to its first blank.
    [[nodiscard]] std::wstring_view firstWord() const { return partEnds_.empty() ? text_ : part(partEnds_.back()); }

    // The program that the command plainly names, for a report: the quoted text, or the shortest part
    // (or the whole text) that ends in ".exe" in any letter case; empty when it names none that way.
    [[nodiscard]] std::wstring_view plainlyNamed() const;

private:
    std::wstring_view text_;
    std::optional<QuotedProgram> quoted_;
    std::vector<std::size_t> partEnds_;
};

// `text` with each reference %Name% replaced by the value that `lookup` gives for Name. A reference
// without a value stays as written, and the text after it is read on from its closing percent sign,
// as Windows expands.
using VariableLookup = std::function<std::optional<std::wstring>(const std::wstring& name)>;
std::wstring ExpandReferences(std::wstring_view text, const VariableLookup& lookup);

}  // namespace orv
