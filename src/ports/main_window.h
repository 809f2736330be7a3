// What the start-up and the handlers ask of the main window itself.
#pragma once

#include <cstdint>
#include <string>

#include "ports/skin.h"

namespace orv {

// One pointer setting for the whole window, with the platform's codes.
enum class PointerSetting : int { Default = 0, Custom = 99 };

// A colour as the classic colour properties take it: RGB, or a system colour index with the high bit set.
using OleColor = std::uint32_t;
inline constexpr OleColor kButtonFaceColor = 0x8000000F;
inline constexpr OleColor kWhite = 0x00FFFFFF;

class MainWindow {
public:
    virtual ~MainWindow() = default;

    virtual void setCaption(const std::wstring& caption) = 0;
    virtual void useApplicationIcon() = 0;
    virtual void setBackColor(OleColor color) = 0;
    // Draws the window, and as the options say its controls, in the skin's colours.
    virtual void applySkin(const Skin& skin, const SkinOptions& options) = 0;

    // Loads a cursor file as the window's custom pointer image; throws when it is not a cursor.
    virtual void loadCustomPointer(const std::wstring& path) = 0;
    virtual PointerSetting pointer() = 0;
    virtual void setPointer(PointerSetting setting) = 0;

    virtual std::uintptr_t handle() = 0;
};

}  // namespace orv
