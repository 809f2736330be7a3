// The main window in the test's own process, made as the program makes it, for the tests of its
// controls; it goes with the test.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "win32/collation_adapter.h"
#include "win32/main_window.h"
#include "win32/text_case_adapter.h"

namespace orv::e2e {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        window.create(GetModuleHandleW(nullptr), textCase, collation);
    }

    win32::WindowsTextCase textCase;
    win32::WindowsCollation collation;
    win32::MainWindowFrame window;
};

}  // namespace orv::e2e
