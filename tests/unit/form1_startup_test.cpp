// The main window's start-up, help, refresh and pointer feedback, against fakes.
#include <algorithm>

#include "form1_fixture.h"

namespace orv {
namespace {

using testing::Form1Test;

TEST_F(Form1Test, MissingCursorFileIsNoFailureAndHiddenOneStillCounts) {
    form.startUp();
    EXPECT_TRUE(reporter.reports.empty());
    EXPECT_TRUE(window.customPointer.empty());

    files.addHiddenFile(cursorPath);
    window.cursorFiles.insert(cursorPath);
    form.startUp();
    EXPECT_EQ(window.customPointer, cursorPath);
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
    form.showHandPointer();
    EXPECT_EQ(window.setting, PointerSetting::Custom);
    form.showArrowPointer();
    EXPECT_EQ(window.setting, PointerSetting::Default);
}

}  // namespace
}  // namespace orv
