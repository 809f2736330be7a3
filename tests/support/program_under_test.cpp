// orvendale.exe as the end-to-end tests start it: the same program, except that its visit to the
// maker's home page, on about one start in a hundred, never comes. The suite starts the program dozens
// of times, and a browser opening on the test desktop would take the focus. Only the tests build this.
#include <windows.h>

#include "win32/application.h"

namespace {

class NoHomePage final : public orv::RandomSource {
public:
    double secondsSinceMidnight() override { return 0.0; }
    void seed(double) override {}
    double next() override { return 0.5; }  // draws 51 of 1 to 100; the page opens on 7
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    NoHomePage random;
    return orv::win32::RunApplication(instance, showCommand, random);
}
