// UTF-8 to wide text, for the few places where narrow text crosses into the program (skin files,
// standard exception messages). Malformed input never fails: bad bytes become U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace orv {

std::wstring WidenUtf8(std::string_view utf8);

}  // namespace orv
