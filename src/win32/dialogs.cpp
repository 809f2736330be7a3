#include "win32/dialogs.h"

#include <cstdint>
#include <string>
#include <vector>

#include "ports/failure.h"
#include "win32/system_error.h"
#include "win32/window_text.h"

namespace orv::win32 {
namespace {

constexpr int kPromptId = 100;

// A dialog template built in memory: DLGTEMPLATE, then its items, each DWORD-aligned.
class DialogTemplate {
public:
    DialogTemplate(DWORD style, short width, short height, const wchar_t* font, WORD pointSize) {
        add32(style);
        add32(0);  // extended style
        add16(0);  // item count (at kItemCountAt), filled in as items are added
        add16(0);
        add16(0);  // x, y: DS_CENTER places it
        add16(static_cast<WORD>(width));
        add16(static_cast<WORD>(height));
        add16(0);  // no menu
        add16(0);  // the standard dialog class
        add16(0);  // no title here: it is set on WM_INITDIALOG
        add16(pointSize);
        addText(font);
    }

    void addItem(DWORD style, short x, short y, short width, short height, WORD id, WORD atomClass,
                 const wchar_t* text) {
        align();
        add32(style | WS_CHILD | WS_VISIBLE);
        add32(0);
        add16(static_cast<WORD>(x));
        add16(static_cast<WORD>(y));
        add16(static_cast<WORD>(width));
        add16(static_cast<WORD>(height));
        add16(id);
        add16(0xFFFF);
        add16(atomClass);
        addText(text);
        add16(0);  // no creation data
        ++words_[kItemCountAt];
    }

    const DLGTEMPLATE* get() {
        return reinterpret_cast<const DLGTEMPLATE*>(words_.data());
    }

private:
    void add16(WORD value) { words_.push_back(value); }
    void add32(DWORD value) {
        add16(LOWORD(value));
        add16(HIWORD(value));
    }
    void addText(const wchar_t* text) {
        for (; *text != L'\0'; ++text) add16(static_cast<WORD>(*text));
        add16(0);
    }
    void align() {
        if (words_.size() % 2 != 0) add16(0);
    }

    // The item count follows the style and the extended style, two 32-bit values.
    static constexpr std::size_t kItemCountAt = 4;
    std::vector<WORD> words_;
};

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;

struct InputBoxState {
    const std::wstring* prompt;
    const std::wstring* title;
    std::wstring answer;
};

INT_PTR CALLBACK InputBoxProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        const auto* state = reinterpret_cast<InputBoxState*>(lParam);
        SetWindowTextW(dialog, state->title->c_str());
        SetDlgItemTextW(dialog, kPromptId, state->prompt->c_str());
        SetFocus(GetDlgItem(dialog, kInputBoxEditId));
        return FALSE;  // the focus is set
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
            const HWND edit = GetDlgItem(dialog, kInputBoxEditId);
            try {
                state->answer = WindowText(edit);
            } catch (...) {
                state->answer.clear();
            }
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    default:
        break;
    }
    return FALSE;
}

}  // namespace

void WindowsDialogs::showMessage(const std::wstring& text, const std::wstring& title, unsigned style) {
    // A box whose window has gone, before it or while it is shown, has no one left to tell: the program
    // is ending.
    const auto windowGone = [this] { return owner_ != nullptr && !IsWindow(owner_); };
    if (windowGone()) return;
    if (MessageBoxW(owner_, text.c_str(), title.c_str(), style) == 0 && !windowGone()) {
        ThrowLastError(L"Could not show a message");
    }
}

std::optional<std::wstring> WindowsDialogs::inputBox(const std::wstring& prompt, const std::wstring& title) {
    DialogTemplate layout(DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 250, 80,
                          L"MS Shell Dlg", 8);
    layout.addItem(SS_LEFT | SS_NOPREFIX, 7, 7, 176, 44, kPromptId, kStaticAtom, L"");
    layout.addItem(BS_DEFPUSHBUTTON | WS_TABSTOP, 193, 7, 50, 14, IDOK, kButtonAtom, L"OK");
    layout.addItem(BS_PUSHBUTTON | WS_TABSTOP, 193, 25, 50, 14, IDCANCEL, kButtonAtom, L"Cancel");
    layout.addItem(ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 58, 236, 14, kInputBoxEditId, kEditAtom, L"");
    InputBoxState state{&prompt, &title, {}};
    const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), layout.get(), owner_,
                                                   &InputBoxProcedure, reinterpret_cast<LPARAM>(&state));
    if (result == -1) {
        ThrowLastError(L"Could not show the input box");
    }
    if (result != IDOK) return std::nullopt;
    return state.answer;
}

}  // namespace orv::win32
