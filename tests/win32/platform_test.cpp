// The small platform adapters against the real system: files, letter case, collation and the shell.
#include <gtest/gtest.h>

#include <windows.h>

#include "program_folder.h"
#include "win32/collation_adapter.h"
#include "win32/files_adapter.h"
#include "win32/shell_adapter.h"
#include "win32/text_case_adapter.h"

namespace orv::win32 {
namespace {

TEST(PlatformFiles, HiddenAndSystemFilesAreThereThoughTheSkinSearchPassesThemOver) {
    const e2e::ProgramFolder folder(L"orvendale-files", false);
    WindowsFiles files;
    for (const DWORD attribute : {DWORD{FILE_ATTRIBUTE_HIDDEN}, DWORD{FILE_ATTRIBUTE_SYSTEM}}) {
        const std::wstring path = folder.path() + L"\\probe-" + std::to_wstring(attribute) + L".cur";
        CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attribute, nullptr));
        EXPECT_EQ(files.kindOf(path), PathKind::File) << attribute;
        EXPECT_FALSE(files.isOrdinaryFile(path)) << attribute;
    }
    EXPECT_EQ(files.kindOf(folder.path()), PathKind::Folder);
    EXPECT_EQ(files.kindOf(folder.path() + L"\\nothing.cur"), PathKind::Nothing);
}

TEST(PlatformTextCase, LowersAsciiAccentedAndNonLatinCapitals) {
    WindowsTextCase textCase;
    EXPECT_EQ(textCase.lower(L"PHOTO \u00c9DITEUR \u0424\u041e\u0422\u041e \u0391\u0392\u0393"),
              L"photo \u00e9diteur \u0444\u043e\u0442\u043e \u03b1\u03b2\u03b3");
    EXPECT_EQ(textCase.lower(L"C:\\PROGRAM Files\\Setup.EXE /X{AB-12}@[`z~"), L"c:\\program files\\setup.exe /x{ab-12}@[`z~");
    EXPECT_EQ(textCase.lower(L""), L"");
}

TEST(PlatformCollation, NamesTooLongForTheQuickKeySortAsTheShortOnes) {
    auto key = [collation = WindowsCollation()](const std::wstring& name) mutable {
        std::string sortKey;
        collation.appendSortKey(name, sortKey);
        return sortKey;
    };
    const std::wstring longName = L"b" + std::wstring(400, L'x');
    EXPECT_LT(key(L"A"), key(longName));
    EXPECT_LT(key(longName), key(L"c"));
    EXPECT_EQ(key(L"B" + std::wstring(400, L'X')), key(longName));
}

// Any program of the user can set windir or ProgramFiles in the user's environment: the machine's
// entries never take them.
TEST(PlatformShell, TheMachinesVariablesAreTheMachinesOwnWhateverTheUsersSayAndThereIsA32BitSystemFolder) {
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
    // A 64-bit Windows has a 32-bit system folder beside its own.
    EXPECT_NE(shell.wow64SystemFolder(), L"");
    EXPECT_NE(shell.wow64SystemFolder(), shell.systemFolder());
}

}  // namespace
}  // namespace orv::win32
