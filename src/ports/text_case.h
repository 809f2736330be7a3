// Letter case as the platform maps it.
#pragma once

#include <string>

namespace orv {

class TextCase {
public:
    virtual ~TextCase() = default;
    virtual std::wstring lower(const std::wstring& text) = 0;
};

}  // namespace orv
