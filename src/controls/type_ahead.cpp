#include "controls/type_ahead.h"

namespace orv {

std::optional<std::size_t> FindRow(TextCase& textCase, std::size_t rowCount,
                                   const std::function<std::wstring_view(std::size_t)>& nameAt,
                                   const RowSearch& search) {
    if (search.text.empty() || rowCount == 0) return std::nullopt;
    const std::wstring sought = textCase.lower(search.text);
    const auto matches = [&](std::size_t row) {
        const std::wstring_view name = nameAt(row);
        if (search.prefix ? name.size() < sought.size() : name.size() != sought.size()) return false;
        // Only as much of the name is lowered as the comparison needs.
        return textCase.lower(name.substr(0, sought.size())) == sought;
    };
    const std::size_t start = search.start < rowCount ? search.start : 0;
    for (std::size_t row = start; row < rowCount; ++row) {
        if (matches(row)) return row;
    }
    for (std::size_t row = 0; search.wrap && row < start; ++row) {
        if (matches(row)) return row;
    }
    return std::nullopt;
}

}  // namespace orv
