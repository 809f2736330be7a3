// How names are ordered for the user: the user's own collation, ignoring letter case.
#pragma once

#include <string>

namespace orv {

class Collation {
public:
    virtual ~Collation() = default;
    // A key whose byte order is the order of the texts.
    virtual std::string sortKey(const std::wstring& text) = 0;
};

}  // namespace orv
