// Location texts that name each trapping procedure in an error report. They are fixed strings, kept as
// users have always seen them in screenshots sent to support; they are not derived from our own names.
#pragma once

namespace orv::location {

inline constexpr wchar_t kFormLoad[] = L"in Tarnwick2016/11/03.Form1.Form_Load ";
inline constexpr wchar_t kPushButton1Click[] = L"in Tarnwick2016/11/03.Form1.PushButton1_Click ";
inline constexpr wchar_t kPushButton2Click[] = L"in Tarnwick2016/11/03.Form1.PushButton2_Click ";
inline constexpr wchar_t kPushButton3Click[] = L"in Tarnwick2016/11/03.Form1.PushButton3_Click ";
inline constexpr wchar_t kPushButton4Click[] = L"in Tarnwick2016/11/03.Form1.PushButton4_Click ";
inline constexpr wchar_t kPushButton5Click[] = L"in Tarnwick2016/11/03.Form1.PushButton5_Click ";
inline constexpr wchar_t kPushButton6Click[] = L"in Tarnwick2016/11/03.Form1.PushButton6_Click ";
inline constexpr wchar_t kRefreshList[] = L"in Tarnwick2016/11/03.Reg.RefreshList ";

}  // namespace orv::location
