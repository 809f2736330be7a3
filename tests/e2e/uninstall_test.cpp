// The batch uninstall of the real program, with uninstallers installed by real installers.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

#include "accessible_client.h"
#include "driver.h"
#include "inventory/refresh_list.h"
#include "probe_log.h"
#include "program_folder.h"
#include "registry_seed.h"
#include "user_rights.h"
#include "win32/registry_adapter.h"

namespace orv::e2e {
namespace {

const std::wstring kUninstall = L"Uninstall Selected Entry From Computer";
const std::wstring kRefresh = L"Refresh/Update \"Add Or Remove Programs\" List";

bool EntryExists(const std::wstring& key, RegistrySource source = RegistrySource::Machine64) {
    return SeededUninstallEntries::Exists(key, source);
}
bool InProgramFiles(const std::wstring& folder) { return FolderExists(L"C:\\Program Files\\" + folder); }

// The installers write the machine's uninstall key, as real ones do.
TEST(UninstallE2e, TickedEntriesOfRealInstallersAreRemovedAndTheOthersStay) {
    SeededUninstallEntries entries;
    const std::wstring installers = ExecutableFolder() + L"\\installers\\";
    if (GetFileAttributesW((installers + L"sample.msi").c_str()) == INVALID_FILE_ATTRIBUTES ||
        GetFileAttributesW((installers + L"test-kept.exe").c_str()) == INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << "the installers are built with makensis and wixl, which this machine lacks";
    }
    for (const auto* key : {L"OrvendaleTestQuoted", L"OrvendaleTestUnquoted", L"OrvendaleTestExpand", L"OrvendaleTestKept",
                            L"{6A1C2E3F-4B5D-4E6F-8A9B-0C1D2E3F4A5B}"}) {
        entries.adopt(key, RegistrySource::Machine64);
    }
    for (const auto* installer : {L"test-quoted.exe", L"test-unquoted.exe", L"test-expand.exe", L"test-kept.exe"}) {
        EXPECT_TRUE(RunAndWait(L"\"" + installers + installer + L"\" /S", 30s));
    }
    EXPECT_TRUE(RunAndWait(L"msiexec.exe /i \"" + installers + L"sample.msi\" /qn", 30s));
    const std::map<std::wstring, std::pair<std::wstring, std::wstring>> removed = {
        {L"Orvendale Test Quoted", {L"OrvendaleTestQuoted", L"Orvendale Test Quoted"}},
        {L"Orvendale Test Unquoted", {L"OrvendaleTestUnquoted", L"Orvendale Test Unquoted Tool"}},
        {L"Orvendale Test Expand", {L"OrvendaleTestExpand", L"Orvendale Test Expand"}},
        {L"Orvendale Sample Package", {L"{6A1C2E3F-4B5D-4E6F-8A9B-0C1D2E3F4A5B}", L"Orvendale Sample Package"}},
    };
    for (const auto& [name, where] : removed) {
        ASSERT_TRUE(EntryExists(where.first)) << name;
        ASSERT_TRUE(InProgramFiles(where.second));
    }

    ProgramUnderTest program;
    ASSERT_EQ(program.rows().size(), 5u);
    for (const auto& [name, where] : removed) {
        const int row = program.rowNamed(name);
        ASSERT_GE(row, 0);
        program.clickCheckBox(row);
    }
    program.clickAndWait(kUninstall);
    EXPECT_TRUE(program.dialogs().empty());

    const auto gone = [](const auto& entry) { return !EntryExists(entry.second.first) && !InProgramFiles(entry.second.second); };
    WaitUntil([&] { return std::all_of(removed.begin(), removed.end(), gone); }, 60s);
    for (const auto& entry : removed) EXPECT_TRUE(gone(entry)) << entry.first;
    program.clickAndWait(kRefresh);
    const auto rows = program.rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].text, L"Orvendale Test Kept");
    EXPECT_TRUE(EntryExists(L"OrvendaleTestKept"));
    EXPECT_TRUE(InProgramFiles(L"Orvendale Test Kept"));
    EXPECT_TRUE(program.dialogs().empty());
}

