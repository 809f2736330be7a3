// Every numbered step of every trapping procedure that can fail here, made to fail through the fakes:
// exactly the expected reports (the procedure's location, that line), then the continuation that the
// resumption rules give, and the procedure ends normally with every registry key closed. The one table
// of such failures; steps that work only on values in memory cannot fail and have no row.
#include <functional>

#include "form1_fixture.h"
#include "services/locations.h"

namespace orv {
namespace {

using testing::Form1Test;

struct ProcedureFault {
    const char* name;
    std::function<void(Form1Test&)> arrange;     // seeds data and plans the failure
    std::function<void(Form1&)> run;             // the procedure
    const wchar_t* location;
    std::vector<int> lines;                      // the reports, in order
    std::function<bool(const Form1Test&)> wentOn;  // the continuation that must have happened
};

class ProcedureFaults : public Form1Test, public ::testing::WithParamInterface<ProcedureFault> {
public:
    // The fixture's members, for the table's lambdas.
    testing::FakeProgramList& theList() { return list; }
    testing::FakeRegistry& theRegistry() { return registry; }
    testing::FaultPlan& platformFaults() { return faults; }
    testing::FakeDialogs& theDialogs() { return dialogs; }
    testing::FakeShell& theShell() { return shell; }
    testing::FakeFiles& theFiles() { return files; }
    testing::FakeTextCase& theTextCase() { return textCase; }
    const testing::FakeProgramList& theList() const { return list; }
    const testing::FakeShell& theShell() const { return shell; }
    const testing::FakeMainWindow& theWindow() const { return window; }
    const std::wstring& report(std::size_t at) const { return reporter.reports.at(at).description; }
};

void PrintTo(const ProcedureFault& fault, std::ostream* out) { *out << fault.name; }

TEST_P(ProcedureFaults, ReportsItsLinesAndGoesOnAsTheRulesSay) {
    const auto& fault = GetParam();
    fault.arrange(*this);
    EXPECT_NO_THROW(fault.run(form));
    EXPECT_EQ(reportedLines(), fault.lines);
    for (const auto& report : reporter.reports) EXPECT_EQ(report.location, fault.location);
    EXPECT_TRUE(fault.wentOn(*this));
    EXPECT_EQ(registry.openKeys, 0);  // every key opened is closed again, whatever failed
}

auto& Self(Form1Test& test) { return static_cast<ProcedureFaults&>(test); }
const auto& Self(const Form1Test& test) { return static_cast<const ProcedureFaults&>(test); }

// Three rows: Alpha (ticked), Beta, Gamma; the registry holds one entry, Fresh.
void ThreeRows(Form1Test& test) {
    auto& self = Self(test);
    self.theList().seed(L"Alpha", true, L"C:\\a.exe");
    self.theList().seed(L"Beta", false, L"C:\\b.exe");
    self.theList().seed(L"Gamma", false, L"C:\\g.exe");
    for (const auto* file : {L"C:\\a.exe", L"C:\\b.exe", L"C:\\g.exe"}) self.theFiles().addFile(file);
    self.theRegistry().addProgram(L"f", L"Fresh", L"C:\\f.exe");
    self.theDialogs().answer = L"a";
}

template <class... Steps>
std::function<void(Form1Test&)> Arrange(Steps... steps) {
    return [=](Form1Test& test) { (steps(test), ...); };
}
std::function<void(Form1Test&)> FailList(const char* operation, int nth = 0) {
    return [=](Form1Test& test) { Self(test).theList().faults.fail(operation, nth); };
}
std::function<void(Form1Test&)> FailPlatform(const char* operation, int nth = 0) {
    return [=](Form1Test& test) { Self(test).platformFaults().fail(operation, nth); };
}
std::function<void(Form1Test&)> FailRegistry(const char* operation, int nth = 0) {
    return [=](Form1Test& test) { Self(test).theRegistry().faults.fail(operation, nth); };
}
std::function<void(Form1Test&)> FailTextCase(const char* operation, int nth = 0) {
    return [=](Form1Test& test) { Self(test).theTextCase().faults.fail(operation, nth); };
}

// A Windows Installer entry of the current user's, listed after the machine's.
void UserEntry(Form1Test& test) {
    Self(test).theRegistry().addProgram(L"mine", L"Mine", L"MsiExec.exe /X{1}", RegistrySource::CurrentUser);
}

bool Ticked(const Form1Test& test, std::size_t row) { return Self(test).theList().rows.at(row).checked; }
bool ListedFresh(const Form1Test& test) {
    const auto& rows = Self(test).theList().rows;
    return !rows.empty() && rows.back().text == L"Fresh";
}
bool Captioned(const Form1Test& test) { return Self(test).theWindow().caption == L"Orvendale Software"; }
bool ThreeColumns(const Form1Test& test) { return Self(test).theList().columns.size() == 3 && ListedFresh(test); }
std::size_t Launched(const Form1Test& test) { return Self(test).theShell().opened.size(); }

const auto kFormLoad = [](Form1& form) { form.startUp(); };
const auto kUninstall = [](Form1& form) { form.uninstallTicked(); };
const auto kRefresh = [](Form1& form) { form.refresh(); };
const auto kUnselect = [](Form1& form) { form.untickAll(); };
const auto kHelp = [](Form1& form) { form.showHelp(); };
const auto kContaining = [](Form1& form) { form.tickContaining(); };
const auto kNotContaining = [](Form1& form) { form.tickNotContaining(); };

const ProcedureFault kFaults[] = {
    // Start-up: every later step still runs and the list is filled.
    {"FormLoad100", Arrange(ThreeRows, FailPlatform("files.isOrdinaryFile")), kFormLoad, location::kFormLoad, {100},
     [](const Form1Test& t) { return ListedFresh(t) && Captioned(t); }},
    {"FormLoad106", Arrange(ThreeRows, [](Form1Test& t) { Self(t).theFiles().addFile(L"C:\\Program Files\\Orvendale\\HAND-M.CUR"); }),
     kFormLoad, location::kFormLoad, {106},
     [](const Form1Test& t) { return ListedFresh(t) && Self(t).theWindow().customPointer.empty() && Captioned(t); }},
    {"FormLoad108", Arrange(ThreeRows, FailPlatform("random.seed")), kFormLoad, location::kFormLoad, {108}, ListedFresh},
    {"FormLoad128", Arrange(ThreeRows, FailPlatform("window.setCaption")), kFormLoad, location::kFormLoad, {128},
     [](const Form1Test& t) { return ListedFresh(t) && Self(t).theWindow().hasApplicationIcon; }},
    {"FormLoad128icon", Arrange(ThreeRows, FailPlatform("window.useApplicationIcon")), kFormLoad, location::kFormLoad,
     {128}, [](const Form1Test& t) { return ListedFresh(t) && Captioned(t); }},
    // A column that could not be added leaves the last width step without its column.
    {"FormLoad130", Arrange(ThreeRows, FailList("list.addColumn", 1)), kFormLoad, location::kFormLoad, {130, 144}, ThreeColumns},
    {"FormLoad132", Arrange(ThreeRows, FailList("list.addColumn", 2)), kFormLoad, location::kFormLoad, {132, 144}, ThreeColumns},
    {"FormLoad134", Arrange(ThreeRows, FailList("list.addColumn", 3)), kFormLoad, location::kFormLoad, {134, 144}, ThreeColumns},
    {"FormLoad136", Arrange(ThreeRows, FailList("list.addColumn", 4)), kFormLoad, location::kFormLoad, {136, 144}, ThreeColumns},
    {"FormLoad138", Arrange(ThreeRows, FailList("list.setColumnWidth", 1)), kFormLoad, location::kFormLoad, {138},
     [](const Form1Test& t) { return ListedFresh(t) && Self(t).theList().columns[3].widthTwips == 0; }},
    {"FormLoad140", Arrange(ThreeRows, FailList("list.setColumnWidth", 2)), kFormLoad, location::kFormLoad, {140}, ListedFresh},
    {"FormLoad142", Arrange(ThreeRows, FailList("list.setColumnWidth", 3)), kFormLoad, location::kFormLoad, {142}, ListedFresh},
    {"FormLoad144", Arrange(ThreeRows, FailList("list.setColumnWidth", 4)), kFormLoad, location::kFormLoad, {144}, ListedFresh},
    // A failure inside the refresh is the refresh's to report, and start-up ends normally.
    {"FormLoad145", Arrange(ThreeRows, FailList("list.clear")), kFormLoad, location::kRefreshList, {102}, Captioned},
    // The refresh reports its own failures, under its own name, and goes on.
    {"RefreshList102", Arrange(ThreeRows, FailList("list.clear")), kRefresh, location::kRefreshList, {102},
     [](const Form1Test& t) { return Self(t).theList().rows.size() == 4; }},
    {"RefreshList104", Arrange(ThreeRows, UserEntry, FailRegistry("registry.open", 1)), kRefresh, location::kRefreshList,
     {104}, [](const Form1Test& t) { return Self(t).theList().rows.size() == 1 && Self(t).theList().rows[0].text == L"Mine"; }},
    {"RefreshList114", Arrange(ThreeRows, FailRegistry("registry.enumerate", 2)), kRefresh, location::kRefreshList, {114}, ListedFresh},
    {"RefreshList122", Arrange(ThreeRows, FailRegistry("registry.value", 1)), kRefresh, location::kRefreshList, {122},
     [](const Form1Test& t) { return Self(t).theList().rows.empty(); }},
    {"RefreshList124", Arrange(ThreeRows, FailRegistry("registry.value", 2)), kRefresh, location::kRefreshList, {124},
     [](const Form1Test& t) { return Self(t).theList().rows.empty(); }},
    {"RefreshList132", Arrange(ThreeRows, FailList("list.add", 1)), kRefresh, location::kRefreshList, {132, 134, 136, 168},
     [](const Form1Test& t) { return Self(t).theList().rows.empty(); }},
    {"RefreshList134", Arrange(ThreeRows, FailList("list.setSubItem", 1)), kRefresh, location::kRefreshList, {134},
     [](const Form1Test& t) { return ListedFresh(t) && Self(t).theList().rows[0].subItems[3] == L"f"; }},
    {"RefreshList136", Arrange(ThreeRows, FailList("list.setSubItem", 2)), kRefresh, location::kRefreshList, {136},
     [](const Form1Test& t) { return Self(t).theList().rows[0].subItems[2] == L"c:\\f.exe"; }},
    {"RefreshList138", Arrange(ThreeRows, FailTextCase("text.lower", 1)), kRefresh, location::kRefreshList, {138},
     [](const Form1Test& t) { return Self(t).theList().rows[0].subItems[2] == L"c:\\f.exe"; }},
    {"RefreshList144", Arrange(ThreeRows, FailTextCase("text.lower", 2)), kRefresh, location::kRefreshList, {144},
     [](const Form1Test& t) { return Self(t).theList().rows[0].subItems[2] == L"C:\\f.exe"; }},
    {"RefreshList168", Arrange(ThreeRows, FailList("list.setSubItem", 3)), kRefresh, location::kRefreshList, {168}, ListedFresh},
    {"RefreshList170", Arrange(ThreeRows, UserEntry, FailList("list.setSubItem", 6)), kRefresh, location::kRefreshList, {170},
     [](const Form1Test& t) { return Self(t).theList().rows.size() == 2 && Self(t).theList().rows[1].subItems[3] == L"mine"; }},
    // Batch uninstall: a failed count starts nothing; a row whose tick cannot be read is not started;
    // a failed launch goes on with the next row; a failed rebuild ends the command.
    {"PushButton1_100", Arrange(ThreeRows, FailList("list.count")), kUninstall, location::kPushButton1Click, {100},
     [](const Form1Test& t) { return Launched(t) == 0 && ListedFresh(t); }},
    {"PushButton1_102", Arrange(ThreeRows, FailList("list.checked", 1), [](Form1Test& t) { Self(t).theList().rows[2].checked = true; }),
     kUninstall, location::kPushButton1Click, {102},
     [](const Form1Test& t) { return Launched(t) == 1 && Self(t).theShell().opened[0].program == L"C:\\g.exe" && ListedFresh(t); }},
    {"PushButton1_104", Arrange(ThreeRows, FailPlatform("shell.open", 1), [](Form1Test& t) { Self(t).theList().rows[2].checked = true; }),
     kUninstall, location::kPushButton1Click, {104}, [](const Form1Test& t) {
         return Launched(t) == 1 && ListedFresh(t) && Self(t).report(0).starts_with(L"Could not start \"C:\\a.exe\": Injected");
     }},
    {"PushButton1_111", Arrange(ThreeRows, FailRegistry("registry.open")), kUninstall, location::kRefreshList, {104, 104, 104},
     [](const Form1Test& t) { return Launched(t) == 1 && Self(t).theList().rows.empty(); }},
    // Unselect all: a failed start walks nothing; a failed untick goes on with the next row.
    {"PushButton3_100", Arrange(ThreeRows, FailList("list.count")), kUnselect, location::kPushButton3Click, {100, 102},
     [](const Form1Test& t) { return Ticked(t, 0); }},
    {"PushButton3_102", Arrange(ThreeRows, FailList("list.setChecked", 1)), kUnselect, location::kPushButton3Click, {102},
     [](const Form1Test& t) { return Ticked(t, 0) && !Ticked(t, 1); }},
    // Help.
    {"PushButton4_100", Arrange(ThreeRows, FailPlatform("dialogs.showMessage")), kHelp, location::kPushButton4Click, {100},
     [](const Form1Test& t) { return Self(t).theList().rows.size() == 3; }},
    // The filters: a failed prompt walks with the empty text; a failed test ticks its row; a failed
    // tick goes on with the next row.
    {"PushButton5_100", Arrange(ThreeRows, FailPlatform("dialogs.inputBox")), kContaining, location::kPushButton5Click, {100},
     [](const Form1Test& t) { return Ticked(t, 1) && Ticked(t, 2); }},
    {"PushButton5_102", Arrange(ThreeRows, FailList("list.count")), kContaining, location::kPushButton5Click, {102, 104, 106},
     [](const Form1Test& t) { return Ticked(t, 0) && !Ticked(t, 1); }},
    {"PushButton5_104", Arrange(ThreeRows, [](Form1Test& t) { Self(t).theDialogs().answer = L"zzz"; }, FailList("list.text", 2)),
     kContaining, location::kPushButton5Click, {104}, [](const Form1Test& t) { return Ticked(t, 1) && !Ticked(t, 2); }},
    {"PushButton5_106", Arrange(ThreeRows, FailList("list.setChecked", 2)), kContaining, location::kPushButton5Click, {106},
     [](const Form1Test& t) { return !Ticked(t, 1) && Ticked(t, 2); }},
    {"PushButton6_100", Arrange(ThreeRows, FailPlatform("dialogs.inputBox")), kNotContaining, location::kPushButton6Click, {100},
     [](const Form1Test& t) { return !Ticked(t, 1) && !Ticked(t, 2); }},
    {"PushButton6_104", Arrange(ThreeRows, FailList("list.text", 1)), kNotContaining, location::kPushButton6Click, {104},
     [](const Form1Test& t) { return Ticked(t, 0) && !Ticked(t, 1); }},
    {"PushButton6_106", Arrange(ThreeRows, [](Form1Test& t) { Self(t).theDialogs().answer = L"zzz"; }, FailList("list.setChecked", 1)),
     kNotContaining, location::kPushButton6Click, {106}, [](const Form1Test& t) { return Ticked(t, 1) && Ticked(t, 2); }},
};

INSTANTIATE_TEST_SUITE_P(EveryProcedure, ProcedureFaults, ::testing::ValuesIn(kFaults),
                         [](const ::testing::TestParamInfo<ProcedureFault>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orv
