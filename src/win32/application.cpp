#include "win32/application.h"

#include <commctrl.h>

namespace orv::win32 {

Application::Application(HINSTANCE instance) : instance_(instance) {}

MainWindowEvents Application::events() {
    MainWindowEvents events;
    events.buttonClick[1] = [this] { form_->PushButton1_Click(); };
    events.buttonClick[2] = [this] { form_->PushButton2_Click(); };
    events.buttonClick[3] = [this] { form_->PushButton3_Click(); };
    events.buttonClick[4] = [this] { form_->PushButton4_Click(); };
    events.buttonClick[5] = [this] { form_->PushButton5_Click(); };
    events.buttonClick[6] = [this] { form_->PushButton6_Click(); };
    events.buttonMouseMove = [this] { form_->ButtonMouseMove(); };
    events.surfaceMouseMove = [this] { form_->SurfaceMouseMove(); };
    return events;
}

int Application::run(int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    window_.create(instance_, events(), textCase_, collation_);
    dialogs_.setOwner(window_.hwnd());
    form_ = std::make_unique<Form1>(Form1Ports{window_, window_.programList(), registry_, textCase_, dialogs_, shell_,
                                               files_, chance_, reporter_});
    form_->Form_Load();
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
