// What a push button does as the mouse and the keyboard act on it, as a system button does: it shows
// pressed while the mouse button is held down over it or Space is held, hot under the pointer, and
// clicks when the mouse button is released over it, Space is released, or Enter is pressed.
#pragma once

namespace orv {

class ButtonBehaviour {
public:
    struct Outcome {
        bool changed = false;  // pressed or hot changed: the button repaints and says so
        bool click = false;
    };

    Outcome mouseDown();
    Outcome mouseUp(bool overButton);
    Outcome mouseMove(bool overButton);
    Outcome mouseLeave();
    Outcome captureLost();
    Outcome spaceDown();
    Outcome spaceUp();
    Outcome enter() { return {false, true}; }
    Outcome focusChanged();

    [[nodiscard]] bool pressed() const { return pressed_; }
    [[nodiscard]] bool hot() const { return hot_; }
    [[nodiscard]] bool holdingMouse() const { return holdingMouse_; }

private:
    Outcome setPressed(bool pressed);

    bool pressed_ = false;
    bool hot_ = false;
    bool holdingMouse_ = false;
    bool holdingSpace_ = false;
};

}  // namespace orv
