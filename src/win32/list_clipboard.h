// Copying what the list shows: Ctrl+A selects every row and Ctrl+C puts the selected rows on the
// clipboard as Unicode text, a row a line, the display name and the uninstall command as read with a
// tab between them, so that a technician can keep a record of what was removed.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "win32/window_subclass.h"

namespace orv::win32 {

class ListClipboard {
public:
    // `rowAsText` gives the text of a row, by its index from 0, without the line break.
    ListClipboard(HWND list, std::function<std::wstring(std::size_t index)> rowAsText);

private:
    void selectAll() const;
    void copySelection() const;
    [[nodiscard]] LRESULT answer(const WindowSubclass::Message& message) const;

    HWND list_;
    std::function<std::wstring(std::size_t index)> rowAsText_;
    WindowSubclass subclass_;
};

}  // namespace orv::win32
