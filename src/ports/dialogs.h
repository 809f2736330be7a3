// Modal boxes that the program shows; all are owned by the main window once it exists.
#pragma once

#include <optional>
#include <string>

namespace orv {

// Message-box styles, with the platform's values.
enum MessageStyle : unsigned {
    kMessageOkOnly = 0,
    kMessageExclamation = 48,
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual void showMessage(const std::wstring& text, const std::wstring& title, unsigned style) = 0;

    // The typed text exactly as entered, confirmed with OK (or Enter); nothing on Cancel, Escape or close.
    virtual std::optional<std::wstring> inputBox(const std::wstring& prompt, const std::wstring& title) = 0;
};

}  // namespace orv
