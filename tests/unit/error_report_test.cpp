// The error report's exact text and the trap's numbering and resumption rules.
#include <gtest/gtest.h>

#include <stdexcept>

#include "fakes/fake_platform.h"
#include "fakes/recording_reporter.h"
#include "ports/failure.h"
#include "services/error_report.h"
#include "services/locations.h"
#include "services/trap.h"

namespace orv {
namespace {

using testing::RecordingReporter;

TEST(ErrorMessage, IsDescriptionLocationLineAndRequestWithExactSeparators) {
    const ErrorReport report{L"Overflow", location::kFormLoad, 106};
    EXPECT_EQ(ComposeErrorMessage(report),
              L"Overflow\r\nin Tarnwick2016/11/03.Form1.Form_Load at line 106\r\r"
              L"Please email screenshot of this message to support@orvendale.example");
}

TEST(ErrorMessage, EmptyDescriptionLeavesTheFirstLineEmpty) {
    const ErrorReport report{L"", location::kRefreshList, 178};
    EXPECT_EQ(ComposeErrorMessage(report),
              L"\r\nin Tarnwick2016/11/03.Reg.RefreshList at line 178\r\r"
              L"Please email screenshot of this message to support@orvendale.example");
}

TEST(ErrorMessage, IsShownAsOneExclamationBoxTitledApplicationError) {
    testing::Journal journal;
    testing::FaultPlan faults;
    testing::FakeDialogs dialogs(journal, faults);
    MessageBoxReporter reporter(dialogs);
    reporter.report({L"Boom", location::kPushButton4Click, 100});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, L"Application Error");
    EXPECT_EQ(dialogs.messages[0].style, 48u);
    EXPECT_EQ(dialogs.messages[0].text.substr(0, 6), L"Boom\r\n");
}

class TrapTest : public ::testing::Test {
protected:
    RecordingReporter reporter;
    Trap trap{location::kPushButton1Click, reporter};
    std::vector<int> ran;
};

TEST_F(TrapTest, FailedStepIsReportedWithItsLineAndTheNextStepRuns) {
    trap.step(100, [&] { ran.push_back(100); });
    trap.step(102, [&] { throw Failure(L"Disk not ready"); });
    trap.step(104, [&] { ran.push_back(104); });
    EXPECT_EQ(ran, (std::vector<int>{100, 104}));
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].description, L"Disk not ready");
    EXPECT_EQ(reporter.reports[0].location, location::kPushButton1Click);
    EXPECT_EQ(reporter.reports[0].line, 102);
}

TEST_F(TrapTest, TwoFailingStepsGiveTwoReportsInOrder) {
    trap.step(100, [&] { throw Failure(L"first"); });
    trap.step(102, [&] { throw std::runtime_error("second"); });
    ASSERT_EQ(reporter.reports.size(), 2u);
    EXPECT_EQ(reporter.reports[0].description, L"first");
    EXPECT_EQ(reporter.reports[1].description, L"second");
    EXPECT_EQ(reporter.lines(), (std::vector<int>{100, 102}));
}

TEST_F(TrapTest, FailedTestRunsTheGuardedBlockAndSkipsTheAlternative) {
    if (trap.entersBlock(104, []() -> bool { throw Failure(L"cannot tell"); })) {
        ran.push_back(106);
    } else {
        ran.push_back(108);
    }
    EXPECT_EQ(ran, (std::vector<int>{106}));
    EXPECT_EQ(reporter.lines(), (std::vector<int>{104}));
}

TEST_F(TrapTest, TestThatAnswersFalseSkipsTheBlockWithoutAReport) {
    EXPECT_FALSE(trap.entersBlock(104, [] { return false; }));
    EXPECT_TRUE(reporter.reports.empty());
}

// A helper without a trap of its own fails into the step that called it.
void UntrappedHelper() { throw Failure(L"deep down"); }

TEST_F(TrapTest, FailureInsideAnUntrappedCalleeCarriesTheCallersLine) {
    trap.step(128, [&] { UntrappedHelper(); });
    EXPECT_EQ(reporter.lines(), (std::vector<int>{128}));
    EXPECT_EQ(reporter.reports[0].description, L"deep down");
}

TEST_F(TrapTest, FailureInTheLastStepReturnsNormally) {
    auto procedure = [&] {
        trap.step(100, [&] { ran.push_back(100); });
        trap.step(111, [&] { throw Failure(L"last"); });
    };
    EXPECT_NO_THROW(procedure());
    EXPECT_EQ(reporter.lines(), (std::vector<int>{111}));
}

TEST_F(TrapTest, StandardExceptionsAreReportedWithTheirMessage) {
    trap.step(100, [&] { throw std::out_of_range("position past the end"); });
    trap.step(102, [&] { throw std::bad_alloc(); });
    ASSERT_EQ(reporter.reports.size(), 2u);
    EXPECT_EQ(reporter.reports[0].description, L"position past the end");
    EXPECT_EQ(reporter.reports[1].description, L"Out of memory");
}

TEST_F(TrapTest, WalkVisitsEveryItemThenStops) {
    int item = 0;
    trap.walk(
        102, [&] { item = 1; return true; }, [&] { ran.push_back(item); }, 106,
        [&] { return ++item <= 3; });
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(TrapTest, FailedWalkStartStillEntersTheBodyOnce) {
    trap.walk(
        102, []() -> bool { throw Failure(L"no rows"); }, [&] { ran.push_back(1); }, 106,
        [] { return false; });
    EXPECT_EQ(ran, (std::vector<int>{1}));
    EXPECT_EQ(reporter.lines(), (std::vector<int>{102}));
}

TEST_F(TrapTest, FailedAdvanceLeavesTheWalk) {
    int item = 0;
    trap.walk(
        102, [&] { item = 1; return true; }, [&] { ran.push_back(item); }, 106,
        [&]() -> bool { if (++item == 3) throw Failure(L"lost"); return true; });
    trap.step(108, [&] { ran.push_back(108); });
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 108}));
    EXPECT_EQ(reporter.lines(), (std::vector<int>{106}));
}

}  // namespace
}  // namespace orv
