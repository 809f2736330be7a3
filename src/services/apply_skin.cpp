#include "services/apply_skin.h"

#include "ports/failure.h"
#include "services/skin_file.h"

namespace orv {
namespace {

Skin ReadSkinFile(Files& files, const std::wstring& path) {
    std::string bytes;
    try {
        // One byte past the bound, so that the parser sees a file that is too large as such.
        bytes = files.readFile(path, kMaxSkinFileBytes + 1);
    } catch (const Failure& unreadable) {
        throw Failure(L"The skin file \"" + path + L"\" cannot be read: " + unreadable.description());
    }
    return ParseSkin(bytes, path);
}

}  // namespace

void ApplySkin(Files& files, MainWindow& window) {
    const std::wstring path = files.programFolder() + kSkinFileSuffix;
    if (!files.isOrdinaryFile(path)) {
        return;
    }
    window.setBackColour(kButtonFaceColour);
    // The window holds none of the classic option buttons, check boxes, frames or labels whose
    // background would follow the window's, so there is no control to recolour here.
    window.applySkin(ReadSkinFile(files, path));
}

}  // namespace orv
