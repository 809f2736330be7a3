#include "win32/window_resources.h"

#include <array>

#include "win32/system_error.h"

namespace orv::win32 {

UniqueHfont MakeArialBold(int centiPoints, UINT dpi) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(centiPoints, static_cast<int>(dpi), 7200);
    font.lfWeight = FW_BOLD;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    wcscpy_s(font.lfFaceName, L"Arial");
    UniqueHfont made(CreateFontIndirectW(&font));
    if (!made) ThrowLastError(L"Could not make the Arial font");
    return made;
}

ApplicationIcons LoadApplicationIcons(UINT dpi) {
    constexpr int kApplicationIconId = 1;
    const auto load = [dpi](int widthMetric, int heightMetric) {
        return UniqueHicon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kApplicationIconId),
                                                         IMAGE_ICON, GetSystemMetricsForDpi(widthMetric, dpi),
                                                         GetSystemMetricsForDpi(heightMetric, dpi), 0)));
    };
    ApplicationIcons icons{load(SM_CXICON, SM_CYICON), load(SM_CXSMICON, SM_CYSMICON)};
    if (!icons.large || !icons.caption) ThrowLastError(L"Could not load the application icon");
    return icons;
}

UniqueHicon MakeBlankIcon() {
    constexpr int kSide = 32;
    std::array<BYTE, kSide * kSide / 8> andMask{};
    andMask.fill(0xFF);  // every pixel shows what is behind it
    const std::array<BYTE, kSide * kSide / 8> xorMask{};
    return UniqueHicon(CreateIcon(GetModuleHandleW(nullptr), kSide, kSide, 1, 1, andMask.data(), xorMask.data()));
}

}  // namespace orv::win32