// Windows Installer writes "MsiExec.exe /I{product code}" for many products, which opens the maintenance
// of the product (or repairs it) when started as written: the product is removed, as Windows' own list
// removes it.
TEST(UninstallE2e, AWindowsInstallerEntryWrittenWithSlashIIsRemoved) {
    SeededUninstallEntries entries;
    const std::wstring package = ExecutableFolder() + L"\\installers\\sample.msi";
    if (GetFileAttributesW(package.c_str()) == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "wixl, which builds the package, is missing";
    const std::wstring code = L"{6A1C2E3F-4B5D-4E6F-8A9B-0C1D2E3F4A5B}";
    entries.adopt(code, RegistrySource::Machine64);
    ASSERT_TRUE(RunAndWait(L"msiexec.exe /i \"" + package + L"\" /qn", 30s));
    ASSERT_TRUE(EntryExists(code));
    entries.setString(code, L"UninstallString", L"MsiExec.exe /I" + code, REG_EXPAND_SZ, RegistrySource::Machine64);
    const DWORD managed = 1;
    entries.setRaw(code, L"WindowsInstaller", REG_DWORD, &managed, sizeof(managed), RegistrySource::Machine64);

    ProgramUnderTest program;
    const int row = program.rowNamed(L"Orvendale Sample Package");
    ASSERT_GE(row, 0);
    EXPECT_EQ(program.rows().at(static_cast<std::size_t>(row)).uninstall, L"MsiExec.exe /I" + code);  // as read
    program.clickCheckBox(row);
    program.clickAndWait(kUninstall);
    EXPECT_TRUE(WaitUntil([&] { return !EntryExists(code) && !InProgramFiles(L"Orvendale Sample Package"); }, 60s));
    EXPECT_TRUE(program.dialogs().empty());
}

TEST(UninstallE2e, DemoMachineUninstallerAsksThenRemovesItsFilesAndEntry) {
    SeededUninstallEntries entries;
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"Orvendale Demo Thing";
    CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW((ExecutableFolder() + L"\\orvendale_demo_uninstaller.exe").c_str(),
                          (folder + L"\\uninstall.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileW((ExecutableFolder() + L"\\orvendale.exe").c_str(), (folder + L"\\program.exe").c_str(), FALSE));
    entries.add(L"DemoThing", L"Demo Thing", L"\"" + folder + L"\\uninstall.exe\" /entry=DemoThing");

    ProgramUnderTest program;
    program.clickCheckBox(0);
    program.clickAndWait(kUninstall);
    HWND question = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (question = FindBox(L"Demo Thing Uninstall")) != nullptr; }, 30s));
    EXPECT_EQ(ProgramUnderTest::read(question).text, L"Do you want to remove Demo Thing and all of its components?");
    ProgramUnderTest::press(question, L"&Yes");
    HWND done = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        done = FindBox(L"Demo Thing Uninstall");
        return done != nullptr && done != question;
    }, 30s));
    EXPECT_EQ(ProgramUnderTest::read(done).text, L"Demo Thing was successfully removed from your computer.");
    ProgramUnderTest::press(done, L"OK");
    EXPECT_FALSE(EntryExists(L"DemoThing", RegistrySource::CurrentUser));
    EXPECT_TRUE(WaitUntil([&] { return GetFileAttributesW((folder + L"\\program.exe").c_str()) == INVALID_FILE_ATTRIBUTES; }, 10s));
    program.clickAndWait(kRefresh);
    EXPECT_TRUE(program.rows().empty());
    EXPECT_TRUE(program.dialogs().empty());
}

class LaunchOrderE2e : public ::testing::Test {
protected:
    void seedProbes(int count) {
        for (int i = 1; i <= count; ++i) seedProbe(i);
    }
    void seedProbe(int number, RegistrySource source = RegistrySource::CurrentUser) {
        const std::wstring id = std::to_wstring(number);
        entries.add(L"probe" + id, L"Probe " + std::wstring(number < 10 ? L"0" : L"") + id,
                    L"\"" + ExecutableFolder() + L"\\orvendale_order_probe.exe\" \"" + log.path() + L"\" " + id, source);
    }
    // What the probes logged once `count` have started, and a moment more for any that should not have.
    std::vector<probe::Log::Start> startsOnceSettled(std::size_t count, DWORD settle = 500) {
        WaitUntil([&] { return log.starts().size() >= count; }, 30s);
        Sleep(settle);
        return log.starts();
    }

