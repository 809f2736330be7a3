// Texts one after another in one block, each named by the span where it lies: thousands of texts cost a
// handful of allocations, and clearing keeps the room for the next ones.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TextBlock {
public:
    struct Span {
        std::size_t start = 0;
        std::size_t length = 0;
    };

    // Keeps a copy of `text`, which may itself lie in this block.
    Span add(std::wstring_view text) {
        const Span span{texts_.size(), text.size()};
        texts_.append(text);
        return span;
    }
    // A text no longer than the one it replaces takes its place; a longer one goes after all others.
    void replace(Span& span, std::wstring_view text) {
        if (text.size() <= span.length) {
            texts_.replace(span.start, text.size(), text);
            span.length = text.size();
        } else {
            span = add(text);
        }
    }
    [[nodiscard]] std::wstring_view operator[](Span span) const {
        return std::wstring_view(texts_).substr(span.start, span.length);
    }
    void clear() { texts_.clear(); }

private:
    std::wstring texts_;
};

// Texts in the order they were added, in one block; each costs the block its characters and one
// number for where it ends.
class TextList {
public:
    void add(std::wstring_view text) {
        const auto span = block_.add(text);
        ends_.push_back(span.start + span.length);
    }
    [[nodiscard]] std::size_t size() const { return ends_.size(); }
    [[nodiscard]] std::wstring_view operator[](std::size_t at) const {
        const std::size_t start = at == 0 ? 0 : ends_[at - 1];
        return block_[{start, ends_[at] - start}];
    }
    void clear() {
        block_.clear();
        ends_.clear();
    }

private:
    TextBlock block_;
    std::vector<std::size_t> ends_;
};

}  // namespace orv
