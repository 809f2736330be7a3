// The main window's form as it is designed: its size, where each control stands and what it says, in
// twips (1/1440 inch, so the form keeps its size on a screen of any DPI), and its fonts.
#pragma once

#include <array>

#include "app/form1.h"

namespace orv::win32 {

inline constexpr int kClientWidthTwips = 8040;
inline constexpr int kClientHeightTwips = 7230;

struct ControlPlace {
    int left, top, width, height;
};
inline constexpr ControlPlace kListPlace{120, 630, 7800, 3945};

// The six buttons: what each says, where it stands and what it does. In tab order: the list first,
// then these.
struct ButtonPlace {
    const wchar_t* caption;
    ControlPlace place;
    void (Form1::*handler)();
};
inline constexpr std::array<ButtonPlace, 6> kButtons{{
    {L"Uninstall Selected Entry From Computer", {120, 6200, 7800, 405}, &Form1::uninstallTicked},
    {L"Help", {120, 120, 7800, 405}, &Form1::showHelp},
    {L"Select All Containing This Text", {120, 4670, 7800, 405}, &Form1::tickContaining},
    {L"Select All Not Containing This Text", {120, 5180, 7800, 405}, &Form1::tickNotContaining},
    {L"Refresh/Update \"Add Or Remove Programs\" List", {120, 6710, 7800, 405}, &Form1::refresh},
    {L"Unselect All", {120, 5690, 7800, 405}, &Form1::untickAll},
}};

inline constexpr wchar_t kListTooltip[] = L"Move | line to right and out of window to reveal full names.";

// Arial bold, in hundredths of a point: 9 pt for the window and the list, 11.25 pt for the buttons.
inline constexpr int kWindowFontCentiPoints = 900;
inline constexpr int kButtonFontCentiPoints = 1125;

}  // namespace orv::win32
