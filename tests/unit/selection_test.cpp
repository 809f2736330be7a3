// Ticking rows by a text their names contain or do not contain, and clearing every tick.
#include "form1_fixture.h"
#include "services/locations.h"

namespace orv {
namespace {

class SelectionTest : public testing::Form1Test {
protected:
    // Photo Editor 2 (ticked), Zip Tool, Photo Viewer.
    void SetUp() override {
        list.seed(L"Photo Editor 2", true, L"C:\\pe\\un.exe");
        list.seed(L"Zip Tool", false, L"C:\\photo\\zip-un.exe");
        list.seed(L"Photo Viewer");
    }
    std::vector<bool> ticks() const {
        std::vector<bool> result;
        for (const auto& row : list.rows) result.push_back(row.checked);
        return result;
    }
};

TEST_F(SelectionTest, ContainingTicksEveryNameWithTheTextIgnoringCase) {
    dialogs.answer = L"PHOTO";
    form.tickContaining();
    EXPECT_EQ(ticks(), (std::vector<bool>{true, false, true}));
    ASSERT_EQ(dialogs.prompts.size(), 1u);
    EXPECT_EQ(dialogs.prompts[0].text, L"Enter text:");
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(SelectionTest, NotContainingOnlyAddsTicks) {
    dialogs.answer = L"photo";
    form.tickNotContaining();
    EXPECT_EQ(ticks(), (std::vector<bool>{true, true, false}));
}

TEST_F(SelectionTest, EmptyAnswerOrCancelMatchesEveryName) {
    dialogs.answer = L"";
    form.tickContaining();
    EXPECT_EQ(ticks(), (std::vector<bool>{true, true, true}));
    list.rows[1].checked = false;
    form.tickNotContaining();
    EXPECT_EQ(ticks(), (std::vector<bool>{true, false, true}));
}

TEST_F(SelectionTest, BlanksAreNotTrimmedAndOnlyTheNameIsSearched) {
    dialogs.answer = L" photo";
    form.tickContaining();
    EXPECT_EQ(ticks(), (std::vector<bool>{true, false, false}));
    dialogs.answer = L"zip-un";  // only in Zip Tool's command
    form.tickContaining();
    EXPECT_EQ(ticks(), (std::vector<bool>{true, false, false}));
}

TEST_F(SelectionTest, ContainingThenNotContainingTheSameTextTicksEveryRow) {
    dialogs.answer = L"view";
    form.tickContaining();
    form.tickNotContaining();
    EXPECT_EQ(ticks(), (std::vector<bool>{true, true, true}));
}

TEST_F(SelectionTest, AccentedAndNonLatinCapitalsMatchTheirLowerCase) {
    list.seed(L"\u00c9DITEUR PHOTO");
    list.seed(L"\u0424\u041e\u0422\u041e \u0420\u0415\u0414\u0410\u041a\u0422\u041e\u0420");
    dialogs.answer = L"\u00e9diteur";
    form.tickContaining();
    dialogs.answer = L"\u0444\u043e\u0442\u043e";
    form.tickContaining();
    EXPECT_EQ(ticks(), (std::vector<bool>{true, false, false, true, true}));
}

TEST_F(SelectionTest, UnselectAllClearsEveryTickAndAnEmptyListIsFine) {
    list.rows[2].checked = true;
    form.untickAll();
    EXPECT_EQ(ticks(), (std::vector<bool>{false, false, false}));
    list.rows.clear();
    form.untickAll();
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(SelectionTest, FailedTestOfARowTicksThatRowAndAFailedTickGoesOnWithTheNext) {
    dialogs.answer = L"nothing matches this";
    list.faults.fail("list.text", 2);  // the test of Zip Tool
    form.tickContaining();
    EXPECT_EQ(reportedLines(), (std::vector<int>{104}));
    EXPECT_EQ(ticks(), (std::vector<bool>{true, true, false}));

    reporter.reports.clear();
    dialogs.answer = L"photo";
    list.rows[1].checked = false;
    list.faults.fail("list.setChecked", list.faults.calls("list.setChecked") + 1);  // Photo Editor 2's tick
    form.tickContaining();
    ASSERT_EQ(reportedLines(), (std::vector<int>{106}));
    EXPECT_EQ(reporter.reports[0].location, location::kPushButton5Click);
    EXPECT_EQ(ticks(), (std::vector<bool>{true, false, true}));
}

TEST_F(SelectionTest, EachCommandReportsUnderItsOwnName) {
    list.faults.fail("list.setChecked");
    dialogs.answer = L"photo";
    form.tickNotContaining();
    form.untickAll();
    ASSERT_EQ(reporter.reports.size(), 4u);
    EXPECT_EQ(reporter.reports[0].location, location::kPushButton6Click);
    EXPECT_EQ(reporter.reports[0].line, 106);
    EXPECT_EQ(reporter.reports[1].location, location::kPushButton3Click);
    EXPECT_EQ(reporter.reports[1].line, 102);
}

TEST_F(SelectionTest, InputBoxThatCannotBeShownIsReportedAndTheWalkRunsWithAnEmptyText) {
    faults.fail("dialogs.inputBox");
    form.tickContaining();
    EXPECT_EQ(reportedLines(), (std::vector<int>{100}));
    EXPECT_EQ(ticks(), (std::vector<bool>{true, true, true}));
}

TEST_F(SelectionTest, ManyTicksRepaintOnce) {
    dialogs.answer = L"o";
    form.tickContaining();
    EXPECT_EQ(list.redrawCalls, (std::vector<bool>{false, true}));
}

}  // namespace
}  // namespace orv
