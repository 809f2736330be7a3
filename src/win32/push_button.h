// Our push button: a caption on a flat face, drawn by us, with click and mouse-move notifications, a
// focus mark that follows the keyboard cues, and Space or Enter to click. It answers BM_CLICK and
// BM_GETSTATE as a system button does, and assistive technology sees it as a push button.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "controls/button_behaviour.h"
#include "controls/colour_scheme.h"
#include "win32/base_window.h"

namespace orv::win32 {

class PushButton final : public BaseWindow<PushButton> {
public:
    static constexpr wchar_t kClassName[] = L"OrvendalePushButton";
    static constexpr UINT kClassStyle = CS_HREDRAW | CS_VREDRAW;

    PushButton() = default;
    void create(HWND parent, int id, const std::wstring& caption, HFONT font);

    void setFont(HFONT font);
    void setColours(const ButtonColours& colours);

    std::function<void()> onClick;
    std::function<void()> onMouseMove;

    LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    // Each answers its own messages, and nothing for another's.
    std::optional<LRESULT> onPaint(UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> onMouse(UINT message, LPARAM lParam);
    std::optional<LRESULT> onKeyboard(UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> onFocus(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    void click();
    void apply(ButtonBehaviour::Outcome outcome);
    [[nodiscard]] bool isOver(LPARAM pointerAt) const;
    void trackLeave();
    [[nodiscard]] UINT shownState() const;

    HFONT font_ = nullptr;
    ButtonColours colours_ = ChooseWindowColours({}, kWhite, std::nullopt).buttons;
    ButtonBehaviour behaviour_;
    bool focusCueHidden_ = false;
};

}  // namespace orv::win32