    SeededUninstallEntries entries;
    probe::Log log;
};

TEST_F(LaunchOrderE2e, TickedRowsStartInListOrder) {
    seedProbes(10);
    ProgramUnderTest program;
    for (int position : {9, 2, 5}) program.clickCheckBox(position - 1);
    ASSERT_TRUE(WaitUntil([&] {
        const auto rows = program.rows();
        return rows.size() == 10 && rows[1].checked && rows[4].checked && rows[8].checked;
    }, 10s));
    program.clickAndWait(kUninstall);
    EXPECT_TRUE(WaitUntil([&] { return log.ids().size() >= 3; }, 30s));
    EXPECT_EQ(log.ids(), (std::vector<std::string>{"2", "5", "9"}));
    EXPECT_TRUE(program.dialogs().empty());
    const auto rows = program.rows();
    EXPECT_TRUE(std::none_of(rows.begin(), rows.end(), [](const ListRow& row) { return row.checked; }));
}

// As a screen reader, voice control or an automation tool ticks a row: with the list's own message.
TEST_F(LaunchOrderE2e, RowTickedFromOutsideWithTheListsOwnMessageIsStarted) {
    seedProbes(4);
    ProgramUnderTest program;
    program.setRowState(2, kTickedBox, LVIS_STATEIMAGEMASK);
    ASSERT_TRUE(program.rows().at(2).checked);
    program.clickAndWait(kUninstall);
    EXPECT_EQ(startsOnceSettled(1), (std::vector<probe::Log::Start>{{"3", probe::Field(ExecutableFolder())}}));
}

TEST_F(LaunchOrderE2e, MissingProgramIsReportedOnceAndTheRowsAfterItStillStart) {
    seedProbes(2);
    entries.add(L"missing", L"Probe 01 Missing", L"C:\\nowhere\\missing.exe /x");
    ProgramUnderTest program;
    program.clickCheckBox(1);  // Probe 01 Missing
    program.clickCheckBox(2);  // Probe 02
    program.click(kUninstall);
    const HWND box = program.waitForDialog();
    ASSERT_NE(box, nullptr);
    const auto content = ProgramUnderTest::read(box);
    EXPECT_EQ(content.title, L"Application Error");
    EXPECT_NE(content.text.find(L"C:\\nowhere\\missing.exe /x"), std::wstring::npos);
    EXPECT_NE(content.text.find(L"in Tarnwick2016/11/03.Form1.PushButton1_Click at line 104"), std::wstring::npos);
    EXPECT_EQ(content.buttons, std::vector<std::wstring>{L"OK"});
    EXPECT_EQ(program.dialogs().size(), 1u);
    ProgramUnderTest::press(box, L"OK");
    EXPECT_TRUE(WaitUntil([&] { return log.ids().size() >= 1; }, 30s));
    EXPECT_EQ(log.ids(), std::vector<std::string>{"2"});
    program.waitIdle();
    EXPECT_TRUE(program.dialogs().empty());
}

