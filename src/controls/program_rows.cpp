#include "controls/program_rows.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "ports/failure.h"

namespace orv {
namespace {

// Eight key bytes as one number that orders as the bytes do.
std::uint64_t BigEndianWord(const char* bytes) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
    if constexpr (std::endian::native == std::endian::big) return word;
#if defined(_MSC_VER)
    return _byteswap_uint64(word);
#else
    return __builtin_bswap64(word);
#endif
}

// The byte order of two keys, eight bytes at a time. The keys of similar names share long beginnings
// ("Microsoft Visual C++ 20..."), and this halves the time of a sort against the C runtime's memcmp.
bool KeyLess(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    std::size_t at = 0;
    for (; at + 8 <= common; at += 8) {
        const std::uint64_t left = BigEndianWord(a.data() + at);
        const std::uint64_t right = BigEndianWord(b.data() + at);
        if (left != right) return left < right;
    }
    return a.substr(at) < b.substr(at);
}

}  // namespace

void ProgramRows::clear() {
    texts_.clear();
    sortKeys_.clear();
    rows_.clear();
    unsorted_ = false;
}

std::size_t ProgramRows::add(std::wstring_view text, RegistrySource source) {
    Row row;
    row.source = source;
    row.sortKey.start = sortKeys_.size();
    collation_->appendSortKey(text, sortKeys_);
    row.sortKey.length = sortKeys_.size() - row.sortKey.start;
    row.texts[0] = texts_.add(text);  // last: the text may lie in the block that keeping it moves
    if (deferred_) {
        rows_.push_back(row);
        unsorted_ = true;
        return rows_.size();
    }
    const auto place =
        std::ranges::upper_bound(rows_, row, [this](const Row& a, const Row& b) { return sortsBefore(a, b); });
    const auto index = static_cast<std::size_t>(place - rows_.begin());
    rows_.insert(place, row);
    return index + 1;
}

void ProgramRows::deferSorting(bool deferred) {
    deferred_ = deferred;
    if (deferred_ || !unsorted_) return;
    std::ranges::stable_sort(rows_, [this](const Row& a, const Row& b) { return sortsBefore(a, b); });
    unsorted_ = false;
}

std::wstring_view ProgramRows::subItem(std::size_t row, int subItem) const {
    return texts_[at(row).texts[slotOf(subItem)]];
}

void ProgramRows::setSubItem(std::size_t row, int subItem, std::wstring_view text) {
    texts_.replace(at(row).texts[slotOf(subItem)], text);
}

void ProgramRows::setAllChecked(bool checked) {
    for (auto& row : rows_) row.checked = checked;
}

bool ProgramRows::sameRows(const ProgramRows& other, std::size_t first, std::size_t last) const {
    const auto begin = std::max<std::size_t>(first, 1) - 1;
    const auto end = std::min(last, std::max(count(), other.count()));
    if (begin >= end) return true;
    if (end > count() || end > other.count()) return false;
    for (auto index = begin; index < end; ++index) {
        if (!sameRow(rows_[index], other, other.rows_[index])) return false;
    }
    return true;
}

bool ProgramRows::sortsBefore(const Row& a, const Row& b) const {
    const std::string_view keys = sortKeys_;
    return KeyLess(keys.substr(a.sortKey.start, a.sortKey.length), keys.substr(b.sortKey.start, b.sortKey.length));
}

bool ProgramRows::sameRow(const Row& mine, const ProgramRows& other, const Row& theirs) const {
    if (mine.checked != theirs.checked || mine.source != theirs.source) return false;
    for (std::size_t slot = 0; slot < mine.texts.size(); ++slot) {
        if (texts_[mine.texts[slot]] != other.texts_[theirs.texts[slot]]) return false;
    }
    return true;
}

std::size_t ProgramRows::indexOf(std::size_t row) const {
    if (!has(row)) throw Failure(L"Index out of bounds: the program list has no row " + std::to_wstring(row));
    return row - 1;
}

std::size_t ProgramRows::slotOf(int subItem) {
    if (subItem <= kNameColumn || subItem >= kColumnCount) throw Failure(L"Invalid property value: there is no sub-item " + std::to_wstring(subItem));
    return static_cast<std::size_t>(subItem);
}

}  // namespace orv
