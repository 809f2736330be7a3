// The one application object: the platform adapters, the main window and its procedures, wired up.
#pragma once

#include <windows.h>

#include <memory>

#include "app/form1.h"
#include "services/error_report.h"
#include "win32/dialogs.h"
#include "win32/handles.h"
#include "win32/main_window.h"
#include "win32/collation_adapter.h"
#include "win32/files_adapter.h"
#include "win32/random_source_adapter.h"
#include "win32/text_case_adapter.h"
#include "win32/shell_adapter.h"
#include "win32/registry_adapter.h"

namespace orv::win32 {

// The program's entry, for a random source of its own: DLLs only from the system folder, then the
// application until its window closes; a failure that escapes is reported. Answers the exit code.
int RunApplication(HINSTANCE instance, int showCommand, RandomSource& random) noexcept;

class Application {
public:
    Application(HINSTANCE instance, RandomSource& random);
    // Creates the window, runs the start-up, shows the window and serves it until it closes.
    int run(int showCommand);

private:
    // Assistive technology reaches the buttons' accessible objects through COM on this thread.
    ComApartment apartment_;
    HINSTANCE instance_;
    WindowsRegistry registry_;
    WindowsTextCase textCase_;
    WindowsCollation collation_;
    WindowsDialogs dialogs_;
    WindowsShell shell_;
    WindowsFiles files_;
    RandomSource& random_;
    MessageBoxReporter reporter_{dialogs_};
    MainWindowFrame window_;
    std::unique_ptr<Form1> form_;
};

}  // namespace orv::win32
