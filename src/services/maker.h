// Who makes the program and where users reach them. The addresses are the build's settings, which
// whoever publishes a release gives (CMakeLists.txt).
#pragma once

#include "services/maker_addresses.h"

namespace orv::maker {

inline constexpr wchar_t kProductName[] = L"Orvendale Software";
inline constexpr wchar_t kTeamName[] = L"Team Kestrune";

}  // namespace orv::maker
