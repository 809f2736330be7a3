// Program entry: the application with the system's clock and random numbers.
#include <windows.h>

#include "win32/application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    orv::win32::WindowsRandomSource random;
    return orv::win32::RunApplication(instance, showCommand, random);
}
