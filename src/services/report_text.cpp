#include "services/report_text.h"

namespace orv {
namespace {

bool IsHidden(wchar_t c) {
    const auto code = static_cast<unsigned>(c);
    return code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x061C || (code >= 0x200B && code <= 0x200F) ||
           (code >= 0x202A && code <= 0x202E) || (code >= 0x2060 && code <= 0x2069) || code == 0xFEFF;
}

void AppendName(std::wstring& out, wchar_t c) {
    switch (c) {
    case L'\r': out += L"\\r"; return;
    case L'\n': out += L"\\n"; return;
    case L'\t': out += L"\\t"; return;
    default: break;
    }
    constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    const auto code = static_cast<unsigned>(c);
    out += L"<U+";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(code >> shift) & 0xFu];
    out += L'>';
}

}  // namespace

std::wstring ForReport(std::wstring_view text) {
    std::wstring shown;
    shown.reserve(text.size());
    for (const wchar_t c : text) {
        if (IsHidden(c)) {
            AppendName(shown, c);
        } else {
            shown += c;
        }
    }
    return shown;
}

}  // namespace orv
