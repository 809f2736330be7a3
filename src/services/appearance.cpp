#include "services/appearance.h"

#include "ports/failure.h"

namespace orv {
namespace {

// Dispatch identifiers of the skin component's members.
constexpr int kLoadSkin = 2;
constexpr int kOptions = 1;
constexpr int kOptionOne = 5;
constexpr int kOptionTwo = 10;
constexpr int kApplyWindow = 3;

constexpr std::size_t kMaxTitleLength = 40;

std::int32_t AsInt32(const DispatchValue& value) {
    if (const auto* number = std::get_if<std::int32_t>(&value)) return *number;
    if (const auto* flag = std::get_if<bool>(&value)) return *flag ? -1 : 0;
    if (std::holds_alternative<std::monostate>(value)) return 0;
    throw Failure(L"Type mismatch");
}

}  // namespace

void ApplySkin(Files& files, MainWindow& window, SkinComponent& skin) {
    if (files.findOrdinaryFile(window.programFolder() + kSkinFileSuffix).empty()) {
        return;
    }
    window.setBackColor(kButtonFaceColor);
    // The window holds none of the classic option buttons, check boxes, frames or labels whose
    // background would follow the window's, so there is no control to recolour here.
    const std::wstring path = window.programFolder() + kSkinFileSuffix;
    skin.invoke(kLoadSkin, DispatchKind::Method, {path, std::wstring()});
    const std::int32_t options = AsInt32(skin.invoke(kOptions, DispatchKind::PropertyGet, {}));
    skin.invoke(kOptions, DispatchKind::PropertyPut, {options | 1});
    skin.invoke(kOptionOne, DispatchKind::PropertyPut, {true});
    skin.invoke(kOptionTwo, DispatchKind::PropertyPut, {true});
    skin.invoke(kApplyWindow, DispatchKind::Method, {static_cast<std::int32_t>(window.handle())});
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
