// The skin and the application title.
#include "form1_fixture.h"
#include "services/application_title.h"
#include "services/locations.h"
#include "services/skin_file.h"

namespace orv {
namespace {

using testing::Form1Test;

TEST_F(Form1Test, WithoutAnOrdinarySkinFileTheWindowStaysWhite) {
    files.addHiddenFile(skinPath);  // hidden or system files do not count
    files.contents[skinPath] = "window.background = #102030\n";
    form.startUp();
    EXPECT_FALSE(window.appliedSkin.has_value());
    EXPECT_EQ(window.backColour, kWhite);
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(Form1Test, SkinFileDrawsTheWindowAndEveryControlInItsColours) {
    files.addFile(skinPath);
    files.contents[skinPath] = "button.face = #FFFFFF\nlist.header = #ABCDEF\n";
    form.startUp();
    EXPECT_TRUE(reporter.reports.empty());
    EXPECT_EQ(window.backColour, kButtonFaceColour);  // no window colour in the skin: the system's button face
    ASSERT_TRUE(window.appliedSkin.has_value());
    EXPECT_EQ(window.appliedSkin->buttonFace, kWhite);
    EXPECT_EQ(window.appliedSkin->listHeader, Colour::Rgb(0xAB, 0xCD, 0xEF));
}

// A skin that cannot be used ends the skin, and is reported once at the start-up's first line.
struct BadSkin {
    const char* name;
    std::string bytes;  // empty: the file cannot be read
    const wchar_t* report;
};

class BadSkins : public Form1Test, public ::testing::WithParamInterface<BadSkin> {};

TEST_P(BadSkins, AreReportedOnceAtLine100AndStartUpGoesOn) {
    files.addFile(skinPath);
    if (!GetParam().bytes.empty()) files.contents[skinPath] = GetParam().bytes;
    form.startUp();
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].line, 100);
    EXPECT_EQ(reporter.reports[0].location, location::kFormLoad);
    EXPECT_EQ(reporter.reports[0].description, std::wstring(L"The skin file \"") + skinPath + GetParam().report);
    EXPECT_FALSE(window.appliedSkin.has_value());
    EXPECT_EQ(window.caption, L"Orvendale Software");
}

INSTANTIATE_TEST_SUITE_P(
    Skins, BadSkins,
    ::testing::Values(BadSkin{"unreadable", "", L"\" cannot be read: The system cannot find the file specified."},
                      BadSkin{"too_large", std::string(kMaxSkinFileBytes + 1, '#'), L"\": the file is larger than 64 KiB"},
                      BadSkin{"unknown_key", "button.glow = #000000\n", L"\", line 1: unknown key \"button.glow\""}),
    [](const ::testing::TestParamInfo<BadSkin>& info) { return std::string(info.param.name); });

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
