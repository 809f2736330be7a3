// Starting the uninstallers of the ticked rows, and how a command line becomes one shell request.
#include "app/launch_command.h"
#include "form1_fixture.h"
#include "services/locations.h"

namespace orv {
namespace {

class UninstallTest : public testing::Form1Test {
protected:
    std::vector<std::wstring> startedPrograms() const {
        std::vector<std::wstring> programs;
        for (const auto& request : shell.opened) programs.push_back(request.program);
        return programs;
    }
};

TEST_F(UninstallTest, TickedRowsStartInListOrderThenTheListIsRebuilt) {
    registry.addProgram(L"k", L"Kept", L"k.exe");
    for (int i = 1; i <= 10; ++i) {
        list.seed(L"Row " + std::to_wstring(i), i == 2 || i == 5 || i == 9, L"C:\\u" + std::to_wstring(i) + L".exe /S");
    }
    form.PushButton1_Click();
    EXPECT_EQ(startedPrograms(), (std::vector<std::wstring>{L"C:\\u2.exe", L"C:\\u5.exe", L"C:\\u9.exe"}));
    for (const auto& request : shell.opened) {
        EXPECT_EQ(request.arguments, L"/S");
        EXPECT_EQ(request.directory, L"C:\\Program Files\\Orvendale");
        EXPECT_EQ(request.owner, 0x1234u);
    }
    EXPECT_EQ(rowNames(), std::vector<std::wstring>{L"Kept"});
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(UninstallTest, NothingTickedStartsNothingAndStillRebuilds) {
    list.seed(L"Stale");
    form.PushButton1_Click();
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_TRUE(list.rows.empty());
    form.PushButton1_Click();  // an empty list as well
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(UninstallTest, RefusedCommandIsReportedOnceAtLine104AndTheWalkGoesOn) {
    list.seed(L"Gone", true, L"C:\\gone\\un.exe /x");
    list.seed(L"Fine", true, L"C:\\fine\\un.exe");
    shell.refused.insert(L"C:\\gone\\un.exe");
    form.PushButton1_Click();
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].line, 104);
    EXPECT_EQ(reporter.reports[0].location, location::kPushButton1Click);
    EXPECT_NE(reporter.reports[0].description.find(L"C:\\gone\\un.exe /x"), std::wstring::npos);
    EXPECT_NE(reporter.reports[0].description.find(L"cannot find the file"), std::wstring::npos);
    EXPECT_EQ(startedPrograms(), std::vector<std::wstring>{L"C:\\fine\\un.exe"});
}

TEST_F(UninstallTest, EmptyCommandIsReportedRatherThanSilentlyDropped) {
    list.seed(L"Blank", true, L"  ");
    form.PushButton1_Click();
    EXPECT_EQ(reportedLines(), std::vector<int>{104});
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(UninstallTest, FailedTickReadLaunchesThatRowAsAFailedTestDoes) {
    list.seed(L"Unknown", false, L"C:\\a.exe");
    list.faults.fail("list.checked", 1);
    form.PushButton1_Click();
    EXPECT_EQ(reportedLines(), std::vector<int>{102});
    EXPECT_EQ(startedPrograms(), std::vector<std::wstring>{L"C:\\a.exe"});
}

TEST_F(UninstallTest, FailedRowCountStartsNothingAndRebuilds) {
    list.seed(L"Ticked", true, L"C:\\a.exe");
    list.faults.fail("list.count");
    form.PushButton1_Click();
    EXPECT_EQ(reportedLines(), std::vector<int>{100});
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_TRUE(list.rows.empty());
}

class SplitCommandTest : public ::testing::Test {
protected:
    SplitCommandLine split(const std::wstring& command) {
        return SplitCommand(command, [this](const std::wstring& path) { return files.count(path) != 0; });
    }
    std::set<std::wstring> files{L"C:\\Program Files\\Foo Bar\\uninstall.exe", L"C:\\Tools\\remove"};
};

TEST_F(SplitCommandTest, QuotedProgramWithAndWithoutArguments) {
    EXPECT_EQ(split(L"\"C:\\Program Files\\Foo\\unins000.exe\" /SILENT"),
              (SplitCommandLine{L"C:\\Program Files\\Foo\\unins000.exe", L"/SILENT"}));
    EXPECT_EQ(split(L"\"C:\\Program Files\\Foo\\unins000.exe\""),
              (SplitCommandLine{L"C:\\Program Files\\Foo\\unins000.exe", L""}));
    EXPECT_EQ(split(L"\"C:\\a b\\u.exe\"/x"), (SplitCommandLine{L"C:\\a b\\u.exe", L"/x"}));
}

TEST_F(SplitCommandTest, UnquotedPathWithSpacesIsResolvedAgainstTheFiles) {
    EXPECT_EQ(split(L"C:\\Program Files\\Foo Bar\\uninstall.exe /entry=Foo Bar"),
              (SplitCommandLine{L"C:\\Program Files\\Foo Bar\\uninstall.exe", L"/entry=Foo Bar"}));
    EXPECT_EQ(split(L"C:\\Tools\\remove now"), (SplitCommandLine{L"C:\\Tools\\remove", L"now"}));
    EXPECT_EQ(split(L"C:\\Program Files\\Missing\\un.exe /x"),
              (SplitCommandLine{L"C:\\Program", L"Files\\Missing\\un.exe /x"}));
}

TEST_F(SplitCommandTest, InstallerAndRundllCommandsSplitAtTheFirstBlank) {
    EXPECT_EQ(split(L"MsiExec.exe /X{ABCDEFAB-CDEF-ABCD-EFAB-CDEFABCDEFAB}"),
              (SplitCommandLine{L"MsiExec.exe", L"/X{ABCDEFAB-CDEF-ABCD-EFAB-CDEFABCDEFAB}"}));
    EXPECT_EQ(split(L"RunDll32.exe advpack.dll,LaunchINFSection C:\\WINDOWS\\INF\\foo.inf,DefaultUninstall"),
              (SplitCommandLine{L"RunDll32.exe", L"advpack.dll,LaunchINFSection C:\\WINDOWS\\INF\\foo.inf,DefaultUninstall"}));
}

TEST_F(SplitCommandTest, OddTextsStillGiveAProgramOrNothing) {
    EXPECT_EQ(split(L"   \"C:\\x.exe\"   /q"), (SplitCommandLine{L"C:\\x.exe", L"/q"}));
    EXPECT_EQ(split(L"\"C:\\Program Files\\unterminated.exe /x"),
              (SplitCommandLine{L"C:\\Program Files\\unterminated.exe /x", L""}));
    EXPECT_EQ(split(L""), (SplitCommandLine{L"", L""}));
    EXPECT_EQ(split(L"   "), (SplitCommandLine{L"", L""}));
    EXPECT_EQ(split(L"setup.exe"), (SplitCommandLine{L"setup.exe", L""}));
}

TEST_F(UninstallTest, EnvironmentReferencesAreExpandedBeforeTheSplit) {
    shell.files.insert(L"C:\\Program Files\\Pebble Zip\\Uninstall.exe");
    list.seed(L"Pebble", true, L"%ProgramFiles%\\Pebble Zip\\Uninstall.exe /S");
    list.seed(L"System", true, L"\"%SystemRoot%\\sys un.exe\" -q");
    form.PushButton1_Click();
    ASSERT_EQ(shell.opened.size(), 2u);
    EXPECT_EQ(shell.opened[0].program, L"C:\\Program Files\\Pebble Zip\\Uninstall.exe");
    EXPECT_EQ(shell.opened[0].arguments, L"/S");
    EXPECT_EQ(shell.opened[1].program, L"C:\\Windows\\sys un.exe");
    EXPECT_EQ(shell.opened[1].arguments, L"-q");
}

}  // namespace
}  // namespace orv
