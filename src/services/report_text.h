// Text from the registry as a report quotes it: what any program can write there must not rewrite the
// box that shows it.
#pragma once

#include <string>
#include <string_view>

namespace orv {

// `text` with every control character (C0, DEL and C1) and every invisible formatting or direction
// character shown by name: "\r", "\n" and "\t" for the line breaks and the tab, "<U+202E>" for the
// others. So a line break cannot add a forged line to the box, nor a direction mark turn
// "...Acc<U+202E>gpj.exe" into "...exe.jpg". The list itself shows names as read.
std::wstring ForReport(std::wstring_view text);

}  // namespace orv
