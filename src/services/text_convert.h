// UTF-8 <-> wide text for the few places where narrow text crosses into the program (skin files,
// standard exception messages). Malformed input never fails: bad bytes become U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace orv {

std::wstring WidenUtf8(std::string_view utf8);
std::string NarrowToUtf8(std::wstring_view wide);

}  // namespace orv
