// How names are ordered for the user: the user's own collation, ignoring letter case.
#pragma once

#include <string>
#include <string_view>

namespace orv {

class Collation {
public:
    virtual ~Collation() = default;
    // Appends to `keys` a key whose byte order is the order of the texts.
    virtual void appendSortKey(std::wstring_view text, std::string& keys) = 0;
};

}  // namespace orv
