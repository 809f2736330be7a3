#include "controls/button_behaviour.h"

namespace orv {

ButtonBehaviour::Outcome ButtonBehaviour::setPressed(bool pressed) {
    const bool changed = pressed_ != pressed;
    pressed_ = pressed;
    return {changed, false};
}

ButtonBehaviour::Outcome ButtonBehaviour::mouseDown() {
    holdingMouse_ = true;
    return setPressed(true);
}

ButtonBehaviour::Outcome ButtonBehaviour::mouseUp(bool overButton) {
    if (!holdingMouse_) return {};
    holdingMouse_ = false;
    return {setPressed(false).changed, overButton};
}

// A held mouse button shows pressed only while the pointer is over the button.
ButtonBehaviour::Outcome ButtonBehaviour::mouseMove(bool overButton) {
    const bool becameHot = !hot_;
    hot_ = true;
    const bool pressedChanged = holdingMouse_ && setPressed(overButton).changed;
    return {becameHot || pressedChanged, false};
}

ButtonBehaviour::Outcome ButtonBehaviour::mouseLeave() {
    const bool changed = hot_;
    hot_ = false;
    return {changed, false};
}

ButtonBehaviour::Outcome ButtonBehaviour::captureLost() {
    holdingMouse_ = false;
    return setPressed(false);
}

ButtonBehaviour::Outcome ButtonBehaviour::spaceDown() {
    holdingSpace_ = true;
    return setPressed(true);
}

ButtonBehaviour::Outcome ButtonBehaviour::spaceUp() {
    if (!holdingSpace_) return {};
    holdingSpace_ = false;
    return {setPressed(false).changed, true};
}

// A key or mouse button held when the focus moves is let go without a click.
ButtonBehaviour::Outcome ButtonBehaviour::focusChanged() {
    holdingSpace_ = false;
    return setPressed(false);
}

}  // namespace orv
