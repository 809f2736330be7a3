// The skin hand-over, the file probe and the application title.
#include "form1_fixture.h"
#include "services/appearance.h"
#include "services/locations.h"

namespace orv {
namespace {

using testing::Form1Test;

TEST_F(Form1Test, WithoutASkinFileTheComponentIsNotTouchedAndTheWindowStaysWhite) {
    files.hidden.insert(skinPath);  // hidden or system files do not count
    form.Form_Load();
    EXPECT_TRUE(skin.calls.empty());
    EXPECT_EQ(window.backColor, kWhite);
    EXPECT_EQ(files.searched.front(), skinPath);
}

TEST_F(Form1Test, SkinFileHandsTheWindowToTheComponentInSixSteps) {
    files.ordinary.insert(skinPath);
    form.Form_Load();
    EXPECT_TRUE(reporter.reports.empty());
    EXPECT_EQ(window.backColor, 0x8000000Fu);
    ASSERT_EQ(skin.calls.size(), 6u);
    const std::pair<int, DispatchKind> expected[] = {
        {2, DispatchKind::Method},      {1, DispatchKind::PropertyGet}, {1, DispatchKind::PropertyPut},
        {5, DispatchKind::PropertyPut}, {10, DispatchKind::PropertyPut}, {3, DispatchKind::Method}};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(skin.calls[i].dispatchId, expected[i].first) << i;
        EXPECT_EQ(skin.calls[i].kind, expected[i].second) << i;
    }
    EXPECT_EQ(skin.calls[0].arguments, (std::vector<DispatchValue>{skinPath, std::wstring()}));
    EXPECT_EQ(skin.calls[2].arguments, (std::vector<DispatchValue>{std::int32_t{0x41}}));
    EXPECT_EQ(skin.calls[3].arguments, (std::vector<DispatchValue>{true}));
    EXPECT_EQ(skin.calls[4].arguments, (std::vector<DispatchValue>{true}));
    EXPECT_EQ(skin.calls[5].arguments, (std::vector<DispatchValue>{std::int32_t{0x1234}}));
    EXPECT_EQ(files.searched.front(), skinPath);
}

TEST_F(Form1Test, FailingSkinStepEndsTheSkinAndIsReportedOnceAtLine100) {
    files.ordinary.insert(skinPath);
    faults.fail("skin.1.put");
    form.Form_Load();
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].line, 100);
    EXPECT_EQ(reporter.reports[0].location, location::kFormLoad);
    EXPECT_EQ(skin.calls.size(), 2u);  // load and read; nothing after the failed write
    EXPECT_EQ(window.caption, L"Orvendale Software");
}

TEST(FileExistsProbe, IsFalseForAMissingPathAndNeverFails) {
    testing::Journal journal;
    testing::FaultPlan faults;
    testing::FakeFiles files(journal, faults);
    files.hidden.insert(L"C:\\hidden.sys");
    EXPECT_FALSE(FileExistsProbe(files, L"C:\\nothing.cur"));
    EXPECT_TRUE(FileExistsProbe(files, L"C:\\hidden.sys"));
    faults.fail("files.readModificationTime");
    EXPECT_FALSE(FileExistsProbe(files, L"C:\\hidden.sys"));
}

TEST(ApplicationTitle, IsCutAtTheLastBlankAtLeastOnceUntilFortyCharactersOrFewer) {
    EXPECT_EQ(ApplicationTitleFor(L"Orvendale Software"), L"Orvendale");
    EXPECT_EQ(ApplicationTitleFor(L"A B"), L"A");
    EXPECT_EQ(ApplicationTitleFor(L"The Quite Remarkably Long Product Name Of Some Maker Ltd"),
              L"The Quite Remarkably Long Product Name");
    EXPECT_EQ(ApplicationTitleFor(L"Orvendale"), L"Orvendale");  // no blank: nothing to cut at
    EXPECT_EQ(ApplicationTitleFor(std::wstring(50, L'x')), std::wstring(40, L'x'));
}

}  // namespace
}  // namespace orv
