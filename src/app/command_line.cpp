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

bool EndsWithExe(std::wstring_view name) {
    return name.size() >= 4 && EqualIgnoringAsciiCase(name.substr(name.size() - 4), L".exe");
}

CommandText::CommandText(std::wstring_view command) : text_(WithoutBlanksAround(command)) {
    if (!text_.empty() && text_.front() == L'"') {
        const auto closing = text_.find(L'"', 1);
        quoted_ = closing == std::wstring_view::npos
                      ? QuotedProgram{WithoutTrailingBlanks(text_.substr(1)), {}}
                      : QuotedProgram{text_.substr(1, closing - 1), WithoutBlanksAround(text_.substr(closing + 1))};
        return;
    }
    for (std::size_t at = text_.size(); at > 1; --at) {
        if (IsBlank(text_[at - 1]) && !IsBlank(text_[at - 2])) partEnds_.push_back(at - 1);
    }
}

std::wstring_view CommandText::plainlyNamed() const {
    if (quoted_) return quoted_->program;
    for (std::size_t at = partEnds_.size(); at-- > 0;) {  // the shortest part first
        if (EndsWithExe(part(partEnds_[at]))) return part(partEnds_[at]);
    }
    return EndsWithExe(text_) ? text_ : std::wstring_view();
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
