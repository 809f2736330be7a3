// What the start-up and the handlers ask of the main window itself.
#pragma once

#include <string>

#include "ports/colour.h"
#include "ports/skin.h"

namespace orv {

// One pointer setting for the whole window, numbered as the classic pointer property numbers them.
enum class PointerSetting : int { Default = 0, Custom = 99 };

class MainWindow {
public:
    virtual ~MainWindow() = default;

    virtual void setCaption(const std::wstring& caption) = 0;
    virtual void useApplicationIcon() = 0;
    virtual void setBackColour(Colour colour) = 0;
    // Draws the window and its controls in the skin's colours.
    virtual void applySkin(const Skin& skin) = 0;

    // Loads a cursor file as the window's custom pointer image; throws when it is not a cursor.
    virtual void loadCustomPointer(const std::wstring& path) = 0;
    virtual void setPointer(PointerSetting setting) = 0;
};

}  // namespace orv
