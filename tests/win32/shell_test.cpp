// The shell adapter against the real system: whose variables each scope gives, and Windows' folders.
#include <gtest/gtest.h>

#include "program_folder.h"
#include "win32/shell_adapter.h"

namespace orv::win32 {
namespace {

// Any program of the user can set windir or ProgramFiles in the user's environment: the machine's
// entries never take them.
TEST(PlatformShell, TheMachinesVariablesAreTheMachinesOwnWhateverTheUsersSay) {
    WindowsShell shell;
    const std::wstring windows = shell.windowsFolder();
    const auto machineFiles = shell.environment(EnvironmentScope::Machine)->value(L"programfiles");
    ASSERT_TRUE(machineFiles.has_value());
    const e2e::EnvironmentVariableFor files(L"ProgramFiles", L"C:\\Users\\Public\\Planted");
    const e2e::EnvironmentVariableFor windir(L"windir", L"C:\\Users\\Public\\Planted");
    const auto machine = shell.environment(EnvironmentScope::Machine);
    const auto user = shell.environment(EnvironmentScope::User);
    EXPECT_EQ(machine->value(L"ProgramFiles"), machineFiles);
    EXPECT_EQ(machine->value(L"WINDIR"), windows);
    EXPECT_EQ(user->value(L"programfiles"), L"C:\\Users\\Public\\Planted");
    EXPECT_EQ(user->value(L"windir"), L"C:\\Users\\Public\\Planted");
    for (const auto* environment : {machine.get(), user.get()}) {
        EXPECT_EQ(environment->value(L"OrvendaleNoSuchVariable"), std::nullopt);
        EXPECT_EQ(environment->value(L"=C:"), std::nullopt);  // a drive's current folder is no variable
    }
}

TEST(PlatformShell, A64BitWindowsHasA32BitSystemFolderBesideItsOwn) {
    WindowsShell shell;
    const std::wstring wow64 = shell.wow64SystemFolder();
    EXPECT_FALSE(wow64.empty());
    EXPECT_NE(wow64, shell.systemFolder());
}

}  // namespace
}  // namespace orv::win32