// People start the tool from their downloads folder, where anyone's files may lie, and uninstallers
// ask for administrator rights: a copy of one of Windows' programs, or a DLL or program that a command
// names without a folder, beside the tool or in the folder it was started from, must never run in place
// of the real one. Each uninstaller runs in its own folder, so neither folder is searched.
TEST_F(LaunchOrderE2e, ProgramsPlantedBesideTheToolOrInItsWorkingDirectoryNeverStart) {
    ProgramFolder tool(L"orvendale-planted");
    ProgramFolder downloads(L"orvendale-downloads", false);
    ProgramFolder onPath(L"orvendale-on-path", false);
    const std::wstring probeExe = ExecutableFolder() + L"\\orvendale_order_probe.exe";
    const std::wstring probeDll = ExecutableFolder() + L"\\orvendale_probe.dll";
    for (auto* planted : {&tool, &downloads}) {
        for (const auto* name : {L"MsiExec.exe", L"rundll32.exe", L"cmd.exe", L"helper.exe"}) planted->putCopy(probeExe, name);
        planted->putCopy(probeDll, L"orvendale-none.dll");
    }
    // The DLL that the command means, where rundll32 finds it: one it cannot find leaves a box on a
    // Windows desktop that nothing closes.
    onPath.putCopy(probeDll, L"orvendale-none.dll");
    wchar_t path[32767] = {};
    GetEnvironmentVariableW(L"PATH", path, 32767);
    const EnvironmentVariableFor searched(L"PATH", std::wstring(path) + L";" + onPath.path());
    entries.add(L"msi", L"Planted 1", L"MsiExec.exe /X{6A1C2E3F-0000-4E6F-8A9B-0C1D2E3F4A5B} /qn");
    entries.add(L"rundll", L"Planted 2", L"rundll32.exe orvendale-none.dll,Entry");
    entries.add(L"cmd", L"Planted 3", L"cmd /c helper");
    seedProbes(1);  // last in the list: once it and the DLL have started, so have the others
    ProgramUnderTest program(tool.exe(), 30s, downloads.path());
    for (int row = 0; row < 4; ++row) program.clickCheckBox(row);
    program.clickAndWait(kUninstall);
    auto started = startsOnceSettled(2, 1000);
    std::sort(started.begin(), started.end(), [](const auto& a, const auto& b) { return a.id < b.id; });
    EXPECT_EQ(started, (std::vector<probe::Log::Start>{{"1", probe::Field(ExecutableFolder())}, {"dll", probe::Field(onPath.path())}}));
    EXPECT_TRUE(program.dialogs().empty());
}

// The tool itself loads no DLL from the folder it was started from: a DLL planted there under the name
// of one it uses (to read the machine's environment, to answer a screen reader, to draw dark scroll
// bars) never loads, neither at start-up nor when first needed.
TEST_F(LaunchOrderE2e, DllsPlantedBesideTheToolNeverLoad) {
    ProgramFolder tool(L"orvendale-planted-dlls");
    for (const auto* name : {L"userenv.dll", L"oleacc.dll", L"uxtheme.dll", L"dwmapi.dll", L"version.dll"}) {
        tool.putCopy(ExecutableFolder() + L"\\orvendale_probe.dll", name);
    }
    tool.putShippedSkin(L"dark");
    seedProbes(1);
    const win32::ComApartment com;  // a screen reader's questions come through COM
    ProgramUnderTest program(tool.exe(), 30s, tool.path());
    ASSERT_NE(AccessibleOf(program.control(kUninstall)), nullptr);
    program.clickCheckBox(0);
    program.clickAndWait(kUninstall);  // a machine's entry: the machine's own environment is read
    EXPECT_EQ(startsOnceSettled(1), (std::vector<probe::Log::Start>{{"1", probe::Field(ExecutableFolder())}}));
    EXPECT_TRUE(program.dialogs().empty());
}

// Started "as administrator" (under Wine every process is), the program gives none of its rights to a
// program installed for the user alone, whose entry any of the user's programs could have written: the
// desktop's shell starts it with the user's own rights, or, where there is none (Wine has none), the
// row is reported. The machine's entries start as ever.
TEST_F(LaunchOrderE2e, RunAsAdministratorItStartsNoPerUserEntryWithItsRights) {
    if (!RunsElevatedWithALimitedTwin()) GTEST_SKIP() << "the tests do not run as administrator with UAC here";
    seedProbe(1);
    seedProbe(2, RegistrySource::Machine64);
    ProgramUnderTest program(L"", 30s, L"", ProgramUnderTest::Rights::Tests);
    program.clickCheckBox(0);
    program.clickCheckBox(1);
    program.click(kUninstall);
    const HWND box = program.waitForDialog();
    ASSERT_NE(box, nullptr);
    const auto content = ProgramUnderTest::read(box);
    for (const auto* words : {L"runs as administrator", L"there is no desktop shell", L"at line 104"}) {
        EXPECT_NE(content.text.find(words), std::wstring::npos) << content.text;
    }
    ProgramUnderTest::press(box, L"OK");
    EXPECT_EQ(startsOnceSettled(1), (std::vector<probe::Log::Start>{{"2", probe::Field(ExecutableFolder())}}));
}

