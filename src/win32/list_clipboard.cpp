#include "win32/list_clipboard.h"

#include <commctrl.h>

#include <cstring>
#include <utility>

#include "ports/failure.h"
#include "win32/system_error.h"

namespace orv::win32 {
namespace {

// The clipboard, open for as long as this lives.
class OpenClipboardOf {
public:
    explicit OpenClipboardOf(HWND owner) {
        if (!OpenClipboard(owner)) ThrowLastError(L"Could not open the clipboard");
    }
    ~OpenClipboardOf() { CloseClipboard(); }
    OpenClipboardOf(const OpenClipboardOf&) = delete;
    OpenClipboardOf& operator=(const OpenClipboardOf&) = delete;
};

void PutOnClipboard(HWND owner, const std::wstring& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) ThrowLastError(L"Could not copy the rows");
    if (void* target = GlobalLock(memory)) {
        std::memcpy(target, text.c_str(), bytes);
        GlobalUnlock(memory);
    }
    const OpenClipboardOf clipboard(owner);
    EmptyClipboard();
    // Once the clipboard holds the memory it is the system's to free.
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        const DWORD error = GetLastError();
        GlobalFree(memory);
        ThrowSystemError(L"Could not copy the rows", error);
    }
}

bool ControlHeld() {
    return GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0;
}

}  // namespace

ListClipboard::ListClipboard(HWND list, std::function<std::wstring(std::size_t index)> rowAsText)
    : list_(list),
      rowAsText_(std::move(rowAsText)),
      subclass_(list, [this](const WindowSubclass::Message& message) { return answer(message); }) {}

void ListClipboard::selectAll() const {
    ListView_SetItemState(list_, -1, LVIS_SELECTED, LVIS_SELECTED);
}

void ListClipboard::copySelection() const {
    std::wstring text;
    for (int index = ListView_GetNextItem(list_, -1, LVNI_SELECTED); index >= 0;
         index = ListView_GetNextItem(list_, index, LVNI_SELECTED)) {
        text += rowAsText_(static_cast<std::size_t>(index));
        text += L"\r\n";
    }
    if (!text.empty()) PutOnClipboard(list_, text);
}

LRESULT ListClipboard::answer(const WindowSubclass::Message& message) const {
    switch (message.message) {
    case WM_KEYDOWN:
        if (!ControlHeld()) break;
        if (message.wParam == 'A') {
            selectAll();
            return 0;
        }
        if (message.wParam == 'C') {
            copySelection();
            return 0;
        }
        break;
    case WM_CHAR:
        // The characters that Ctrl+A and Ctrl+C type start no search by typed letters.
        if (message.wParam == 0x01 || message.wParam == 0x03) return 0;
        break;
    default:
        break;
    }
    return message.passOn();
}

}  // namespace orv::win32
