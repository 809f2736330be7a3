#include "services/appearance.h"

#include "ports/failure.h"

namespace orv {
namespace {

constexpr std::size_t kMaxTitleLength = 40;

std::int32_t AsInt32(const DispatchValue& value) {
    if (const auto* number = std::get_if<std::int32_t>(&value)) return *number;
    if (const auto* flag = std::get_if<bool>(&value)) return *flag ? -1 : 0;
    if (std::holds_alternative<std::monostate>(value)) return 0;
    throw Failure(L"Type mismatch");
}

}  // namespace

void ApplySkin(Files& files, MainWindow& window, SkinComponent& skin) {
    const std::wstring path = files.programFolder() + kSkinFileSuffix;
    if (files.findOrdinaryFile(path).empty()) {
        return;
    }
    window.setBackColor(kButtonFaceColor);
    // The window holds none of the classic option buttons, check boxes, frames or labels whose
    // background would follow the window's, so there is no control to recolour here.
    skin.invoke(kSkinLoad, DispatchKind::Method, {path, std::wstring()});
    const std::int32_t options = AsInt32(skin.invoke(kSkinOptionWord, DispatchKind::PropertyGet, {}));
    skin.invoke(kSkinOptionWord, DispatchKind::PropertyPut, {options | 1});
    skin.invoke(kSkinHotTracking, DispatchKind::PropertyPut, {true});
    skin.invoke(kSkinListHeader, DispatchKind::PropertyPut, {true});
    skin.invoke(kSkinApplyWindow, DispatchKind::Method, {static_cast<std::int32_t>(window.handle())});
}

bool FileExistsProbe(Files& files, const std::wstring& path) {
    try {
        files.readModificationTime(path);
        return true;
    } catch (...) {
        return false;
    }
}

std::wstring ApplicationTitleFor(std::wstring title) {
    do {
        const auto blank = title.rfind(L' ');
        if (blank == std::wstring::npos) {
            return title.substr(0, kMaxTitleLength);
        }
        title.resize(blank);
    } while (title.size() > kMaxTitleLength);
    return title;
}

}  // namespace orv
