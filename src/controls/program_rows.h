// The rows of the program list: each a name with three sub-items and a tick, kept sorted by name as
// Windows' own list of programs is (ignoring case; equal names keep the order they came in). Rows are
// counted from 1; asking for a row or sub-item that is not there throws Failure.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "ports/collation.h"

namespace orv {

class ProgramRows {
public:
    explicit ProgramRows(Collation& collation) : collation_(collation) {}

    void clear();
    // Adds an unticked row where its name sorts and answers its position. While sorting is deferred the
    // row goes last, and all such rows are sorted at once when it resumes.
    std::size_t add(std::wstring text);
    void deferSorting(bool deferred);

    [[nodiscard]] std::size_t count() const { return rows_.size(); }
    [[nodiscard]] bool has(std::size_t row) const { return row >= 1 && row <= rows_.size(); }
    [[nodiscard]] const std::wstring& text(std::size_t row) const { return at(row).text; }
    [[nodiscard]] const std::wstring& subItem(std::size_t row, int subItem) const;
    void setSubItem(std::size_t row, int subItem, std::wstring text);
    [[nodiscard]] bool checked(std::size_t row) const { return at(row).checked; }
    void setChecked(std::size_t row, bool checked) { at(row).checked = checked; }
    void setAllChecked(bool checked);
    // Whether rows `first` to `last` (those of them that either has) read and are ticked alike in both.
    [[nodiscard]] bool sameRows(const ProgramRows& other, std::size_t first, std::size_t last) const;

private:
    struct Row {
        std::wstring text;
        std::array<std::wstring, 3> subItems;  // sub-items 1 to 3
        bool checked = false;
        std::string sortKey;
        bool operator==(const Row&) const = default;
    };

    static bool ByName(const Row& a, const Row& b);
    [[nodiscard]] std::size_t IndexOf(std::size_t row) const;
    Row& at(std::size_t row) { return rows_[IndexOf(row)]; }
    [[nodiscard]] const Row& at(std::size_t row) const { return rows_[IndexOf(row)]; }
    static std::size_t SlotOf(int subItem);

    Collation& collation_;
    std::vector<Row> rows_;
    bool deferred_ = false;
    bool unsorted_ = false;
};

}  // namespace orv
