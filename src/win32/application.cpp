#include "win32/application.h"

#include <commctrl.h>

namespace orv::win32 {

Application::Application(HINSTANCE instance) : instance_(instance) {}

int Application::run(int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    window_.create(instance_, textCase_, collation_);
    dialogs_.setOwner(window_.hwnd());
    form_ = std::make_unique<Form1>(Form1Ports{window_, window_.programList(), registry_, textCase_, dialogs_, shell_,
                                               files_, random_, reporter_});
    window_.connect(*form_);
    form_->startUp();
    window_.showCentred(showCommand);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window_.hwnd(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace orv::win32
