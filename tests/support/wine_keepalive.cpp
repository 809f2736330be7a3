// Keeps a Wine machine's server and desktop up between test cases (scripts/wine-slots): a process that
// waits, with no window, until the machine is stopped. A server that started afresh for every case would
// cost each case some seconds of reading the machine's registry.
//
// It asks for the desktop window, so that the machine's explorer.exe is started here and stays up. A
// case that started it would hand it the case's own output, and on a machine's first start explorer can
// take longer than Wine waits for it: the case would end, and explorer would stay with the case's output
// open, so that the case's runner waited on it until it timed the case out.
//
// Given a file's path, it makes that file once the desktop is up, to say that the machine is.
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
