// Message boxes and our input box, owned by the main window.
#pragma once

#include <windows.h>

#include "ports/dialogs.h"

namespace orv::win32 {

// The input box's text field, by its control id.
inline constexpr int kInputBoxEditId = 101;

class WindowsDialogs final : public Dialogs {
public:
    void setOwner(HWND owner) { owner_ = owner; }

    void showMessage(const std::wstring& text, const std::wstring& title, unsigned style) override;
    std::optional<std::wstring> inputBox(const std::wstring& prompt, const std::wstring& title) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace orv::win32
