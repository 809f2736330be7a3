// Starting the uninstallers of the ticked rows, and how a command line becomes one shell request.
#include "app/launch_command.h"
#include "form1_fixture.h"
#include "services/locations.h"

namespace orv {
namespace {

class UninstallTest : public testing::Form1Test {
protected:
    void seedInstalled(const std::wstring& text, bool ticked, const std::wstring& program, const std::wstring& arguments = L"") {
        list.seed(text, ticked, arguments.empty() ? program : program + L" " + arguments);
        shell.addFile(program);
    }
    std::vector<std::wstring> startedPrograms() const {
        std::vector<std::wstring> programs;
        for (const auto& request : shell.opened) programs.push_back(request.program);
        return programs;
    }
};

TEST_F(UninstallTest, TickedRowsStartInListOrderThenTheListIsRebuilt) {
    registry.addProgram(L"k", L"Kept", L"k.exe");
    for (int i = 1; i <= 10; ++i) {
        seedInstalled(L"Row " + std::to_wstring(i), i == 2 || i == 5 || i == 9, L"C:\\u" + std::to_wstring(i) + L".exe", L"/S");
    }
    form.uninstallTicked();
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
    form.uninstallTicked();
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_TRUE(list.rows.empty());
    form.uninstallTicked();  // an empty list as well
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(UninstallTest, RefusedCommandIsReportedOnceAtLine104AndTheWalkGoesOn) {
    seedInstalled(L"Gone", true, L"C:\\gone\\un.exe", L"/x");
    seedInstalled(L"Fine", true, L"C:\\fine\\un.exe");
    shell.refused.insert(L"C:\\gone\\un.exe");
    form.uninstallTicked();
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].line, 104);
    EXPECT_EQ(reporter.reports[0].location, location::kPushButton1Click);
    EXPECT_NE(reporter.reports[0].description.find(L"C:\\gone\\un.exe /x"), std::wstring::npos);
    EXPECT_NE(reporter.reports[0].description.find(L"cannot find the file"), std::wstring::npos);
    EXPECT_EQ(startedPrograms(), std::vector<std::wstring>{L"C:\\fine\\un.exe"});
}

TEST_F(UninstallTest, ListsLongerThan32767RowsAreWalkedToTheEnd) {
    for (int i = 1; i <= 40000; ++i) list.seed(L"Row", i == 1 || i == 32768 || i == 40000, L"C:\\u" + std::to_wstring(i) + L".exe");
    for (const auto* file : {L"C:\\u1.exe", L"C:\\u32768.exe", L"C:\\u40000.exe"}) shell.addFile(file);
    form.uninstallTicked();
    EXPECT_EQ(startedPrograms(), (std::vector<std::wstring>{L"C:\\u1.exe", L"C:\\u32768.exe", L"C:\\u40000.exe"}));
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(UninstallTest, FailedRowCountStartsNothingAndRebuilds) {
    list.seed(L"Ticked", true, L"C:\\a.exe");
    list.faults.fail("list.count");
    form.uninstallTicked();
    EXPECT_EQ(reportedLines(), std::vector<int>{100});
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_TRUE(list.rows.empty());
}

// Every shape of command that installers write, through the expansion and the search to the one shell
// request, or to a report when no program is there. Besides the real uninstallers and Windows' own
// programs, the machine holds planted files: ones that a shorter prefix of an unquoted path would name
// (C:\Program.exe, acc.exe, D:\Games\Star.exe beside a stale entry), and ones that only the working
// directory or a relative PATH entry would lead to. None of them may ever be started.
struct CommandShape {
    const wchar_t* command;
    const wchar_t* program;  // null: not started, and the report says...
    const wchar_t* arguments;  // ...this, where the program is null
};

const CommandShape kCommandShapes[] = {
    // Quoted, with and without arguments, glued to them, unterminated, with blanks around, without ".exe".
    {L"\"C:\\Program Files\\Foo\\unins000.exe\" /SILENT", L"C:\\Program Files\\Foo\\unins000.exe", L"/SILENT"},
    {L"\"C:\\Program Files\\Foo\\unins000.exe\"", L"C:\\Program Files\\Foo\\unins000.exe", L""},
    {L"\"C:\\a b\\u.exe\"/x", L"C:\\a b\\u.exe", L"/x"},
    {L"\"C:\\Program Files\\Foo\\unins000.exe  ", L"C:\\Program Files\\Foo\\unins000.exe", L""},
    {L"   \"C:\\a b\\u.exe\"   /q", L"C:\\a b\\u.exe", L"/q"},
    {L"\"C:\\Program Files\\Foo\\unins000\" /S", L"C:\\Program Files\\Foo\\unins000.exe", L"/S"},
    {L"\"C:\\Program Files\\Gone\\un.exe\" /S", nullptr, L"the uninstaller \"C:\\Program Files\\Gone\\un.exe\" is not there"},
    // Unquoted with blanks: the whole text, then the longest prefix, whatever shorter files exist.
    {L"C:\\Program Files\\Acc Tool\\acc touch.exe", L"C:\\Program Files\\Acc Tool\\acc touch.exe", L""},
    {L"C:\\Program Files\\Acc Tool\\acc touch.exe \t ", L"C:\\Program Files\\Acc Tool\\acc touch.exe", L""},
    {L"C:\\Program Files\\Acc Tool\\acc touch.exe /S", L"C:\\Program Files\\Acc Tool\\acc touch.exe", L"/S"},
    {L"C:\\Program Files\\Acc Tool\\acc touch", L"C:\\Program Files\\Acc Tool\\acc touch.exe", L""},
    {L"C:\\Program Files\\Foo Bar\\uninstall.exe /entry=Foo Bar", L"C:\\Program Files\\Foo Bar\\uninstall.exe",
     L"/entry=Foo Bar"},
    // A shorter prefix counts only as written: ".exe" is never added to one.
    {L"C:\\Program Files\\Acc Tool\\acc touch\t/S /Q", nullptr, L"no file that it names is there"},
    {L"D:\\Games\\Star Run\\UNINS000.EXE /S", nullptr, L"the uninstaller \"D:\\Games\\Star Run\\UNINS000.EXE\" is not there"},
    {L"D:\\Apps\\Missing Tool\\un.exe /x", nullptr, L"the uninstaller \"D:\\Apps\\Missing Tool\\un.exe\" is not there"},
    {L"C:\\Tools\\remove now", L"C:\\Tools\\remove", L"now"},
    // Without a folder: the system folder, the Windows folder, then the full paths of PATH; ".exe"
    // added when the name has none. Never the working directory, nor a relative PATH entry.
    {L"MsiExec.exe /X{ABCDEFAB-CDEF-ABCD-EFAB-CDEFABCDEFAB}", L"C:\\Windows\\system32\\MsiExec.exe",
     L"/X{ABCDEFAB-CDEF-ABCD-EFAB-CDEFABCDEFAB}"},
    {L"\"MsiExec.exe\" /x {A}", L"C:\\Windows\\system32\\MsiExec.exe", L"/x {A}"},
    {L"rundll32.exe x.dll,Entry args", L"C:\\Windows\\system32\\rundll32.exe", L"x.dll,Entry args"},
    {L"cmd /c del \"C:\\x y\\z\"", L"C:\\Windows\\system32\\cmd.exe", L"/c del \"C:\\x y\\z\""},
    {L"notepad C:\\readme.txt", L"C:\\Windows\\notepad.exe", L"C:\\readme.txt"},
    {L"pwsh -File C:\\u.ps1", L"C:\\Program Files\\PowerShell\\7\\pwsh.exe", L"-File C:\\u.ps1"},
    {L"tool /x", L"D:\\bin\\tool.exe", L"/x"},
    {L"helper.exe /x", nullptr, L"\"helper.exe\" is in none of the system folder, the Windows folder and the folders of PATH"},
    {L"setup.exe", nullptr, L"\"setup.exe\" is in none"},
    {L"sub\\uninst.exe /S", nullptr, L"\"sub\\uninst.exe\" is not a full path"},
    {L"  \t", nullptr, L"there is no program in it"},
    // Environment references whose values hold blanks and a parenthesis.
    {L"%ProgramFiles(x86)%\\Pebble Zip\\Uninstall.exe", L"C:\\Program Files (x86)\\Pebble Zip\\Uninstall.exe", L""},
    {L"%ProgramFiles%\\Foo Bar\\uninstall.exe /S", L"C:\\Program Files\\Foo Bar\\uninstall.exe", L"/S"},
    {L"\"%SystemRoot%\\system32\\msiexec.exe\" /x {A}", L"C:\\Windows\\system32\\msiexec.exe", L"/x {A}"},
};

class CommandShapes : public ::testing::TestWithParam<CommandShape> {
protected:
    CommandShapes() {
        for (const auto* file :
             {L"C:\\Program Files\\Foo\\unins000.exe", L"C:\\a b\\u.exe", L"C:\\Program Files\\Acc Tool\\acc touch.exe",
              L"C:\\Program Files\\Foo Bar\\uninstall.exe", L"C:\\Program Files (x86)\\Pebble Zip\\Uninstall.exe",
              L"C:\\Tools\\remove", L"C:\\Windows\\System32\\msiexec.exe", L"C:\\Windows\\System32\\rundll32.exe",
              L"C:\\Windows\\System32\\cmd.exe", L"C:\\Windows\\notepad.exe", L"C:\\Program Files\\PowerShell\\7\\pwsh.exe",
              L"D:\\bin\\tool.exe",
              // planted
              L"C:\\Program.exe", L"C:\\Program Files\\Acc Tool\\acc.exe", L"C:\\Program Files\\Foo", L"D:\\Games\\Star.exe",
              L"D:\\Apps\\Missing.exe", L"helper.exe", L".\\helper.exe", L"Tools\\helper.exe", L"setup.exe", L"sub\\uninst.exe"}) {
            shell.addFile(file);
        }
    }
    testing::Journal journal;
    testing::FaultPlan faults;
    testing::FakeShell shell{journal, faults};
};

TEST_P(CommandShapes, BecomeOneRequestForTheRightProgramOrAReport) {
    const auto& shape = GetParam();
    if (shape.program == nullptr) {
        try {
            LaunchCommand(shell, 0x1234, shape.command, L"C:\\Orvendale");
            ADD_FAILURE() << "started";
        } catch (const Failure& report) {
            EXPECT_NE(report.description().find(shape.arguments), std::wstring::npos) << report.description();
            EXPECT_NE(report.description().find(shape.command), std::wstring::npos);
        }
        EXPECT_TRUE(shell.opened.empty());
        return;
    }
    LaunchCommand(shell, 0x1234, shape.command, L"C:\\Orvendale");
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0].program, shape.program);
    EXPECT_EQ(shell.opened[0].arguments, shape.arguments);
    EXPECT_EQ(shell.opened[0].directory, L"C:\\Orvendale");
}

INSTANTIATE_TEST_SUITE_P(Installers, CommandShapes, ::testing::ValuesIn(kCommandShapes));

// Windows starts no longer command line, and looking into a longer one only costs time: it is refused
// as it stands, and after its references are expanded.
TEST_F(CommandShapes, CommandsLongerThanWindowsStartsAreRefusedUnlooked) {
    const std::wstring program = L"C:\\a b\\u.exe";
    const std::wstring longest = program + L" " + std::wstring(kLongestCommandLine - program.size() - 1, L'x');
    LaunchCommand(shell, 0, longest, L"C:\\Orvendale");
    EXPECT_EQ(shell.opened.size(), 1u);
    for (const auto& tooLong : {longest + L"x", std::wstring(1 << 20, L' ') + L"C:\\a b\\u.exe",
                                longest.substr(0, kLongestCommandLine - 19) + L"%ProgramFiles(x86)%"}) {
        EXPECT_THROW(LaunchCommand(shell, 0, tooLong, L"C:\\Orvendale"), Failure);
    }
    EXPECT_EQ(shell.opened.size(), 1u);
}

}  // namespace
}  // namespace orv
