// Letter case as the platform maps it.
#pragma once

#include <string>
#include <string_view>

namespace orv {

class TextCase {
public:
    virtual ~TextCase() = default;
    // Writes `text` lower-cased into `lowered`, reusing its room; `text` must not lie inside it.
    virtual void lowerInto(std::wstring_view text, std::wstring& lowered) = 0;

    std::wstring lower(std::wstring_view text) {
        std::wstring lowered;
        lowerInto(text, lowered);
        return lowered;
    }
};

}  // namespace orv
