// Who makes the program and where users reach them: the one place for these addresses.
#pragma once

namespace orv::maker {

inline constexpr wchar_t kProductName[] = L"Orvendale Software";
inline constexpr wchar_t kTeamName[] = L"Team Kestrune";
inline constexpr wchar_t kSupportEmail[] = L"support@orvendale.example";
inline constexpr wchar_t kContactPage[] = L"https://orvendale.example/contact";
inline constexpr wchar_t kHomePage[] = L"https://orvendale.example/";

}  // namespace orv::maker
