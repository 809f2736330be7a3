// Program entry: DLLs only from the system folder, then the application runs until its window closes.
#include <windows.h>

#include "win32/application.h"
#include "win32/base_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // Portable tools run from download folders: never load a DLL planted beside the executable.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    try {
        orv::win32::Application application(instance);
        return application.run(showCommand);
    } catch (...) {
        orv::win32::ReportUnexpectedFailure();
        return 1;
    }
}
