// The application title: the caption of every box that the program shows without a title of its own.
#pragma once

#include <string>

namespace orv {

// The product name cut at its last blank, at least once, until it has 40 characters or fewer. A name
// without a blank is cut to its first 40 characters instead.
std::wstring ApplicationTitleFor(std::wstring productName);

}  // namespace orv
