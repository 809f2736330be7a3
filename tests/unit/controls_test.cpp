// The rules of our own controls: what the push button does, the list's sorted rows, finding a row by typed letters, and colours
// that stay readable.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "controls/button_behaviour.h"
#include "controls/colour_scheme.h"
#include "controls/program_rows.h"
#include "controls/type_ahead.h"
#include "controls/window_placement.h"
#include "fakes/fake_text_case.h"
#include "ports/failure.h"

namespace orv {
namespace {

// What the mouse and keys do to a push button, as a series of events: D/U mouse button down/up over
// the button, u up elsewhere, M/m the pointer moves over/off it, L it leaves, C the capture is lost,
// S/s Space down/up, E Enter, F the focus moves.
struct ButtonRun {
    const char* events;
    int clicks;
    bool pressed;
    bool hot;
};

const ButtonRun kButtonRuns[] = {
    {"S", 0, true, false},  {"Ss", 1, false, false},  {"s", 0, false, false},  {"SFs", 0, false, false},
    {"DU", 1, false, false}, {"Du", 0, false, false}, {"DCU", 0, false, false}, {"DmM", 0, true, true},
    {"Dm", 0, false, true},  {"DmU", 1, false, true}, {"ML", 0, false, false}, {"E", 1, false, false},
};

TEST(ButtonBehaviourTest, PressesHotAndClicksAsASystemButtonDoes) {
    for (const auto& run : kButtonRuns) {
        ButtonBehaviour button;
        int clicks = 0;
        for (const char* event = run.events; *event != '\0'; ++event) {
            const auto outcome = *event == 'D' ? button.mouseDown()         : *event == 'U' ? button.mouseUp(true)
                                 : *event == 'u' ? button.mouseUp(false)    : *event == 'M' ? button.mouseMove(true)
                                 : *event == 'm' ? button.mouseMove(false)  : *event == 'L' ? button.mouseLeave()
                                 : *event == 'C' ? button.captureLost()     : *event == 'S' ? button.spaceDown()
                                 : *event == 's' ? button.spaceUp()         : *event == 'E' ? button.enter()
                                                                            : button.focusChanged();
            clicks += outcome.click ? 1 : 0;
        }
        EXPECT_EQ(clicks, run.clicks) << run.events;
        EXPECT_EQ(button.pressed(), run.pressed) << run.events;
        EXPECT_EQ(button.hot(), run.hot) << run.events;
    }
}

TEST(ProgramRowsTest, RowsSortByNameIgnoringCaseOrOnceWhenDeferredKeepingEqualNamesInOrder) {
    testing::FakeCollation collation;
    ProgramRows rows(collation);
    const auto add = [&](std::wstring_view text) { return rows.add(text, RegistrySource::Machine64); };
    const auto zeta = rows.add(L"Zeta", RegistrySource::Machine32);
    rows.setSubItem(zeta, 3, L"key");
    rows.setChecked(zeta, true);
    EXPECT_EQ(add(L"alpha"), 1u);
    EXPECT_EQ(rows.subItem(2, 3), L"key");
    EXPECT_EQ(rows.source(2), RegistrySource::Machine32);
    EXPECT_TRUE(rows.checked(2));
    EXPECT_FALSE(rows.checked(1));
    // Rows and sub-items that are not there.
    EXPECT_THROW(static_cast<void>(rows.text(3)), Failure);
    EXPECT_THROW(rows.setChecked(0, true), Failure);
    EXPECT_THROW(rows.setSubItem(1, 4, L"x"), Failure);
    rows.deferSorting(true);
    EXPECT_EQ(add(L"Charlie"), 3u);
    EXPECT_EQ(add(L"charlie"), 4u);
    EXPECT_EQ(add(L"Visual C++ 2031 Runtime"), 5u);  // keys that differ far in, and in their last bytes
    EXPECT_EQ(add(L"Visual C++ 2013 Runtime"), 6u);
    EXPECT_EQ(add(L"Zet"), 7u);
    rows.deferSorting(false);
    // Texts change in place or move to the end of the rows' block; a row may copy another's text.
    rows.setSubItem(1, 1, L"a command longer than the one before");
    rows.setSubItem(1, 1, L"shorter");
    EXPECT_EQ(add(rows.text(7)), 8u);
    std::vector<std::wstring> names;
    for (std::size_t row = 1; row <= rows.count(); ++row) names.emplace_back(rows.text(row));
    EXPECT_EQ(names, (std::vector<std::wstring>{L"alpha", L"Charlie", L"charlie", L"Visual C++ 2013 Runtime", L"Visual C++ 2031 Runtime",
                                                L"Zet", L"Zeta", L"Zeta"}));
    EXPECT_EQ(rows.subItem(1, 1), L"shorter");
    EXPECT_EQ(rows.subItem(7, 3), L"key");
}

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
    const auto found = FindRow(textCase, kNames.size(), [](std::size_t row) { return std::wstring_view(kNames[row]); },
                               RowSearch{typed.text, typed.start, typed.prefix, typed.wrap});
    EXPECT_EQ(found, typed.found);
}

INSTANTIATE_TEST_SUITE_P(Letters, TypeAhead, ::testing::ValuesIn(kTyped));

// The window centred on the work area of its monitor; one taller or wider than the area keeps its
// caption and left edge inside it (192 DPI: 1078 x 1007 pixels above a task bar of 48 on 1080 lines).
TEST(WindowPlacement, CentredOnTheWorkAreaWithTheCaptionInsideIt) {
    const Area screen{0, 0, 1920, 1032};
    EXPECT_EQ(CentredOn(screen, 552, 518), (Area{684, 257, 1236, 775}));
    EXPECT_EQ(CentredOn(screen, 1078, 1007), (Area{421, 12, 1499, 1019}));
    EXPECT_EQ(CentredOn({0, 0, 1024, 600}, 1078, 1007), (Area{0, 0, 1078, 1007}));
    EXPECT_EQ(CentredOn({1920, 40, 3840, 1080}, 552, 518), (Area{2604, 301, 3156, 819}));  // a second monitor, bar on top
}

TEST(Contrast, FollowsWcag2) {
    EXPECT_NEAR(ContrastRatio(kBlack, kWhite), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(kWhite, kWhite), 1.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(Colour::Rgb(0x77, 0x77, 0x77), kWhite), 4.48, 0.01);  // just below the bar
    EXPECT_NEAR(ContrastRatio(Colour::Rgb(0, 0, 255), kWhite), 8.59, 0.01);
    EXPECT_DOUBLE_EQ(ContrastRatio(Colour::Rgb(255, 0, 0), kBlack), ContrastRatio(kBlack, Colour::Rgb(255, 0, 0)));
}

// The colour schemes a user may have: Windows' standard one, a custom dark one, one with grey button
// text, and high contrast; each plain and with a skin.
const SystemColours kStandard{};
const SystemColours kDark{kBlack, kWhite, Colour::Rgb(128, 128, 128), kBlack, kWhite};
const SystemColours kGreyText{Colour::Rgb(240, 240, 240), Colour::Rgb(0x77, 0x77, 0x77), Colour::Rgb(160, 160, 160), kWhite,
                              kBlack};
const Skin kSkin{Colour::Rgb(9, 9, 9), Colour::Rgb(0x2D, 0x2F, 0x33), kWhite, Colour::Rgb(0x3C, 0x40, 0x43), std::nullopt,
                 Colour::Rgb(0x5F, 0x63, 0x68), Colour::Rgb(0x8A, 0xB4, 0xF8), Colour::Rgb(7, 7, 7), std::nullopt,
                 Colour::Rgb(1, 2, 3)};
constexpr Colour kSystemWindow = Colour::System(5);

struct SchemeCase {
    const char* name;
    ColourScheme scheme;
    bool skinned;
    Colour face, text, pressed, border;
    std::optional<Colour> headerFace;  // empty: the header's own look
    Colour background, listBack;
};

const SchemeCase kSchemes[] = {
    {"standard", {kStandard, false}, false, kWhite, kBlack, kStandard.buttonFace, kStandard.buttonShadow, std::nullopt,
     kWhite, kWhite},
    {"skinned", {kStandard, false}, true, *kSkin.buttonFace, kWhite, kStandard.buttonFace, *kSkin.buttonBorder,
     *kSkin.listHeader, *kSkin.windowBackground, *kSkin.listBackground},
    {"dark", {kDark, false}, false, kDark.buttonFace, kWhite, kDark.buttonFace, kDark.buttonShadow, kDark.buttonFace, kWhite,
     kBlack},
    {"grey text", {kGreyText, false}, false, kGreyText.buttonFace, kGreyText.buttonText, kGreyText.buttonFace,
     kGreyText.buttonShadow, kGreyText.buttonFace, kWhite, kWhite},
    // High contrast sets the skin aside; the border takes the text colour.
    {"high contrast", {kStandard, true}, true, kStandard.buttonFace, kBlack, kStandard.buttonFace, kBlack,
     kStandard.buttonFace, kSystemWindow, kWhite},
    {"dark high contrast", {kDark, true}, true, kDark.buttonFace, kWhite, kDark.buttonFace, kWhite, kDark.buttonFace,
     kSystemWindow, kBlack},
};

class ColourChoice : public ::testing::TestWithParam<SchemeCase> {};

TEST_P(ColourChoice, WhiteFacesOnlyWhileTheSystemTextReadsOnThemAndSystemColoursInHighContrast) {
    const auto& c = GetParam();
    const auto colours = ChooseWindowColours(c.scheme, kWhite, c.skinned ? std::optional<Skin>(kSkin) : std::nullopt);
    const auto& buttons = colours.buttons;
    EXPECT_EQ(buttons.face, c.face);
    EXPECT_EQ(buttons.text, c.text);
    EXPECT_EQ(buttons.pressed, c.pressed);
    EXPECT_EQ(buttons.border, c.border);
    EXPECT_EQ(buttons.hot, c.skinned && !c.scheme.highContrast ? *kSkin.buttonHot : c.face);
    EXPECT_EQ(colours.list.unfocusedSelection.has_value(), c.skinned && !c.scheme.highContrast);
    EXPECT_EQ(buttons.focus, c.skinned && !c.scheme.highContrast ? kSkin.buttonFocus : std::nullopt);
    EXPECT_EQ(colours.header ? std::optional<Colour>(colours.header->face) : std::nullopt, c.headerFace);
    if (colours.header && !c.skinned) {
        EXPECT_EQ(colours.header->text, c.scheme.system.buttonText);
    }
    EXPECT_EQ(colours.background, c.background);
    EXPECT_EQ(colours.list.back, c.listBack);
}

// A skin with light text on a dark list asks for dark scroll bars; a light one does not.
TEST(ColourChoice, ADarkSkinsListHasDarkScrollBars) {
    for (const auto& [back, text, dark] : {std::tuple{Colour::Rgb(0x29, 0x2A, 0x2D), Colour::Rgb(0xE8, 0xEA, 0xED), true},
                                           std::tuple{kWhite, Colour::Rgb(0x20, 0x20, 0x20), false}}) {
        Skin skin;
        skin.listBackground = back;
        skin.listText = text;
        EXPECT_EQ(ChooseWindowColours({}, kWhite, skin).list.dark, dark);
    }
}

INSTANTIATE_TEST_SUITE_P(Schemes, ColourChoice, ::testing::ValuesIn(kSchemes),
                         [](const ::testing::TestParamInfo<SchemeCase>& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

}  // namespace
}  // namespace orv
