// Keeps a Wine machine's server up between test cases (scripts/wine-slots): a process that waits, with
// no window, until the machine is stopped. A server that started afresh for every case would cost each
// case some seconds of reading the machine's registry.
#include <windows.h>

int wmain() {
    Sleep(INFINITE);
    return 0;
}
