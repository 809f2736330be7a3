// The rows of the program list: each a name with three sub-items and a tick, kept sorted by name as
// Windows' own list of programs is (ignoring case; equal names keep the order they came in). Rows are
// counted from 1; asking for a row or sub-item that is not there throws Failure.
//
// The texts and sort keys of all rows lie one after another in two blocks, rather than in strings of
// their own: a list of thousands of rows is built, sorted and let go with a handful of allocations,
// and clearing it keeps the room for the next rows.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ports/collation.h"
#include "ports/program_list.h"
#include "ports/registry.h"
#include "services/text_block.h"

namespace orv {

class ProgramRows {
public:
    explicit ProgramRows(Collation& collation) : collation_(&collation) {}

    void clear();
    // Adds an unticked row where its name sorts and answers its position. While sorting is deferred the
    // row goes last, and all such rows are sorted at once when it resumes.
    std::size_t add(std::wstring_view text, RegistrySource source);
    void deferSorting(bool deferred);

    [[nodiscard]] std::size_t count() const { return rows_.size(); }
    [[nodiscard]] bool has(std::size_t row) const { return row >= 1 && row <= rows_.size(); }
    [[nodiscard]] std::wstring_view text(std::size_t row) const { return texts_[at(row).texts[0]]; }
    [[nodiscard]] std::wstring_view subItem(std::size_t row, int subItem) const;
    void setSubItem(std::size_t row, int subItem, std::wstring_view text);
    [[nodiscard]] RegistrySource source(std::size_t row) const { return at(row).source; }
    [[nodiscard]] bool checked(std::size_t row) const { return at(row).checked; }
    void setChecked(std::size_t row, bool checked) { at(row).checked = checked; }
    void setAllChecked(bool checked);
    // Whether rows `first` to `last` (those of them that either has) read, come from and are ticked alike
    // in both.
    [[nodiscard]] bool sameRows(const ProgramRows& other, std::size_t first, std::size_t last) const;

private:
    // Where a key lies in `sortKeys_`.
    struct KeySpan {
        std::size_t start = 0;
        std::size_t length = 0;
    };
    struct Row {
        std::array<TextBlock::Span, kColumnCount> texts;  // the name, then the sub-items
        KeySpan sortKey;
        RegistrySource source = RegistrySource::Machine64;
        bool checked = false;
    };

    [[nodiscard]] bool sortsBefore(const Row& a, const Row& b) const;
    [[nodiscard]] bool sameRow(const Row& mine, const ProgramRows& other, const Row& theirs) const;
    [[nodiscard]] std::size_t indexOf(std::size_t row) const;
    Row& at(std::size_t row) { return rows_[indexOf(row)]; }
    [[nodiscard]] const Row& at(std::size_t row) const { return rows_[indexOf(row)]; }
    static std::size_t slotOf(int subItem);

    Collation* collation_;
    TextBlock texts_;       // every row's texts
    std::string sortKeys_;  // every row's sort key, one after another
    std::vector<Row> rows_;
    bool deferred_ = false;
    bool unsorted_ = false;
};

}  // namespace orv
