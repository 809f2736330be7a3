// Finding a row by the first letters of its name, as typing in a list does.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ports/text_case.h"

namespace orv {

struct RowSearch {
    std::wstring text;     // what was typed
    std::size_t start = 0; // the row to look at first (from 0); past the end counts as 0
    bool prefix = true;    // names that start with the text; otherwise names equal to it
    bool wrap = true;      // after the last row, go on from the first up to `start`
};

// The first row from `start` on whose name matches, ignoring case; nothing when none does or the text
// is empty.
std::optional<std::size_t> FindRow(TextCase& textCase, std::size_t rowCount,
                                   const std::function<std::wstring_view(std::size_t)>& nameAt,
                                   const RowSearch& search);

}  // namespace orv
