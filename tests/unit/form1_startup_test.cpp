// The main window's start-up, help, refresh and pointer feedback, against fakes.
#include <algorithm>

#include "form1_fixture.h"
#include "services/appearance.h"
#include "services/locations.h"

namespace orv {
namespace {

using testing::Form1Test;

TEST_F(Form1Test, StartUpSetsCaptionIconTitleColumnsAndFillsTheList) {
    registry.addProgram(L"b", L"Beta", L"b.exe");
    registry.addProgram(L"a", L"Alpha", L"a.exe");
    form.startUp();
    EXPECT_TRUE(reporter.reports.empty());
    EXPECT_EQ(window.caption, L"Orvendale Software");
    EXPECT_TRUE(window.hasApplicationIcon);
    EXPECT_EQ(form.applicationTitle(), L"Orvendale");
    ASSERT_EQ(list.columns.size(), 4u);
    const std::pair<std::wstring, int> expected[] = {
        {L"Add Or Remove Programs", 7000}, {L"Uninstall", 0}, {L"FileExists", 0}, {L"KeyName", 0}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(list.columns[i].header, expected[i].first);
        EXPECT_EQ(list.columns[i].widthTwips, expected[i].second);
    }
    EXPECT_EQ(rowNames(), (std::vector<std::wstring>{L"Beta", L"Alpha"}));
    EXPECT_EQ(window.backColor, kWhite);
    EXPECT_TRUE(window.customPointer.empty());
    EXPECT_TRUE(shell.started.empty());
}

TEST_F(Form1Test, CursorFileThatIsNoCursorIsReportedAtLine106AndStartUpGoesOn) {
    files.ordinary.insert(cursorPath);
    form.startUp();
    EXPECT_EQ(reportedLines(), std::vector<int>{106});
    EXPECT_EQ(window.caption, L"Orvendale Software");
    EXPECT_TRUE(window.customPointer.empty());
}

TEST_F(Form1Test, MissingCursorFileIsNoFailureAndHiddenOneStillCounts) {
    form.startUp();
    EXPECT_TRUE(reporter.reports.empty());
    EXPECT_TRUE(window.customPointer.empty());

    files.hidden.insert(cursorPath);
    window.cursorFiles.insert(cursorPath);
    form.startUp();
    EXPECT_EQ(window.customPointer, cursorPath);
}

TEST_F(Form1Test, FailureInsideTheRefreshIsReportedByTheRefreshAndStartUpEndsNormally) {
    list.faults.fail("list.clear");
    form.startUp();
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].location, location::kRefreshList);
    EXPECT_EQ(reporter.reports[0].line, 102);
}

TEST_F(Form1Test, HomePageOpensMinimisedOnlyWhenTheDrawGivesSeven) {
    const std::pair<double, bool> draws[] = {{0.0, false}, {0.059999, false}, {0.06, true},
                                             {0.0699, true}, {0.07, false}, {0.999, false}};
    for (const auto& [draw, opens] : draws) {
        shell.started.clear();
        random.draw = draw;
        form.startUp();
        ASSERT_EQ(shell.started.size(), opens ? 1u : 0u) << draw;
        if (opens) {
            EXPECT_EQ(shell.started[0].program, L"C:\\Windows\\explorer.exe");
            EXPECT_EQ(shell.started[0].commandLine, L"\"C:\\Windows\\explorer.exe\" \"https://orvendale.example/\"");
            EXPECT_EQ(shell.started[0].directory, L"C:\\Windows");
            EXPECT_EQ(shell.started[0].windowStyle, 2);
        }
    }
    EXPECT_EQ(random.seeds.front(), 3600.5);
}

TEST_F(Form1Test, HelpShowsOneOkBoxWithTheContactAddressUnderTheApplicationTitle) {
    form.startUp();
    form.showHelp();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, L"Questions? Please contact Team Kestrune at https://orvendale.example/contact");
    EXPECT_EQ(dialogs.messages[0].title, L"Orvendale");
    EXPECT_EQ(dialogs.messages[0].style, 0u);
}

TEST_F(Form1Test, RefreshRebuildsTheListWithoutTicks) {
    registry.addProgram(L"a", L"Alpha", L"a.exe");
    form.startUp();
    list.rows[0].checked = true;
    registry.addProgram(L"n", L"New", L"n.exe");
    form.refresh();
    EXPECT_EQ(rowNames(), (std::vector<std::wstring>{L"Alpha", L"New"}));
    EXPECT_TRUE(std::none_of(list.rows.begin(), list.rows.end(), [](const auto& row) { return row.checked; }));
}

TEST_F(Form1Test, PointerIsTheHandOverButtonsAndTheArrowElsewhere) {
    form.ButtonMouseMove();
    EXPECT_EQ(window.setting, PointerSetting::Custom);
    form.SurfaceMouseMove();
    EXPECT_EQ(window.setting, PointerSetting::Default);
}

}  // namespace
}  // namespace orv