// A 32-bit installer's entry on 64-bit Windows: its "System32" and "%ProgramFiles%" are the 32-bit
// system folder and "Program Files (x86)", where it put its uninstaller, whatever lies at the same
// place for 64-bit programs.
TEST_F(LaunchOrderE2e, EntriesOf32BitInstallersStartTheUninstallersWhereTheInstallerPutThem) {
    if (!RunningUnderWine()) GTEST_SKIP() << "writes into the system folders of a machine of its own";
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    wchar_t wow64[MAX_PATH] = {};
    ASSERT_NE(GetSystemWow64DirectoryW(wow64, MAX_PATH), 0u);
    const std::wstring probeExe = ExecutableFolder() + L"\\orvendale_order_probe.exe";
    ProgramFolder programFiles32(L"C:\\Program Files (x86)\\Orvendale Legacy", false);
    ProgramFolder programFiles64(L"C:\\Program Files\\Orvendale Legacy", false);
    programFiles32.putCopy(probeExe, L"uninst.exe");
    programFiles64.putCopy(probeExe, L"uninst.exe");
    const FileCopy legacy32(probeExe, std::wstring(wow64) + L"\\orvendale-legacy.exe");
    const FileCopy legacy64(probeExe, std::wstring(system) + L"\\orvendale-legacy.exe");
    entries.add(L"legacy", L"Legacy 1", L"C:\\Windows\\System32\\orvendale-legacy.exe /x", RegistrySource::Machine32);
    entries.add(L"legacy-files", L"Legacy 2", L"%ProgramFiles%\\Orvendale Legacy\\uninst.exe", RegistrySource::Machine32,
                REG_EXPAND_SZ);
    ProgramUnderTest program;
    program.clickCheckBox(0);
    program.clickCheckBox(1);
    program.clickAndWait(kUninstall);
    EXPECT_EQ(startsOnceSettled(2), (std::vector<probe::Log::Start>{{"orvendale-legacy", probe::Field(wow64)},
                                            {"uninst", probe::Field(programFiles32.path())}}));
    EXPECT_TRUE(program.dialogs().empty());
}

// Windows reads paths of more than 260 characters for a program that declares itself long-path aware,
// as ours does, once the machine allows them (Wine always does); the shell and the loader take them in
// their short form.
TEST_F(LaunchOrderE2e, AnUninstallerUnderAPathOfMoreThan260CharactersIsFoundAndStarted) {
    if (!RunningUnderWine() && !LongPathsEnabled()) GTEST_SKIP() << "this machine does not allow long paths";
    ProgramFolder root(L"orvendale-long", false);
    const std::wstring folder = root.path() + L"\\" + std::wstring(130, L'l') + L"\\" + std::wstring(130, L'm');
    ASSERT_GT(folder.size(), 260u);
    std::filesystem::create_directories(L"\\\\?\\" + folder);
    ASSERT_TRUE(CopyFileW((ExecutableFolder() + L"\\orvendale_order_probe.exe").c_str(),
                          (L"\\\\?\\" + folder + L"\\long.exe").c_str(), FALSE));
    entries.add(L"long", L"Long Path", L"\"" + folder + L"\\long.exe\" /x");
    ProgramUnderTest program;
    program.clickCheckBox(0);
    program.clickAndWait(kUninstall);
    EXPECT_TRUE(WaitUntil([&] { return !log.ids().empty(); }, 30s));
    wchar_t shortFolder[MAX_PATH] = {};  // the loader runs it in its folder's short form
    GetShortPathNameW(folder.c_str(), shortFolder, MAX_PATH);
    EXPECT_EQ(log.starts(), (std::vector<probe::Log::Start>{{"long", probe::Field(shortFolder)}}));
    EXPECT_TRUE(program.dialogs().empty());
}

TEST_F(LaunchOrderE2e, NothingTickedStartsNothingAndRebuildsTheList) {
    seedProbes(3);
    ProgramUnderTest program;
    entries.add(L"late", L"Probe 99 Late", L"C:\\late.exe");
    program.clickAndWait(kUninstall);
    EXPECT_EQ(program.rows().size(), 4u);
    Sleep(1000);
    EXPECT_TRUE(log.ids().empty());
    EXPECT_TRUE(program.dialogs().empty());
}

}  // namespace
}  // namespace orv::e2e
