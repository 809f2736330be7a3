// The text of an uninstall command as installers write it: blanks, a leading quoted program, the
// places where a program written without quotes may end, and environment references.
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

// A program in leading double quotes and the arguments after them, without the blanks around them.
// An unterminated quote runs to the end of the text.
struct QuotedProgram {
    std::wstring_view program;
    std::wstring_view arguments;
};
// Nothing when `text` (without blanks around) does not begin with a quote.
std::optional<QuotedProgram> LeadingQuotedProgram(std::wstring_view text);

// Where each prefix of `text` that ends before a run of blanks ends, longest first.
std::vector<std::size_t> PrefixEnds(std::wstring_view text);

// The program that a command plainly names, for a report: the quoted text, or the text up to the first
// ".exe" that ends a word (in any letter case); empty when it names none that way.
std::wstring_view PlainlyNamedProgram(std::wstring_view text);

// `text` with each reference %Name% replaced by the value that `lookup` gives for Name. A reference
// without a value stays as written, and the text after it is read on from its closing percent sign,
// as Windows expands.
using VariableLookup = std::function<std::optional<std::wstring>(const std::wstring& name)>;
std::wstring ExpandReferences(std::wstring_view text, const VariableLookup& lookup);

}  // namespace orv
