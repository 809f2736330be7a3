// The order of names as Windows sorts them for the user, behind the core's Collation port.
#pragma once

#include "ports/collation.h"

namespace orv::win32 {

class WindowsCollation final : public Collation {
public:
    void appendSortKey(std::wstring_view text, std::string& keys) override;
};

}  // namespace orv::win32
