#include "app/command_line.h"

#include "services/ascii_case.h"

namespace orv {
namespace {

std::wstring_view WithoutLeadingBlanks(std::wstring_view text) {
    std::size_t from = 0;
    while (from < text.size() && IsBlank(text[from])) ++from;
    return text.substr(from);
}

std::wstring_view WithoutTrailingBlanks(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

std::wstring_view WithoutBlanksAround(std::wstring_view text) {
    return WithoutTrailingBlanks(WithoutLeadingBlanks(text));
}

std::optional<QuotedProgram> LeadingQuotedProgram(std::wstring_view text) {
    text = WithoutLeadingBlanks(text);
    if (text.empty() || text.front() != L'"') return std::nullopt;
    const auto closing = text.find(L'"', 1);
    if (closing == std::wstring_view::npos) return QuotedProgram{WithoutTrailingBlanks(text.substr(1)), {}};
    return QuotedProgram{text.substr(1, closing - 1), WithoutBlanksAround(text.substr(closing + 1))};
}

std::vector<std::size_t> PrefixEnds(std::wstring_view text) {
    std::vector<std::size_t> ends;
    for (std::size_t at = text.size(); at > 1; --at) {
        if (IsBlank(text[at - 1]) && !IsBlank(text[at - 2])) ends.push_back(at - 1);
    }
    return ends;
}

std::wstring_view PlainlyNamedProgram(std::wstring_view text) {
    if (const auto quoted = LeadingQuotedProgram(text)) return quoted->program;
    for (std::size_t at = 0; at + 4 <= text.size(); ++at) {
        const bool wordEnds = at + 4 == text.size() || IsBlank(text[at + 4]);
        if (wordEnds && EqualIgnoringAsciiCase(text.substr(at, 4), L".exe")) return text.substr(0, at + 4);
    }
    return {};
}

std::wstring ExpandReferences(std::wstring_view text, const VariableLookup& lookup) {
    std::wstring expanded;
    expanded.reserve(text.size());
    while (!text.empty()) {
        const auto opening = text.find(L'%');
        const auto closing = opening == std::wstring_view::npos ? opening : text.find(L'%', opening + 1);
        if (closing == std::wstring_view::npos) break;
        expanded.append(text.substr(0, opening));
        const auto value = lookup(std::wstring(text.substr(opening + 1, closing - opening - 1)));
        expanded.append(value ? std::wstring_view(*value) : text.substr(opening, closing - opening + 1));
        text.remove_prefix(closing + 1);
    }
    expanded.append(text);
    return expanded;
}

}  // namespace orv
