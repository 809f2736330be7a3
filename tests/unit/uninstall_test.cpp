// Starting the uninstallers of the ticked rows, and how a command line becomes one shell request.
#include "app/launch_command.h"
#include "fakes/fake_registry.h"
#include "form1_fixture.h"
#include "services/locations.h"

namespace orv {
namespace {

class UninstallTest : public testing::Form1Test {
protected:
    void seedInstalled(const std::wstring& text, bool ticked, const std::wstring& program, const std::wstring& arguments = L"") {
        list.seed(text, ticked, arguments.empty() ? program : program + L" " + arguments);
        files.addFile(program);
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
        EXPECT_EQ(request.directory, L"C:\\");  // the root of the drive, not the drive's current folder
    }
    EXPECT_EQ(rowNames(), std::vector<std::wstring>{L"Kept"});
    EXPECT_TRUE(reporter.reports.empty());
}

// The shell may run a message loop of its own while it starts a program, and a click queued on any
// button then reaches us inside the batch: it is dropped, and every uninstaller starts once.
TEST_F(UninstallTest, ACommandClickedWhileTheShellStartsAProgramIsDropped) {
    seedInstalled(L"One", true, L"C:\\u1.exe");
    seedInstalled(L"Two", true, L"C:\\u2.exe");
    int opened = 0;
    shell.whileOpening = [&] {
        if (opened++ > 0) return;  // a program that ran it again would go on for ever
        form.uninstallTicked();
        form.refresh();
        form.untickAll();
        form.tickContaining();
        form.showHelp();
    };
    form.uninstallTicked();
    EXPECT_EQ(startedPrograms(), (std::vector<std::wstring>{L"C:\\u1.exe", L"C:\\u2.exe"}));
    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_TRUE(dialogs.messages.empty());
    form.showHelp();  // once the batch is done, the next click is served
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

// Closed behind a report of the batch (from the task bar, by Task Manager), the window starts nothing more.
TEST_F(UninstallTest, NoUninstallerStartsOnceTheWindowWentBehindAReport) {
    list.seed(L"Gone", true, L"C:\\gone.exe");
    seedInstalled(L"Later", true, L"C:\\later.exe");
    reporter.whileShown = [this] { form.windowClosed(); };
    form.uninstallTicked();
    EXPECT_EQ(reportedLines(), std::vector<int>{104});
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_EQ(rowNames(), (std::vector<std::wstring>{L"Gone", L"Later"}));  // not rebuilt either
}

TEST_F(UninstallTest, NothingTickedStartsNothingAndStillRebuilds) {
    list.seed(L"Stale");
    form.uninstallTicked();
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_TRUE(list.rows.empty());
    form.uninstallTicked();  // an empty list as well
    EXPECT_TRUE(reporter.reports.empty());
}

// Any user's program can write a command of megabytes: the list keeps only what tells that it is too
// long to start, and the report still names it.
TEST_F(UninstallTest, CommandTooLongToStartIsKeptInPartAndNamedInItsReport) {
    const std::wstring command = L"C:\\a b\\u.exe " + std::wstring(1 << 20, L'x');
    registry.addProgram(L"huge", L"Huge", command);
    form.refresh();
    ASSERT_EQ(list.rows.size(), 1u);
    EXPECT_EQ(list.rows[0].subItems[1], command.substr(0, kLongestCommandLine + 1));
    list.rows[0].checked = true;
    form.uninstallTicked();
    ASSERT_EQ(reportedLines(), std::vector<int>{104});
    EXPECT_NE(reporter.reports[0].description.find(command.substr(0, 300) + L"...\" (more than 32767 characters)"),
              std::wstring::npos);
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(UninstallTest, ListsLongerThan32767RowsAreWalkedToTheEnd) {
    for (int i = 1; i <= 40000; ++i) list.seed(L"Row", i == 1 || i == 32768 || i == 40000, L"C:\\u" + std::to_wstring(i) + L".exe");
    for (const auto* file : {L"C:\\u1.exe", L"C:\\u32768.exe", L"C:\\u40000.exe"}) files.addFile(file);
    form.uninstallTicked();
    EXPECT_EQ(startedPrograms(), (std::vector<std::wstring>{L"C:\\u1.exe", L"C:\\u32768.exe", L"C:\\u40000.exe"}));
    EXPECT_TRUE(reporter.reports.empty());
}

// Every shape of command that installers write, through the expansion and the search to the one shell
// request, or to a report when no program is there. Besides the real uninstallers and Windows' own
// programs, the machine holds planted files: ones that a shorter prefix of an unquoted path would name
// (C:\Program.exe, acc.exe, D:\Games\Star beside a stale entry), ones that only the working directory
// or a relative PATH entry would lead to, and texts that Windows reads as another file than they spell
// (it says a file is there for them). None of them may ever be started.
struct CommandShape {
    const wchar_t* command;
    const wchar_t* program;    // null: not started, and the report says...
    const wchar_t* arguments;  // ...this, where the program is null
    RegistrySource source = RegistrySource::Machine64;
    const wchar_t* keyName = L"k";
};

// Windows Installer manages the first product; the second's entry does not say so.
constexpr wchar_t kProduct[] = L"{6A1C2E3F-4B5D-4E6F-8A9B-0C1D2E3F4A5B}";
constexpr wchar_t kUnmanagedProduct[] = L"{0A9B8C7D-6E5F-4A3B-2C1D-0E9F8A7B6C5D}";
constexpr auto k64Bit = RegistrySource::Machine64;
constexpr wchar_t kMsiExec[] = L"C:\\Windows\\system32\\MsiExec.exe";

constexpr auto k32Bit = RegistrySource::Machine32;
constexpr auto kUser = RegistrySource::CurrentUser;

const CommandShape kCommandShapes[] = {
    // Quoted, with and without arguments, glued to them, unterminated, with blanks around, without ".exe".
    {L"\"C:\\Program Files\\Foo\\unins000.exe\" /SILENT", L"C:\\Program Files\\Foo\\unins000.exe", L"/SILENT"},
    {L"\"C:\\Program Files\\Foo\\unins000.exe\"", L"C:\\Program Files\\Foo\\unins000.exe", L""},
    {L"\"C:\\a b\\u.exe\"/x", L"C:\\a b\\u.exe", L"/x"},
    {L"\"C:\\Program Files\\Foo\\unins000.exe  ", L"C:\\Program Files\\Foo\\unins000.exe", L""},
    {L"   \"C:\\a b\\u.exe\"   /q", L"C:\\a b\\u.exe", L"/q"},
    {L"\"C:\\a b\\u.exe\"\t/S  \t", L"C:\\a b\\u.exe", L"/S"},
    {L"\"C:\\Program Files\\Foo\\unins000\" /S", L"C:\\Program Files\\Foo\\unins000.exe", L"/S"},
    {L"\"C:\\Program Files\\Gone\\un.exe\" /S", nullptr, L"the uninstaller \"C:\\Program Files\\Gone\\un.exe\" is not there"},
    // Unquoted with blanks: the whole text, then the longest prefix, whatever shorter files exist.
    {L"C:\\Program Files\\Acc Tool\\acc touch.exe", L"C:\\Program Files\\Acc Tool\\acc touch.exe", L""},
    {L"C:\\Program Files\\Acc Tool\\acc touch.exe \t ", L"C:\\Program Files\\Acc Tool\\acc touch.exe", L""},
    {L"C:\\Program Files\\Acc Tool\\acc touch.exe /S", L"C:\\Program Files\\Acc Tool\\acc touch.exe", L"/S"},
    {L"C:\\Program Files\\Acc Tool\\acc touch", L"C:\\Program Files\\Acc Tool\\acc touch.exe", L""},
    {L"C:\\Program Files\\Foo Bar\\uninstall.exe /entry=Foo Bar", L"C:\\Program Files\\Foo Bar\\uninstall.exe",
     L"/entry=Foo Bar"},
    // A shorter prefix counts only as written, and only for an ".exe": other files open through their
    // association, so a planted "D:\Games\Star" or "C:\Tools\remove" must not run.
    {L"C:\\Program Files\\Acc Tool\\acc touch\t/S /Q", nullptr,
     L"\"C:\\Program Files\\Acc Tool\\acc touch\" names no file, and \"C:\\Program Files\\Acc Tool\\acc touch.exe\" is started"},
    {L"D:\\Games\\Star Run\\UNINS000.EXE /S", nullptr, L"the uninstaller \"D:\\Games\\Star Run\\UNINS000.EXE\" is not there"},
    {L"D:\\Apps\\Missing Tool\\un.exe /x", nullptr, L"the uninstaller \"D:\\Apps\\Missing Tool\\un.exe\" is not there"},
    {L"C:\\Tools\\remove now", nullptr, L"no program that it names is there"},
    {L"C:\\Tools\\remove", L"C:\\Tools\\remove", L""},
    // Only the file exactly as written: not one that Windows finds by dropping trailing dots and blanks,
    // resolving "..", taking a device name or a stream.
    {L"C:\\tool\\helper.exe /../../other/evil.exe", L"C:\\tool\\helper.exe", L"/../../other/evil.exe"},
    {L"C:\\tool\\helper.exe .", L"C:\\tool\\helper.exe", L"."},
    {L"nul /d", nullptr, L"\"nul\" is no file's name as it stands"},
    {L"C:\\tool\\helper.exe:evil.exe /x", nullptr, L"\"C:\\tool\\helper.exe:evil.exe\" is no file's name as it stands"},
    // Without a folder: the system folder, the Windows folder, then the full paths of PATH; ".exe"
    // added when the name has none. Never the working directory, nor a relative PATH entry.
    {L"MsiExec.exe /X{ABCDEFAB-CDEF-ABCD-EFAB-CDEFABCDEFAB}", L"C:\\Windows\\system32\\MsiExec.exe",
     L"/X{ABCDEFAB-CDEF-ABCD-EFAB-CDEFABCDEFAB}"},
    {L"\"MsiExec.exe\" /x {A}", L"C:\\Windows\\system32\\MsiExec.exe", L"/x {A}"},
    // A product of Windows Installer written to open its maintenance is removed by its code; any other
    // shape, or an entry that does not say Windows Installer manages it, starts as written.
    {L"MsiExec.exe /I{6A1C2E3F-4B5D-4E6F-8A9B-0C1D2E3F4A5B}", kMsiExec, L"/X{6A1C2E3F-4B5D-4E6F-8A9B-0C1D2E3F4A5B}", k64Bit, kProduct},
    {L" msiexec\t/i {6a1c2e3f-4b5d-4e6f-8a9b-0c1d2e3f4a5b} ", kMsiExec, L"/X{6a1c2e3f-4b5d-4e6f-8a9b-0c1d2e3f4a5b}", k64Bit, kProduct},
    {L"MsiExec /I{6A1C2E3F-4B5D-4E6F-8A9B-0C1D2E3F4A5B}", kMsiExec, L"/X{6A1C2E3F-4B5D-4E6F-8A9B-0C1D2E3F4A5B}", k64Bit, kProduct},
    {L"MsiExec.exe /I{6A1C2E3F-4B5D-4E6F-8A9B-0C1D2E3F4A5B} /qn", kMsiExec, L"/I{6A1C2E3F-4B5D-4E6F-8A9B-0C1D2E3F4A5B} /qn", k64Bit, kProduct},
    {L"MsiExec.exe /I{0A9B8C7D-6E5F-4A3B-2C1D-0E9F8A7B6C5D}", kMsiExec, L"/I{0A9B8C7D-6E5F-4A3B-2C1D-0E9F8A7B6C5D}", k64Bit, kUnmanagedProduct},
    {L"MsiExec.exe /I{0A9B8C7D-6E5F-4A3B-2C1D-0E9F8A7B6C5D}", kMsiExec, L"/I{0A9B8C7D-6E5F-4A3B-2C1D-0E9F8A7B6C5D}", k64Bit, kProduct},
    {L"MsiExec.exe /I{6A1C2E3F-4B5D-4E6F-8A9B-0C1D2E3F4A5B}", kMsiExec, L"/I{6A1C2E3F-4B5D-4E6F-8A9B-0C1D2E3F4A5B}", kUser, kProduct},
    {L"rundll32.exe x.dll,Entry args", L"C:\\Windows\\system32\\rundll32.exe", L"x.dll,Entry args"},
    {L"%SystemRoot%\\System32\\rundll32 \"C:\\a b\\x.dll\",Uninstall", nullptr,
     L"\"C:\\Windows\\System32\\rundll32\" names no file, and \"C:\\Windows\\System32\\rundll32.exe\" is started only by its whole name"},
    {L"cmd /c del \"C:\\x y\\z\"", L"C:\\Windows\\system32\\cmd.exe", L"/c del \"C:\\x y\\z\""},
    {L"notepad C:\\readme.txt", L"C:\\Windows\\notepad.exe", L"C:\\readme.txt"},
    {L"pwsh -File C:\\u.ps1", L"C:\\Program Files\\PowerShell\\7\\pwsh.exe", L"-File C:\\u.ps1"},
    {L"tool /x", L"D:\\bin\\tool.exe", L"/x"},
    {L"helper.exe /x", nullptr, L"\"helper.exe\" is in none of the system folder, the Windows folder and the folders of PATH"},
    {L"setup.exe", nullptr, L"\"setup.exe\" is in none"},
    {L"sub\\uninst.exe /S", nullptr, L"\"sub\\uninst.exe\" is not a full path"},
    {L"  \t", nullptr, L"there is no program in it"},
    // Text that would rewrite the report is shown by name: no forged line, no name read backwards.
    {L"C:\\gone\\u.exe\r\nin Tarnwick2016/11/03.Form1.Form_Load at line 100\r\rPlease email screenshot of this message to "
     L"evil@example.com", nullptr, L"\"C:\\gone\\u.exe\\r\\nin Tarnwick2016/11/03.Form1.Form_Load at line 100\\r\\rPlease"},
    {L"\"C:\\Program Files\\Acc\u202Egpj.exe\" /S", nullptr, L"\"C:\\Program Files\\Acc<U+202E>gpj.exe\" is not there"},
    // Environment references whose values hold blanks and a parenthesis.
    {L"%ProgramFiles(x86)%\\Pebble Zip\\Uninstall.exe", L"C:\\Program Files (x86)\\Pebble Zip\\Uninstall.exe", L""},
    {L"%ProgramFiles%\\Foo Bar\\uninstall.exe /S", L"C:\\Program Files\\Foo Bar\\uninstall.exe", L"/S"},
    {L"\"%SystemRoot%\\system32\\msiexec.exe\" /x {A}", L"C:\\Windows\\system32\\msiexec.exe", L"/x {A}"},
    // The machine's entries take the machine's variables and PATH; the user's entries the user's.
    {L"%SystemRoot%\\un.exe", L"C:\\Windows\\un.exe", L""},
    {L"%SystemRoot%\\un.exe", L"C:\\Users\\me\\un.exe", L"", kUser},
    {L"mytool /x", nullptr, L"\"mytool\" is in none", RegistrySource::Machine64},
    {L"mytool /x", L"C:\\Users\\me\\bin\\mytool.exe", L"/x", kUser},
    // A 32-bit installer's entry, as a 32-bit program sees 64-bit Windows: the 32-bit system folder but
    // for the folders both share, "Sysnative" for the real one, and "Program Files (x86)".
    {L"C:\\Windows\\System32\\legacyuninst.exe /x", L"C:\\Windows\\SysWOW64\\legacyuninst.exe", L"/x", k32Bit},
    {L"C:\\Windows\\System32\\legacyuninst.exe /x", L"C:\\Windows\\System32\\legacyuninst.exe", L"/x"},
    {L"rundll32.exe x.dll,Entry", L"C:\\Windows\\SysWOW64\\rundll32.exe", L"x.dll,Entry", k32Bit},
    {L"notepad", L"C:\\Windows\\notepad.exe", L"", k32Bit},
    {L"C:\\Windows\\system32\\spool\\drivers\\un.exe", L"C:\\Windows\\system32\\spool\\drivers\\un.exe", L"", k32Bit},
    {L"C:\\Windows\\Sysnative\\cmd.exe /c x", L"C:\\Windows\\system32\\cmd.exe", L"/c x", k32Bit},
    {L"%ProgramFiles%\\Tool\\uninst.exe", L"C:\\Program Files (x86)\\Tool\\uninst.exe", L"", k32Bit},
    {L"%ProgramFiles%\\Tool\\uninst.exe", L"C:\\Program Files\\Tool\\uninst.exe", L""},
    {L"\"%CommonProgramFiles%\\Tool\\un.exe\"", L"C:\\Program Files (x86)\\Common Files\\Tool\\un.exe", L"", k32Bit},
};

class CommandShapes : public ::testing::TestWithParam<CommandShape> {
protected:
    CommandShapes() {
        for (const auto* file :
             {L"C:\\Program Files\\Foo\\unins000.exe", L"C:\\a b\\u.exe", L"C:\\Program Files\\Acc Tool\\acc touch.exe",
              L"C:\\Program Files\\Foo Bar\\uninstall.exe", L"C:\\Program Files (x86)\\Pebble Zip\\Uninstall.exe",
              L"C:\\Windows\\System32\\msiexec.exe", L"C:\\Windows\\System32\\rundll32.exe",
              L"C:\\Windows\\System32\\cmd.exe", L"C:\\Windows\\notepad.exe", L"C:\\Program Files\\PowerShell\\7\\pwsh.exe",
              L"D:\\bin\\tool.exe", L"C:\\tool\\helper.exe", L"C:\\Windows\\un.exe", L"C:\\Users\\me\\un.exe",
              L"C:\\Users\\me\\bin\\mytool.exe", L"C:\\Windows\\SysWOW64\\legacyuninst.exe",
              L"C:\\Windows\\System32\\legacyuninst.exe", L"C:\\Windows\\SysWOW64\\rundll32.exe",
              L"C:\\Windows\\System32\\spool\\drivers\\un.exe", L"C:\\Program Files (x86)\\Tool\\uninst.exe",
              L"C:\\Program Files\\Tool\\uninst.exe", L"C:\\Program Files (x86)\\Common Files\\Tool\\un.exe",
              // planted
              L"C:\\Program.exe", L"C:\\Program Files\\Acc Tool\\acc.exe", L"C:\\Program Files\\Foo", L"D:\\Games\\Star.exe",
              L"D:\\Games\\Star", L"D:\\Apps\\Missing.exe", L"C:\\Tools\\remove", L"helper.exe", L".\\helper.exe",
              L"Tools\\helper.exe", L"setup.exe", L"sub\\uninst.exe", L"C:\\other\\evil.exe",
              // what Windows says is there, reading the text as another file
              L"C:\\tool\\helper.exe /../../other/evil.exe", L"C:\\tool\\helper.exe .", L"C:\\Windows\\system32\\nul.exe",
              L"C:\\tool\\helper.exe:evil.exe"}) {
            files.addFile(file);
        }
        registry.addEntry(RegistrySource::Machine64, kProduct).values[L"WindowsInstaller"] = {kRegDword, {1, 0}};
        registry.addEntry(RegistrySource::Machine64, kUnmanagedProduct).values[L"WindowsInstaller"] = {kRegDword, {0, 0}};
        shell.userEnvironment[L"SystemRoot"] = L"C:\\Users\\me";
        shell.userEnvironment[L"Path"] += L";C:\\Users\\me\\bin";
    }
    testing::Journal journal;
    testing::FaultPlan faults;
    testing::FakeShell shell{journal, faults};
    testing::FakeFiles files{journal, faults};
    testing::FakeRegistry registry;
    CommandLauncher launcher{shell, files, registry};

    // What the report of a refused command says; empty where the command was started instead.
    std::wstring refusal(const std::wstring& command, RegistrySource source, const wchar_t* keyName = L"") {
        try {
            launcher.launch(command, source, keyName);
        } catch (const Failure& report) {
            return report.description();
        }
        return {};
    }
};

TEST_P(CommandShapes, BecomeOneRequestForTheRightProgramInItsFolderOrAReport) {
    const auto& shape = GetParam();
    if (shape.program == nullptr) {
        const std::wstring description = refusal(shape.command, shape.source, shape.keyName);
        EXPECT_NE(description.find(shape.arguments), std::wstring::npos) << description;
        // The command as far as the report shows it as written; a tab is shown by name.
        std::wstring quoted = std::wstring(shape.command).substr(0, std::wstring_view(shape.command).find_first_of(L"\r\u202E"));
        for (auto at = quoted.find(L'\t'); at != std::wstring::npos; at = quoted.find(L'\t', at)) quoted.replace(at, 1, L"\\t");
        EXPECT_NE(description.find(quoted.substr(0, 40)), std::wstring::npos) << description;
        EXPECT_EQ(description.find_first_of(L"\t\r\n\u202E"), std::wstring::npos);
        EXPECT_TRUE(shell.opened.empty());
        return;
    }
    launcher.launch(shape.command, shape.source, shape.keyName);
    if (std::wstring_view(shape.keyName) == L"k") {
        EXPECT_TRUE(registry.opened.empty());  // only product codes cost a read
    }
    ASSERT_EQ(shell.opened.size(), 1u);
    const std::wstring program = shape.program;
    EXPECT_EQ(shell.opened[0].program, program);
    EXPECT_EQ(shell.opened[0].arguments, shape.arguments);
    EXPECT_EQ(shell.opened[0].directory, program.substr(0, program.rfind(L'\\')));
}

INSTANTIATE_TEST_SUITE_P(Installers, CommandShapes, ::testing::ValuesIn(kCommandShapes));

// Started "as administrator", the program lends its rights to no program installed for the user alone
// (any of the user's programs can write its entry): the desktop's shell starts it with the user's own,
// or, where the desktop cannot, it is reported. The machine's entries start as ever.
TEST_F(CommandShapes, RunAsAdministratorPerUserEntriesStartWithTheDesktopUsersRightsOrNotAtAll) {
    shell.elevated = true;
    launcher.launch(L"\"C:\\a b\\u.exe\" /S", kUser, L"");
    launcher.launch(L"\"C:\\a b\\u.exe\" /M", RegistrySource::Machine64, L"");
    ASSERT_EQ(shell.openedAsDesktopUser.size(), 1u);
    const auto& desktop = shell.openedAsDesktopUser[0];
    EXPECT_EQ(desktop.program + L" " + desktop.arguments + L" in " + desktop.directory, L"C:\\a b\\u.exe /S in C:\\a b");
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0].arguments, L"/M");
    shell.desktopRefusal = L"there is no desktop shell";
    const std::wstring description = refusal(L"\"C:\\a b\\u.exe\" /S", kUser);
    EXPECT_NE(description.find(L"runs as administrator, and a program installed for you alone must not get those "
                               L"rights; the desktop could not start it with yours: there is no desktop shell"),
              std::wstring::npos) << description;
}

// Each place where a program could be is asked after once, and a name that ends in ".exe" is not asked
// after with another ".exe": on a server that does not answer, each question waits for the network.
TEST_F(CommandShapes, EachPlaceIsAskedAfterOnce) {
    const std::pair<const wchar_t*, std::vector<std::wstring>> asked[] = {
        {L"\"\\\\server\\share\\gone\\u.exe\" /S", {L"\\\\server\\share\\gone\\u.exe"}},
        {L"\\\\server\\share\\gone\\u", {L"\\\\server\\share\\gone\\u", L"\\\\server\\share\\gone\\u.exe"}},
    };
    for (const auto& [command, places] : asked) {
        files.asked.clear();
        EXPECT_NE(refusal(command, RegistrySource::Machine64), L"");
        EXPECT_EQ(files.asked, places) << command;
    }
}

// A Windows without 32-bit programs has no 32-bit system folder: its 32-bit entries are read as they stand.
TEST_F(CommandShapes, WithoutA32BitSystemFolderThe32BitViewIsReadAsItStands) {
    shell.wow64Folder.clear();
    launcher.launch(L"C:\\Windows\\System32\\legacyuninst.exe /x", k32Bit, L"");
    launcher.launch(L"%ProgramFiles%\\Tool\\uninst.exe", k32Bit, L"");
    ASSERT_EQ(shell.opened.size(), 2u);
    EXPECT_EQ(shell.opened[0].program, L"C:\\Windows\\System32\\legacyuninst.exe");
    EXPECT_EQ(shell.opened[1].program, L"C:\\Program Files\\Tool\\uninst.exe");
}

// Windows starts no longer command line, and looking into a longer one only costs time: it is refused
// as it stands, and after its references are expanded.
TEST_F(CommandShapes, CommandsLongerThanWindowsStartsAreRefusedUnlooked) {
    const std::wstring program = L"C:\\a b\\u.exe";
    const std::wstring longest = program + L" " + std::wstring(kLongestCommandLine - program.size() - 1, L'x');
    launcher.launch(longest, RegistrySource::Machine64, L"");
    EXPECT_EQ(shell.opened.size(), 1u);
    for (const auto& tooLong : {longest + L"x", std::wstring(1 << 20, L' ') + L"C:\\a b\\u.exe",
                                longest.substr(0, kLongestCommandLine - 19) + L"%ProgramFiles(x86)%"}) {
        EXPECT_THROW(launcher.launch(tooLong, RegistrySource::Machine64, L""), Failure);
    }
    EXPECT_EQ(shell.opened.size(), 1u);
}

}  // namespace
}  // namespace orv
