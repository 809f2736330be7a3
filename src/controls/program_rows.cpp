#include "controls/program_rows.h"

#include <algorithm>
#include <utility>

#include "ports/failure.h"

namespace orv {

void ProgramRows::clear() {
    rows_.clear();
    unsorted_ = false;
}

std::size_t ProgramRows::add(std::wstring text) {
    std::string sortKey = collation_.sortKey(text);
    Row row{std::move(text), {}, false, std::move(sortKey)};
    if (deferred_) {
        rows_.push_back(std::move(row));
        unsorted_ = true;
        return rows_.size();
    }
    const auto place = std::upper_bound(rows_.begin(), rows_.end(), row, &ByName);
    const auto index = static_cast<std::size_t>(place - rows_.begin());
    rows_.insert(place, std::move(row));
    return index + 1;
}

void ProgramRows::deferSorting(bool deferred) {
    deferred_ = deferred;
    if (deferred_ || !unsorted_) return;
    std::stable_sort(rows_.begin(), rows_.end(), &ByName);
    unsorted_ = false;
}

const std::wstring& ProgramRows::subItem(std::size_t row, int subItem) const {
    return at(row).subItems[SlotOf(subItem)];
}

void ProgramRows::setSubItem(std::size_t row, int subItem, std::wstring text) {
    at(row).subItems[SlotOf(subItem)] = std::move(text);
}

void ProgramRows::setAllChecked(bool checked) {
    for (auto& row : rows_) row.checked = checked;
}

bool ProgramRows::sameRows(const ProgramRows& other, std::size_t first, std::size_t last) const {
    const auto begin = std::max<std::size_t>(first, 1) - 1;
    const auto end = std::min(last, std::max(count(), other.count()));
    if (begin >= end) return true;
    if (end > count() || end > other.count()) return false;
    const auto offset = static_cast<std::ptrdiff_t>(begin);
    return std::equal(rows_.begin() + offset, rows_.begin() + static_cast<std::ptrdiff_t>(end), other.rows_.begin() + offset);
}

bool ProgramRows::ByName(const Row& a, const Row& b) {
    return a.sortKey < b.sortKey;
}

std::size_t ProgramRows::IndexOf(std::size_t row) const {
    if (!has(row)) throw Failure(L"Index out of bounds: the program list has no row " + std::to_wstring(row));
    return row - 1;
}

std::size_t ProgramRows::SlotOf(int subItem) {
    if (subItem < 1 || subItem > 3) throw Failure(L"Invalid property value: there is no sub-item " + std::to_wstring(subItem));
    return static_cast<std::size_t>(subItem - 1);
}

}  // namespace orv
