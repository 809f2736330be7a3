// Keeps a Wine machine's server and desktop up between test cases (scripts/wine-slots): a process that
// waits, with no window, until the machine is stopped. A server that started afresh for every case would
// cost each case some seconds of reading the machine's registry.
//
// It asks for the desktop window, so that the machine's explorer.exe is its own rather than a case's
// (scripts/wine-slots says why that matters), then, given a file's path, makes that file to say that
// the machine is up.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    GetDesktopWindow();
    if (argc > 1) {
        const HANDLE up = CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (up == INVALID_HANDLE_VALUE) return 1;
        CloseHandle(up);
    }
    Sleep(INFINITE);
    return 0;
}
