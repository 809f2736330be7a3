// Form1's window: it makes its controls where the form places them, keeps them at the screen's DPI and
// in the theme's colours, holds the pointer over its whole surface, and passes on what happens to the
// procedures of the main window.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "ports/collation.h"
#include "ports/main_window.h"
#include "ports/text_case.h"
#include "ports/skin.h"
#include "win32/base_window.h"
#include "win32/form_layout.h"
#include "win32/handles.h"
#include "win32/list_view.h"
#include "win32/push_button.h"
#include "win32/window_pointer.h"
#include "win32/window_resources.h"
#include "win32/window_subclass.h"
#include "win32/window_theme.h"

namespace orv::win32 {

class MainWindowFrame final : public BaseWindow<MainWindowFrame>, public MainWindow {
public:
    static constexpr wchar_t kClassName[] = L"OrvendaleMainWindow";
    static constexpr UINT kClassStyle = 0;
    static constexpr int kListId = 1000;

    MainWindowFrame();
    ~MainWindowFrame() override;
    MainWindowFrame(const MainWindowFrame&) = delete;
    MainWindowFrame& operator=(const MainWindowFrame&) = delete;

    // Creates the window, hidden, with all its controls; the list orders its rows by `collation` and
    // finds typed letters with `textCase`.
    void create(HINSTANCE instance, TextCase& textCase, Collation& collation);
    // From now on the buttons and the pointer's moves run the form's procedures.
    void connect(Form1& form);
    // Shows it centred on the work area of its monitor with the focus on the list.
    void showCentred(int showCommand);

    // Draws the window and its controls in the skin's colours (set aside while high contrast is on).
    void applySkin(const Skin& skin) override;

    [[nodiscard]] HWND list() const { return list_; }
    ListViewProgramList& programList() { return *programList_; }
    // The buttons in tab order, as kButtons lists them.
    PushButton& button(std::size_t index) { return buttons_.at(index); }
    [[nodiscard]] int twipsToPixels(int twips) const { return MulDiv(twips, static_cast<int>(dpi_), 1440); }

    // MainWindow
    void setCaption(const std::wstring& caption) override;
    void useApplicationIcon() override;
    void setBackColour(Colour colour) override;
    void loadCustomPointer(const std::wstring& path) override { pointer_.load(path); }
    void setPointer(PointerSetting setting) override { pointer_.set(setting, hwnd()); }

    LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void createList(TextCase& textCase, Collation& collation);
    void createButtons();
    void createTooltip();
    void createFonts();
    void layout();
    void applyFonts();
    void moveToDpi(UINT dpi, const RECT& suggested);
    // Gives every control its colours for the current colour scheme and skin, and repaints.
    void applyColours();

    Form1* form_ = nullptr;  // who answers the buttons and the pointer, once connected
    UINT dpi_ = 96;
    HWND list_ = nullptr;
    std::optional<WindowSubclass> listPointer_;  // the pointer over the list follows the window's rule
    std::unique_ptr<ListViewProgramList> programList_;
    std::array<PushButton, kButtons.size()> buttons_;
    UniqueHfont windowFont_;
    UniqueHfont buttonFont_;
    UniqueHicon blankIcon_;
    ApplicationIcons icons_;
    WindowPointer pointer_;
    WindowTheme theme_;
};

}  // namespace orv::win32
