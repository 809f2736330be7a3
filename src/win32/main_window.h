// Form1's window: the layout in twips, the fonts, the pointer over its whole surface, and the
// notifications that the procedures of the main window answer.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "controls/colour_scheme.h"
#include "ports/main_window.h"
#include "services/skin_file.h"
#include "win32/base_window.h"
#include "win32/handles.h"
#include "win32/push_button.h"

namespace orv::win32 {

// The six buttons, by their number in the program's names (PushButton1 to PushButton6).
inline constexpr int kButtonCount = 6;

struct MainWindowEvents {
    std::array<std::function<void()>, kButtonCount + 1> buttonClick;  // [1] to [6]
    std::function<void()> buttonMouseMove;
    std::function<void()> surfaceMouseMove;
};

class MainWindowFrame final : public BaseWindow<MainWindowFrame>, public MainWindow {
public:
    static constexpr wchar_t kClassName[] = L"OrvendaleMainWindow";
    static constexpr int kListId = 1000;

    MainWindowFrame();
    ~MainWindowFrame() override;
    MainWindowFrame(const MainWindowFrame&) = delete;
    MainWindowFrame& operator=(const MainWindowFrame&) = delete;
    // Creates the window, hidden, with all its controls.
    void create(HINSTANCE instance, MainWindowEvents events);
    // Shows it centred on the screen with the focus on the list.
    void showCentred(int showCommand);

    // Draws the window and, as the options say, its controls in the skin's colours (set aside while
    // high contrast is on).
    void applySkin(const Skin& skin, const SkinOptions& options);

    [[nodiscard]] HWND list() const { return list_; }
    // Who answers the list's notifications about its rows.
    void setListNotify(std::function<std::optional<LRESULT>(NMHDR&)> handler) { listNotify_ = std::move(handler); }
    PushButton& button(int number) { return buttons_[static_cast<std::size_t>(number)]; }
    [[nodiscard]] int twipsToPixels(int twips) const { return MulDiv(twips, static_cast<int>(dpi_), 1440); }

    // MainWindow
    void setCaption(const std::wstring& caption) override;
    void useApplicationIcon() override;
    void setBackColor(OleColor color) override;
    void loadCustomPointer(const std::wstring& path) override;
    PointerSetting pointer() override { return pointer_; }
    void setPointer(PointerSetting setting) override;
    std::uintptr_t handle() override { return reinterpret_cast<std::uintptr_t>(hwnd()); }
    std::wstring programFolder() override;

    LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void createControls();
    void createFonts();
    void layout();
    void applyFonts();
    [[nodiscard]] HCURSOR cursorForSetting() const;
    // Gives every control its colours for the current colour scheme and skin, and repaints.
    void applyColours();
    [[nodiscard]] HBRUSH backgroundBrush() const;
    LRESULT paintHeaderItem(NMCUSTOMDRAW& draw);
    static LRESULT CALLBACK ListSubclass(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data) noexcept;

    MainWindowEvents events_;
    std::function<std::optional<LRESULT>(NMHDR&)> listNotify_;
    UINT dpi_ = 96;
    HWND list_ = nullptr;
    HWND tooltip_ = nullptr;
    std::array<PushButton, kButtonCount + 1> buttons_;  // [1] to [6]
    UniqueHfont windowFont_;
    UniqueHfont buttonFont_;
    UniqueHicon blankIcon_;
    UniqueHicon bigIcon_;
    UniqueHicon smallIcon_;
    UniqueHcursor customPointer_;
    UniqueHbrush backBrush_;
    OleColor backColor_ = kWhite;
    PointerSetting pointer_ = PointerSetting::Default;
    std::optional<Skin> skin_;
    SkinOptions skinOptions_;
    bool highContrast_ = false;
    std::optional<HeaderColours> headerColours_;  // none: the header's own look
};

}  // namespace orv::win32
