#include "win32/text_case_adapter.h"

#include <windows.h>

#include <algorithm>

#include "services/ascii_case.h"
#include "win32/system_error.h"

namespace orv::win32 {

void WindowsTextCase::lowerInto(std::wstring_view text, std::wstring& lowered) {
    lowered.resize(text.size());
    // Plain ASCII, as most paths and commands are, lower-cases alike in every locale: without the call.
    if (std::ranges::all_of(text, [](wchar_t c) { return c < 0x80; })) {
        std::ranges::transform(text, lowered.begin(), AsciiLower);
        return;
    }
    const int length = static_cast<int>(text.size());
    // Lower-casing never changes the length of UTF-16 text, so one call with an equal buffer suffices.
    if (LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE, text.data(), length, lowered.data(), length, nullptr,
                      nullptr, 0) == 0) {
        ThrowLastError(L"Could not change letter case");
    }
}

}  // namespace orv::win32
