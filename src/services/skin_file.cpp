#include "services/skin_file.h"

#include <algorithm>
#include <array>
#include <utility>

#include "ports/failure.h"
#include "services/text_convert.h"

namespace orv {
namespace {

using ColourField = std::optional<Colour> Skin::*;

constexpr std::array<std::pair<std::string_view, ColourField>, 10> kKeys{{
    {"window.background", &Skin::windowBackground},
    {"button.face", &Skin::buttonFace},
    {"button.text", &Skin::buttonText},
    {"button.hot", &Skin::buttonHot},
    {"button.pressed", &Skin::buttonPressed},
    {"button.border", &Skin::buttonBorder},
    {"button.focus", &Skin::buttonFocus},
    {"list.background", &Skin::listBackground},
    {"list.text", &Skin::listText},
    {"list.header", &Skin::listHeader},
}};

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

[[noreturn]] void Reject(const std::wstring& fileName, int line, const std::wstring& problem) {
    std::wstring where = L"The skin file \"" + fileName + L"\"";
    if (line > 0) where += L", line " + std::to_wstring(line);
    throw Failure(where + L": " + problem);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<Colour> ParseColour(std::string_view text) {
    if (text.size() != 7 || text[0] != '#') return std::nullopt;
    unsigned rgb = 0;
    for (std::size_t i = 1; i < 7; ++i) {
        const int digit = HexDigit(text[i]);
        if (digit < 0) return std::nullopt;
        rgb = (rgb << 4) | static_cast<unsigned>(digit);
    }
    return Colour::Rgb(rgb >> 16, rgb >> 8, rgb);
}

// Text is valid UTF-8 without NUL characters. (A replacement character that the file itself holds is
// text too, so compare the counts.)
bool IsText(std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos) return false;
    const std::wstring wide = WidenUtf8(bytes);
    const auto decoded = std::count(wide.begin(), wide.end(), L'\uFFFD');
    std::size_t written = 0;
    for (auto at = bytes.find("\xEF\xBF\xBD"); at != std::string_view::npos; at = bytes.find("\xEF\xBF\xBD", at + 3)) {
        ++written;
    }
    return std::cmp_equal(decoded, written);
}

}  // namespace

Skin ParseSkin(std::string_view bytes, const std::wstring& fileName) {
    if (bytes.size() > kMaxSkinFileBytes) {
        Reject(fileName, 0, L"the file is larger than " + std::to_wstring(kMaxSkinFileBytes / 1024) + L" KiB");
    }
    if (!IsText(bytes)) Reject(fileName, 0, L"the file is not UTF-8 text");
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);

    Skin skin;
    int lineNumber = 0;
    while (!bytes.empty()) {
        ++lineNumber;
        const auto end = bytes.find('\n');
        const std::string_view line = Trim(bytes.substr(0, end));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (line.empty() || line.front() == '#') continue;

        const auto equals = line.find('=');
        if (equals == std::string_view::npos) Reject(fileName, lineNumber, L"expected \"key = value\"");
        const std::string_view key = Trim(line.substr(0, equals));
        const std::string_view value = Trim(line.substr(equals + 1));
        ColourField field = nullptr;
        for (const auto& [name, member] : kKeys) {
            if (name == key) field = member;
        }
        if (field == nullptr) Reject(fileName, lineNumber, L"unknown key \"" + WidenUtf8(key) + L"\"");
        const auto colour = ParseColour(value);
        if (!colour) Reject(fileName, lineNumber, L"\"" + WidenUtf8(value) + L"\" is not a colour of the form #RRGGBB");
        if ((skin.*field).has_value()) Reject(fileName, lineNumber, L"\"" + WidenUtf8(key) + L"\" is set twice");
        skin.*field = colour;
    }
    return skin;
}

}  // namespace orv
