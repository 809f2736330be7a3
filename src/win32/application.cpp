#include "win32/application.h"

#include <commctrl.h>

#include "win32/base_window.h"

namespace orv::win32 {

int RunApplication(HINSTANCE instance, int showCommand, RandomSource& random) noexcept {
    // Portable tools run from download folders: never load a DLL planted beside the executable.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    try {
        Application application(instance, random);
        return application.run(showCommand);
    } catch (...) {
        ReportUnexpectedFailure();
        return 1;
    }
}

Application::Application(HINSTANCE instance, RandomSource& random) : instance_(instance), random_(random) {}

int Application::run(int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    window_.create(instance_, textCase_, collation_);
    dialogs_.setOwner(window_.hwnd());
    shell_.setOwner(window_.hwnd());
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
