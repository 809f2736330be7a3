// Rebuilding the program list from a fake registry: rows, derived columns, order, and failures.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fake_program_list.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_text_case.h"
#include "fakes/recording_reporter.h"
#include "inventory/refresh_list.h"
#include "inventory/registry_text.h"
#include "inventory/uninstaller_file.h"
#include "services/locations.h"

namespace orv {
namespace {

using namespace orv::testing;

class RefreshListTest : public ::testing::Test {
protected:
    void refresh() { RefreshList({registry, list, textCase, reporter}); }

    // The row that one command gives, as (uninstall, file exists).
    std::pair<std::wstring, std::wstring> columnsFor(const std::wstring& command) {
        registry.addProgram(L"{K}", L"Program", command);
        refresh();
        EXPECT_EQ(list.rows.size(), 1u);
        if (list.rows.empty()) return {};
        return {list.rows[0].subItems[kUninstallCommandItem], list.rows[0].subItems[kUninstallerFileItem]};
    }

    FakeRegistry registry;
    FakeProgramList list;
    FakeTextCase textCase;
    RecordingReporter reporter;
};

TEST_F(RefreshListTest, RowCarriesNameCommandDerivedFileAndKeyNameUnticked) {
    registry.addProgram(L"FooApp", L"Foo App 3", L"\"C:\\Program Files\\Foo\\unins000.exe\"");
    refresh();
    ASSERT_EQ(list.rows.size(), 1u);
    const auto& row = list.rows[0];
    EXPECT_EQ(row.text, L"Foo App 3");
    EXPECT_EQ(row.subItems[1], L"\"C:\\Program Files\\Foo\\unins000.exe\"");
    EXPECT_EQ(row.subItems[2], L"c:\\program files\\foo\\unins000.exe");
    EXPECT_EQ(row.subItems[3], L"FooApp");
    EXPECT_FALSE(row.checked);
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(RefreshListTest, WindowsInstallerCommandsAreMarkedAndKeptAsRead) {
    const std::wstring command = L"MsiExec.exe /X{ABCDEFAB-CDEF-ABCD-EFAB-CDEFABCDEFAB}";
    EXPECT_EQ(columnsFor(command), std::make_pair(command, std::wstring(L"IGNORE ME")));
}

TEST_F(RefreshListTest, FileIsCutAfterTheFirstExe) {
    const std::wstring command = L"C:\\Windows\\uninst.exe -f\"C:\\Program Files\\Foo\\setup.isu\"";
    EXPECT_EQ(columnsFor(command).second, L"c:\\windows\\uninst.exe");
}

TEST_F(RefreshListTest, Rundll32CommandKeepsItsCommandAndShowsThePathAfterTheLastDrive) {
    const std::wstring command =
        L"RUNDLL32.EXE C:\\Shared\\launch.dll,Run \"C:\\Program Files\\Foo\\setup.exe\" -remove";
    EXPECT_EQ(columnsFor(command), std::make_pair(command, std::wstring(L"c:\\program files\\foo\\setup.exe")));
}

TEST_F(RefreshListTest, InfIsPreferredToAnEarlierDll) {
    const std::wstring command = L"RunDll32.exe advpack.dll,LaunchINFSection C:\\WINDOWS\\INF\\foo.inf,DefaultUninstall";
    EXPECT_EQ(columnsFor(command), std::make_pair(command, std::wstring(L"c:\\windows\\inf\\foo.inf")));
}

TEST_F(RefreshListTest, Rundll32WithoutADriveGivesAnEmptyFileAndKeepsTheCommand) {
    const std::wstring command = L"rundll32.exe foo.dll,Remove";
    EXPECT_EQ(columnsFor(command), std::make_pair(command, std::wstring()));
}

TEST_F(RefreshListTest, NoKnownExtensionKeepsTheFirstThreeCharacters) {
    EXPECT_EQ(columnsFor(L"C:\\Foo\\remove.bat").second, L"c:\\");
}

TEST_F(RefreshListTest, ExpandableCommandIsShownUnexpanded) {
    auto& entry = registry.addEntry(RegistrySource::Machine64, L"Sys");
    entry.values[kDisplayNameValue] = {kRegSz, L"System Tool"};
    entry.values[kUninstallStringValue] = {kRegExpandSz, L"%SystemRoot%\\foo.exe /u"};
    refresh();
    ASSERT_EQ(list.rows.size(), 1u);
    EXPECT_EQ(list.rows[0].subItems[1], L"%SystemRoot%\\foo.exe /u");
    EXPECT_EQ(list.rows[0].subItems[2], L"%systemroot%\\foo.exe");
}

TEST_F(RefreshListTest, EntriesWithoutANameOrACommandGetNoRowButASingleBlankNameDoes) {
    registry.addEntry(RegistrySource::Machine64, L"NameOnly").values[kDisplayNameValue] = {kRegSz, L"Lonely"};
    registry.addEntry(RegistrySource::Machine64, L"CommandOnly").values[kUninstallStringValue] = {kRegSz, L"x.exe"};
    auto& dword = registry.addEntry(RegistrySource::Machine64, L"DwordName");
    dword.values[kDisplayNameValue] = {kRegDword, L"\x0001\x0000"};
    dword.values[kUninstallStringValue] = {kRegSz, L"y.exe"};
    registry.addProgram(L"EmptyName", L"", L"z.exe");
    registry.addProgram(L"Blank", L" ", L"b.exe");
    refresh();
    ASSERT_EQ(list.rows.size(), 1u);
    EXPECT_EQ(list.rows[0].text, L" ");
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(RefreshListTest, TextEndsAtTheFirstNulAndAMissingTerminatorKeepsEverything) {
    auto& entry = registry.addEntry(RegistrySource::Machine64, L"Nul");
    entry.values[kDisplayNameValue] = {kRegSz, std::wstring(L"Before\0After", 12)};
    entry.values[kUninstallStringValue] = {kRegSz, L"c:\\no-terminator.exe"};
    refresh();
    ASSERT_EQ(list.rows.size(), 1u);
    EXPECT_EQ(list.rows[0].text, L"Before");
    EXPECT_EQ(list.rows[0].subItems[1], L"c:\\no-terminator.exe");
}

TEST_F(RefreshListTest, RowsFollowEnumerationOrderAcrossSourcesAndDuplicatesStay) {
    registry.addProgram(L"u1", L"User Tool", L"u.exe", RegistrySource::CurrentUser);
    registry.addProgram(L"b", L"Same Name", L"b.exe", RegistrySource::Machine64);
    registry.addProgram(L"w", L"Old 32-bit Tool", L"w.exe", RegistrySource::Machine32);
    registry.addProgram(L"a", L"Same Name", L"a.exe", RegistrySource::Machine64);
    refresh();
    std::vector<std::wstring> names;
    for (const auto& row : list.rows) names.push_back(row.text);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Same Name", L"Same Name", L"Old 32-bit Tool", L"User Tool"}));
}

TEST_F(RefreshListTest, EveryKeyIsOpenedOnceAndClosedAgain) {
    registry.addProgram(L"a", L"A", L"a.exe");
    refresh();
    EXPECT_EQ(registry.openKeys, 0);
    EXPECT_EQ(registry.opened, (std::vector<std::wstring>{kUninstallKey, std::wstring(kUninstallKey) + L"\\a"}));
}

TEST_F(RefreshListTest, FirstUnreadableSubKeyOfEachSourceIsReportedOnceAndTheListingGoesOn) {
    for (const auto* key : {L"first", L"odd", L"odder", L"fourth"}) registry.addProgram(key, key, L"1.exe");
    registry.addProgram(L"user", L"user", L"u.exe", RegistrySource::CurrentUser);
    registry.addProgram(L"broken", L"broken", L"b.exe", RegistrySource::CurrentUser);
    registry.makeUnreadable(RegistrySource::Machine64, 1);
    registry.makeUnreadable(RegistrySource::Machine64, 2);
    registry.makeUnreadable(RegistrySource::CurrentUser, 1);
    refresh();
    EXPECT_EQ(list.rows.size(), 3u);  // first, fourth, user
    ASSERT_EQ(reporter.lines(), (std::vector<int>{114, 114}));
    EXPECT_EQ(reporter.reports[0].description,
              L"Could not read entry 1 of HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"
              L" (64-bit): Access is denied.");
    EXPECT_EQ(reporter.reports[1].description,
              L"Could not read entry 1 of HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall: "
              L"Access is denied.");
}

TEST_F(RefreshListTest, EntriesRemovedOrAddedDuringTheReadDoNotHideTheOthers) {
    for (int i = 0; i < 6; ++i) registry.addProgram(L"k" + std::to_wstring(i), L"Stays " + std::to_wstring(i), L"s.exe");
    registry.addProgram(L"gone", L"Goes Away", L"g.exe");
    int churn = 0;
    registry.duringEnumeration = [&](RegistrySource source, std::uint32_t index) {
        // Another installer removes an entry at a lower index, and adds one, while the walk is at 3.
        if (source == RegistrySource::Machine64 && index == 3 && churn++ == 0) {
            registry.removeEntry(source, L"k0");
            registry.addProgram(L"new", L"Arrived", L"n.exe");
        }
    };
    refresh();
    std::vector<std::wstring> names;
    for (const auto& row : list.rows) names.push_back(row.text);
    for (int i = 1; i < 6; ++i) {
        EXPECT_NE(std::find(names.begin(), names.end(), L"Stays " + std::to_wstring(i)), names.end()) << i;
    }
    EXPECT_EQ(std::find(names.begin(), names.end(), L"Stays 0"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), L"Arrived"), names.end());
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(RefreshListTest, MissingUninstallKeyGivesAnEmptyListAndNoMessage) {
    list.seed(L"Stale", true);
    refresh();
    EXPECT_TRUE(list.rows.empty());
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(RefreshListTest, RefreshDropsEveryTickAndRepaintsOnceAtTheEnd) {
    registry.addProgram(L"a", L"A", L"a.exe");
    refresh();
    list.rows[0].checked = true;
    list.repaints = 0;
    refresh();
    ASSERT_EQ(list.rows.size(), 1u);
    EXPECT_FALSE(list.rows[0].checked);
    EXPECT_EQ(list.repaints, 1);
}

TEST_F(RefreshListTest, FailedLowerCasingAtTheInstallerTestDerivesTheFileInstead) {
    registry.addProgram(L"m", L"Installer Thing", L"MsiExec.exe /X{1}");
    textCase.faults.fail("text.lower", 1);
    refresh();
    EXPECT_EQ(reporter.lines(), (std::vector<int>{138}));
    EXPECT_EQ(list.rows[0].subItems[kUninstallerFileItem], L"msiexec.exe");
}

TEST(ExtractDrivePath, TakesTheTailFromTheCharacterBeforeTheLastColon) {
    EXPECT_EQ(ExtractDrivePath(L"c:\\a\\b.exe"), L"c:\\a\\b.exe");
    EXPECT_EQ(ExtractDrivePath(L"x d:\\a c:\\b.exe"), L"c:\\b.exe");
    EXPECT_EQ(ExtractDrivePath(L"rundll32 c:\\shared\\launch.dll,run c:\\program files\\foo\\setup.exe"),
              L"c:\\program files\\foo\\setup.exe");
    EXPECT_EQ(ExtractDrivePath(L"rundll32 foo.dll"), L"");
    EXPECT_EQ(ExtractDrivePath(L""), L"");
    EXPECT_EQ(ExtractDrivePath(L":only a leading colon"), L"");
}

TEST(ReadRegistryString, FallsBackForMissingKeysValuesAndNonStringTypes) {
    FakeRegistry registry;
    auto& entry = registry.addEntry(RegistrySource::Machine64, L"k");
    entry.values[L"multi"] = {kRegMultiSz, std::wstring(L"a\0b\0\0", 5)};
    entry.values[L"binary"] = {kRegBinary, L"\x4142"};
    entry.values[L"empty"] = {kRegSz, L""};
    const auto key = registry.open(RegistrySource::Machine64, kUninstallKey)->openSubKey(L"k");
    RegistryValue buffer;
    const auto read = [&](RegistryKey* from, const wchar_t* name) { return ReadRegistryString(from, name, buffer).value_or(L"def"); };
    EXPECT_EQ(read(key.get(), L"multi"), L"def");
    EXPECT_EQ(read(key.get(), L"binary"), L"def");
    EXPECT_EQ(read(key.get(), L"missing"), L"def");
    EXPECT_EQ(read(key.get(), L"empty"), L"");
    EXPECT_EQ(read(nullptr, L"empty"), L"def");  // a key that could not be opened
}

}  // namespace
}  // namespace orv
