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

TEST_F(UninstallTest, ListsLongerThan32767RowsAreWalkedToTheEnd) {
    for (int i = 1; i <= 40000; ++i) list.seed(L"Row", i == 1 || i == 32768 || i == 40000, L"C:\\u" + std::to_wstring(i) + L".exe");
    form.PushButton1_Click();
    EXPECT_EQ(startedPrograms(), (std::vector<std::wstring>{L"C:\\u1.exe", L"C:\\u32768.exe", L"C:\\u40000.exe"}));
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(UninstallTest, FailedRowCountStartsNothingAndRebuilds) {
    list.seed(L"Ticked", true, L"C:\\a.exe");
    list.faults.fail("list.count");
    form.PushButton1_Click();
    EXPECT_EQ(reportedLines(), std::vector<int>{100});
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_TRUE(list.rows.empty());
}

// Every shape of command that installers write, through the expansion and the split to the one shell
// request. Besides the real uninstallers, the machine holds planted files that a shorter prefix of an
// unquoted path would name (C:\Program.exe, acc.exe); they must never be started in its place.
struct CommandShape {
    const wchar_t* command;
    const wchar_t* program;
    const wchar_t* arguments;
};

const CommandShape kCommandShapes[] = {
    // Quoted, with and without arguments, glued to them, unterminated, with blanks around.
    {L"\"C:\\Program Files\\Foo\\unins000.exe\" /SILENT", L"C:\\Program Files\\Foo\\unins000.exe", L"/SILENT"},
    {L"\"C:\\Program Files\\Foo\\unins000.exe\"", L"C:\\Program Files\\Foo\\unins000.exe", L""},
    {L"\"C:\\a b\\u.exe\"/x", L"C:\\a b\\u.exe", L"/x"},
    {L"\"C:\\Program Files\\unterminated.exe /x  ", L"C:\\Program Files\\unterminated.exe /x", L""},
    {L"   \"C:\\x.exe\"   /q", L"C:\\x.exe", L"/q"},
    // Unquoted with blanks: the whole text, then the longest prefix, whatever shorter files exist.
    {L"C:\\Program Files\\Acc Tool\\acc touch.exe", L"C:\\Program Files\\Acc Tool\\acc touch.exe", L""},
    {L"C:\\Program Files\\Acc Tool\\acc touch.exe \t ", L"C:\\Program Files\\Acc Tool\\acc touch.exe", L""},
    {L"C:\\Program Files\\Acc Tool\\acc touch.exe /S", L"C:\\Program Files\\Acc Tool\\acc touch.exe", L"/S"},
    {L"C:\\Program Files\\Acc Tool\\acc touch\t/S /Q", L"C:\\Program Files\\Acc Tool\\acc touch.exe", L"/S /Q"},
    {L"C:\\Program Files\\Foo Bar\\uninstall.exe /entry=Foo Bar", L"C:\\Program Files\\Foo Bar\\uninstall.exe",
     L"/entry=Foo Bar"},
    {L"D:\\Apps\\Missing Tool\\un.exe /x", L"D:\\Apps\\Missing", L"Tool\\un.exe /x"},
    // Unquoted without blanks.
    {L"setup.exe", L"setup.exe", L""},
    {L"C:\\Tools\\remove now", L"C:\\Tools\\remove", L"now"},
    // Programs that the shell finds on the search path, not as files here.
    {L"MsiExec.exe /X{ABCDEFAB-CDEF-ABCD-EFAB-CDEFABCDEFAB}", L"MsiExec.exe", L"/X{ABCDEFAB-CDEF-ABCD-EFAB-CDEFABCDEFAB}"},
    {L"rundll32.exe x.dll,Entry args", L"rundll32.exe", L"x.dll,Entry args"},
    // Environment references whose values hold blanks and a parenthesis.
    {L"%ProgramFiles(x86)%\\Pebble Zip\\Uninstall.exe", L"C:\\Program Files (x86)\\Pebble Zip\\Uninstall.exe", L""},
    {L"%ProgramFiles%\\Foo Bar\\uninstall.exe /S", L"C:\\Program Files\\Foo Bar\\uninstall.exe", L"/S"},
    {L"\"%SystemRoot%\\sys un.exe\" -q", L"C:\\Windows\\sys un.exe", L"-q"},
};

class CommandShapes : public ::testing::TestWithParam<CommandShape> {
protected:
    CommandShapes() {
        shell.files = {L"C:\\Program Files\\Acc Tool\\acc touch.exe", L"C:\\Program Files\\Foo Bar\\uninstall.exe",
                       L"C:\\Program Files (x86)\\Pebble Zip\\Uninstall.exe", L"C:\\Tools\\remove",
                       // planted
                       L"C:\\Program.exe", L"C:\\Program Files\\Acc Tool\\acc.exe", L"C:\\Program Files\\Foo"};
    }
    testing::Journal journal;
    testing::FaultPlan faults;
    testing::FakeShell shell{journal, faults};
};

TEST_P(CommandShapes, BecomeOneRequestForTheRightProgram) {
    const auto& shape = GetParam();
    LaunchCommand(shell, 0x1234, shape.command, L"C:\\Orvendale");
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0].program, shape.program);
    EXPECT_EQ(shell.opened[0].arguments, shape.arguments);
    EXPECT_EQ(shell.opened[0].directory, L"C:\\Orvendale");
}

INSTANTIATE_TEST_SUITE_P(Installers, CommandShapes, ::testing::ValuesIn(kCommandShapes));

}  // namespace
}  // namespace orv
