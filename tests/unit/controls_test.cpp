// The rules of our own controls: finding a row by typed letters, and colours that stay readable.
#include <gtest/gtest.h>

#include <vector>

#include "controls/colour_scheme.h"
#include "controls/type_ahead.h"
#include "fakes/fake_text_case.h"

namespace orv {
namespace {

// Sorted as the list sorts them.
const std::vector<std::wstring> kNames = {L"Alpha Tool", L"Bravo", L"Charlie Player", L"charlie tools",
                                          L"Delta", L"\u00c9cho Studio", L"Echo"};

struct Typed {
    const wchar_t* text;
    std::size_t start;
    bool prefix;
    bool wrap;
    std::optional<std::size_t> found;
};

const Typed kTyped[] = {
    {L"c", 0, true, true, 2},             // the first name with that letter
    {L"ch", 0, true, true, 2},
    {L"CHA", 0, true, true, 2},           // ignoring case
    {L"charlie t", 0, true, true, 3},     // a longer prefix moves on
    {L"c", 3, true, true, 3},             // from the row the control names
    {L"c", 4, true, true, 2},             // past the last match, wrapping to the top
    {L"c", 4, true, false, std::nullopt}, // unless it may not wrap
    {L"\u00e9", 0, true, true, 5},        // letters beyond A to Z
    {L"echo", 0, false, true, 6},         // a whole name, not a prefix of "Echo Studio"
    {L"z", 0, true, true, std::nullopt},
    {L"", 0, true, true, std::nullopt},
    {L"a", 99, true, true, 0},            // a start past the end counts as the top
    {L"Alpha Tool and more", 0, true, true, std::nullopt},
};

class TypeAhead : public ::testing::TestWithParam<Typed> {};

TEST_P(TypeAhead, FindsTheRowAsAWindowsListDoes) {
    const auto& typed = GetParam();
    testing::FakeTextCase textCase;
    const auto found = FindRow(textCase, kNames.size(), [](std::size_t row) -> const std::wstring& { return kNames[row]; },
                               RowSearch{typed.text, typed.start, typed.prefix, typed.wrap});
    EXPECT_EQ(found, typed.found);
}

INSTANTIATE_TEST_SUITE_P(Letters, TypeAhead, ::testing::ValuesIn(kTyped));

TEST(Contrast, FollowsWcag2) {
    EXPECT_NEAR(ContrastRatio(0, kWhiteRgb), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(kWhiteRgb, kWhiteRgb), 1.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(MakeRgb(0x77, 0x77, 0x77), kWhiteRgb), 4.48, 0.01);  // just below the bar
    EXPECT_NEAR(ContrastRatio(MakeRgb(0, 0, 255), kWhiteRgb), 8.59, 0.01);
    EXPECT_DOUBLE_EQ(ContrastRatio(MakeRgb(255, 0, 0), 0), ContrastRatio(0, MakeRgb(255, 0, 0)));
}

// The colour schemes a user may have: Windows' standard one, a custom dark one, and high contrast.
const SystemColours kStandard{};
const SystemColours kDark{MakeRgb(0, 0, 0), kWhiteRgb, MakeRgb(128, 128, 128), MakeRgb(0, 0, 0), kWhiteRgb};
const SystemColours kGreyText{MakeRgb(240, 240, 240), MakeRgb(0x77, 0x77, 0x77), MakeRgb(160, 160, 160), kWhiteRgb, 0};
const ButtonSkin kSkin{MakeRgb(0x2D, 0x2F, 0x33), kWhiteRgb, MakeRgb(0x3C, 0x40, 0x43), std::nullopt,
                       MakeRgb(0x5F, 0x63, 0x68), MakeRgb(0x8A, 0xB4, 0xF8)};

TEST(ButtonColourChoice, WhiteFaceOnlyWhileTheSystemTextReadsOnIt) {
    const auto standard = ChooseButtonColours({kStandard, false}, {});
    EXPECT_EQ(standard.face, kWhiteRgb);
    EXPECT_EQ(standard.text, kStandard.buttonText);
    EXPECT_EQ(standard.pressed, kStandard.buttonFace);
    EXPECT_EQ(standard.border, kStandard.buttonShadow);
    for (const auto& unreadable : {kDark, kGreyText}) {
        const auto colours = ChooseButtonColours({unreadable, false}, {});
        EXPECT_EQ(colours.face, unreadable.buttonFace);
        EXPECT_EQ(colours.hot, unreadable.buttonFace);
    }
    const auto dark = ChooseButtonColours({kDark, false}, {});
    EXPECT_NEAR(ContrastRatio(dark.text, dark.face), 21.0, 1e-9);  // white on black, not white on white
}

TEST(ButtonColourChoice, HighContrastSetsTheSkinAsideAndDrawsInSystemColours) {
    const auto skinned = ChooseButtonColours({kStandard, false}, kSkin);
    EXPECT_EQ(skinned.face, *kSkin.face);
    EXPECT_EQ(skinned.focus, kSkin.focus);
    EXPECT_EQ(skinned.pressed, kStandard.buttonFace);  // a part the skin leaves out keeps the designed look
    for (const auto& scheme : {kStandard, kDark}) {
        const auto colours = ChooseButtonColours({scheme, true}, kSkin);
        EXPECT_EQ(colours.face, scheme.buttonFace);
        EXPECT_EQ(colours.hot, scheme.buttonFace);
        EXPECT_EQ(colours.pressed, scheme.buttonFace);
        EXPECT_EQ(colours.text, scheme.buttonText);
        EXPECT_EQ(colours.border, scheme.buttonText);
        EXPECT_EQ(colours.focus, std::nullopt);
    }
}

TEST(HeaderColourChoice, SystemColoursWhenTheDesignedLookCannotBeTrusted) {
    EXPECT_FALSE(ChooseHeaderColours({kStandard, false}, std::nullopt, std::nullopt).has_value());
    const auto skinned = ChooseHeaderColours({kStandard, false}, MakeRgb(1, 2, 3), std::nullopt);
    ASSERT_TRUE(skinned.has_value());
    EXPECT_EQ(skinned->face, MakeRgb(1, 2, 3));
    EXPECT_EQ(skinned->text, kStandard.buttonText);
    for (const ColourScheme scheme : {ColourScheme{kDark, false}, ColourScheme{kStandard, true}}) {
        const auto colours = ChooseHeaderColours(scheme, MakeRgb(1, 2, 3), kWhiteRgb);
        ASSERT_TRUE(colours.has_value());
        EXPECT_EQ(colours->face, scheme.system.buttonFace);
        EXPECT_EQ(colours->text, scheme.system.buttonText);
    }
}

}  // namespace
}  // namespace orv
