// What Windows documents, written out for the tests rather than taken from the program: a test that
// compared the program with its own constants would pass whatever they said.
#pragma once

#include <windows.h>

namespace orv::e2e {

// Where "Add Or Remove Programs" keeps its entries, under each hive and view.
inline constexpr wchar_t kUninstallPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// A list row's check box, in the state image bits (12 to 15) of its state: with LVS_EX_CHECKBOXES
// image 1 is the empty box and image 2 the ticked one.
inline constexpr UINT kEmptyBox = 1u << 12;
inline constexpr UINT kTickedBox = 2u << 12;

}  // namespace orv::e2e
