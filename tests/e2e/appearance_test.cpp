// Skins and the hand cursor of the real program, started from a program folder of the test's own.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "controls/colour_scheme.h"
#include "driver.h"
#include "program_folder.h"
#include "registry_seed.h"
#include "screen.h"
#include "win32/form_layout.h"

namespace orv::e2e {
namespace {

class AppearanceE2e : public ::testing::Test {
protected:
    void SetUp() override { entries.add(L"one", L"One Program", L"C:\\one.exe"); }
    SeededUninstallEntries entries;
    ProgramFolder folder;
};

TEST_F(AppearanceE2e, WithoutASkinTheWindowAndButtonsAreWhite) {
    ProgramUnderTest program(folder.exe());
    ASSERT_NE(program.mainWindow(), nullptr);
    SettleAndPaint(program);
    EXPECT_TRUE(program.dialogs().empty());
    EXPECT_EQ(ColourOfWindowAt(program.mainWindow(), 3, 3), RGB(255, 255, 255));
    EXPECT_EQ(ColourInside(program.control(L"Help")), RGB(255, 255, 255));
    // Under the pointer a button keeps its white face and shows it in its edge, in the system's
    // highlight colour, as Windows' own buttons show it.
    const COLORREF edge = ColourInside(program.control(L"Help"), 1);
    CursorAt(program.control(L"Help"));
    EXPECT_TRUE(WaitUntil([&] { return ColourInside(program.control(L"Help"), 1) == GetSysColor(COLOR_HIGHLIGHT); }, 5s))
        << std::hex << edge;
    EXPECT_EQ(ColourInside(program.control(L"Help")), RGB(255, 255, 255));
}

// The skins that come with the program, and the colours they give the window, a button's face and
// border, the list and its header.
struct ShippedSkin {
    const wchar_t* name;
    COLORREF window, face, border, list, header;
};

class ShippedSkins : public AppearanceE2e, public ::testing::WithParamInterface<ShippedSkin> {};

TEST_P(ShippedSkins, ColourTheWindowButtonsAndList) {
    const auto& skin = GetParam();
    folder.putShippedSkin(skin.name);
    ProgramUnderTest program(folder.exe());
    ASSERT_NE(program.mainWindow(), nullptr);
    const RECT row = program.rowLabelRect(program.rows().at(0).index);  // scrolled into view
    SettleAndPaint(program);
    EXPECT_TRUE(program.dialogs().empty());
    EXPECT_EQ(ColourOfWindowAt(program.mainWindow(), 3, 3), skin.window);
    EXPECT_EQ(ColourInside(program.control(L"Help")), skin.face);
    EXPECT_EQ(ColourInside(program.control(L"Help"), 0), skin.border);
    // The list's own colour, in the test's row past the end of its name: a machine's own programs
    // can fill the rest of the list.
    RECT list{};
    GetClientRect(program.list(), &list);
    EXPECT_EQ(ColourOfWindowAt(program.list(), row.right - 10, (row.top + row.bottom) / 2), skin.list);
    EXPECT_EQ(ColourOfWindowAt(program.list(), 300, 4), skin.header);
    EXPECT_EQ(ColourOfWindowAt(program.list(), list.right - 10, 4), skin.header);  // its empty end
}

INSTANTIATE_TEST_SUITE_P(
    Download, ShippedSkins,
    ::testing::Values(
        ShippedSkin{L"dark", RGB(0x20, 0x21, 0x24), RGB(0x2D, 0x2F, 0x33), RGB(0x5F, 0x63, 0x68), RGB(0x29, 0x2A, 0x2D), RGB(0x3C, 0x40, 0x43)},
        ShippedSkin{L"light", RGB(0xF3, 0xF5, 0xF8), RGB(0xFF, 0xFF, 0xFF), RGB(0x9A, 0xA5, 0xB1), RGB(0xFF, 0xFF, 0xFF), RGB(0xE4, 0xE9, 0xF0)}),
    [](const ::testing::TestParamInfo<ShippedSkin>& skin) {
        std::string name;  // the skins' names are ASCII
        for (const wchar_t* c = skin.param.name; *c != L'\0'; ++c) name += static_cast<char>(*c);
        return name;
    });

TEST_F(AppearanceE2e, SkinWithoutAWindowColourLeavesTheWindowInTheSystemsButtonFace) {
    folder.putSkin("button.face = #FFFFFF\n");
    ProgramUnderTest program(folder.exe());
    ASSERT_NE(program.mainWindow(), nullptr);
    SettleAndPaint(program);
    EXPECT_TRUE(program.dialogs().empty());
    EXPECT_EQ(ColourOfWindowAt(program.mainWindow(), 3, 3), GetSysColor(COLOR_BTNFACE));
}

TEST_F(AppearanceE2e, BrokenSkinIsReportedOnceWithFileAndLineThenTheDesignedLookShows) {
    folder.putSkin("# broken\nbutton.face = #FFFFFF\nbutton.glow = #000000\n");
    ProgramUnderTest program(folder.exe());
    const auto content = program.closeStartUpReport();
    EXPECT_EQ(content.title, L"Application Error");
    EXPECT_NE(content.text.find(folder.path() + L"\\x\\o.cjs\", line 3: unknown key \"button.glow\""), std::wstring::npos);
    EXPECT_NE(content.text.find(L"in Tarnwick2016/11/03.Form1.Form_Load at line 100"), std::wstring::npos);
    SettleAndPaint(program);
    EXPECT_TRUE(program.dialogs().empty());
    EXPECT_EQ(ColourInside(program.control(L"Help")), RGB(255, 255, 255));
    EXPECT_EQ(program.rows().size(), 1u);
}

TEST_F(AppearanceE2e, HiddenOrSystemSkinFileIsIgnored) {
    const std::wstring skins = ExecutableFolder() + L"\\skins\\dark.cjs";
    std::ifstream dark{std::filesystem::path(skins)};
    const std::string darkSkin(std::istreambuf_iterator<char>(dark), {});
    for (const DWORD attribute : {DWORD{FILE_ATTRIBUTE_HIDDEN}, DWORD{FILE_ATTRIBUTE_SYSTEM}}) {
        folder.putSkin(darkSkin, attribute);
        ProgramUnderTest program(folder.exe());
        ASSERT_NE(program.mainWindow(), nullptr);
        SettleAndPaint(program);
        EXPECT_TRUE(program.dialogs().empty()) << attribute;
        EXPECT_EQ(ColourInside(program.control(L"Help")), RGB(255, 255, 255)) << attribute;
        program.close();
        program.waitForExit();
    }
}

// The colours of a dark high-contrast scheme, as Windows' "High Contrast Black" sets them. Wine reports
// high contrast as off whatever the settings say, so what shows here is the rule for a scheme whose
// button text is unreadable on white; with high contrast on, Windows takes the same faces.
TEST_F(AppearanceE2e, UnderADarkHighContrastSchemeEveryCaptionAndHeaderReads) {
    SystemColoursFor scheme({COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_BTNSHADOW, COLOR_WINDOW, COLOR_WINDOWTEXT,
                             COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT, COLOR_GRAYTEXT},
                            {RGB(0, 0, 0), RGB(255, 255, 255), RGB(128, 128, 128), RGB(0, 0, 0), RGB(255, 255, 255),
                             RGB(26, 235, 255), RGB(0, 0, 0), RGB(63, 242, 63)});
    ProgramUnderTest program(folder.exe());
    ASSERT_NE(program.mainWindow(), nullptr);
    SettleAndPaint(program);
    EXPECT_TRUE(program.dialogs().empty());
    for (const auto& place : win32::kButtons) {
        const auto* caption = place.caption;
        const ScreenPixels button(program.control(caption));
        const COLORREF face = button.at(8, 1);
        EXPECT_GE(button.strongestContrast(face, {4, 4, button.width() - 4, button.height() - 4}), kReadableContrast)
            << caption;
    }
    const HWND header = reinterpret_cast<HWND>(SendMessageW(program.list(), LVM_GETHEADER, 0, 0));
    const ScreenPixels headerPixels(header);
    const COLORREF headerFace = headerPixels.at(headerPixels.width() / 2, 2);
    EXPECT_GE(headerPixels.strongestContrast(headerFace, {2, 2, 200, headerPixels.height() - 2}), kReadableContrast);
}

// Names in other scripts draw as their own glyphs: two names of as many characters look different only
// when real glyphs are drawn, not the same empty boxes. (Wine's GDI draws no character beyond the
// Basic Multilingual Plane, whatever the font, so the symbols here are from within it.)
TEST_F(AppearanceE2e, ChineseNamesAndSymbolsDrawAsGlyphsNotBoxes) {
    const std::pair<const wchar_t*, const wchar_t*> pairs[] = {
        {L"\u73ca\u745a\u8f93\u5165\u6cd5", L"\u5c71\u6c34\u753b\u7b14\u8bb0"},  // two Chinese names
        {L"Weather \u2600", L"Weather \u2602"},                                  // a sun, an umbrella
    };
    int key = 0;
    for (const auto& [first, second] : pairs) {
        entries.add(L"script" + std::to_wstring(key++), first, L"C:\\a.exe");
        entries.add(L"script" + std::to_wstring(key++), second, L"C:\\b.exe");
    }
    ProgramUnderTest program(folder.exe());
    ASSERT_NE(program.mainWindow(), nullptr);
    SettleAndPaint(program);
    // The first 120 pixels of the row's name, where the glyphs are.
    const auto pixelsOf = [&](const std::wstring& name) {
        RECT label{};
        for (const auto& row : program.rows()) {
            if (row.text == name) label = program.rowLabelRect(row.index);
        }
        MapWindowPoints(program.list(), HWND_DESKTOP, reinterpret_cast<POINT*>(&label), 2);
        label.right = label.left + 120;
        Sleep(300);  // the row scrolled into view has been painted
        return ScreenPixels(label);
    };
    for (const auto& [first, second] : pairs) {
        const ScreenPixels a = pixelsOf(first);
        const ScreenPixels b = pixelsOf(second);
        EXPECT_TRUE(a.inked());
        EXPECT_FALSE(a == b) << "the two names draw alike: boxes, not glyphs; " << WhyNamesDrawAlike(first, second);
    }
}

TEST_F(AppearanceE2e, HandCursorShowsOverEveryButtonAndTheArrowOverTheList) {
    folder.putShippedCursor();
    ProgramUnderTest program(folder.exe());
    ASSERT_NE(program.mainWindow(), nullptr);
    SettleAndPaint(program);
    EXPECT_TRUE(program.dialogs().empty());
    const HCURSOR arrow = CursorAt(program.list());
    for (const auto& place : win32::kButtons) {
        const auto* caption = place.caption;
        const HCURSOR over = CursorAt(program.control(caption));
        EXPECT_NE(over, arrow) << caption;
        EXPECT_NE(over, nullptr);
        EXPECT_EQ(over, CursorAt(program.control(L"Help")));  // the one hand everywhere
    }
    EXPECT_EQ(CursorAt(program.list()), arrow);  // and back to the arrow
    CursorAt(program.control(L"Help"));
    EXPECT_EQ(CursorAt(program.mainWindow(), 3), arrow);  // over the window's own background too
}

// winget starts a portable program through a link in its Links folder: the program finds its files
// beside itself, where its hand pointer is, not beside the link.
TEST_F(AppearanceE2e, StartedThroughALinkTheProgramFindsItsFilesBesideItself) {
    const std::wstring link = ExecutableFolder() + L"\\links\\orvendale_under_test.exe";
    if (GetFileAttributesW(link.c_str()) == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "the build makes the link under Wine only";
    ProgramUnderTest program(link);
    ASSERT_NE(program.mainWindow(), nullptr);
    SettleAndPaint(program);
    EXPECT_NE(CursorAt(program.control(L"Help")), CursorAt(program.list()));
}

// Without a cursor file, and with one that is no cursor (reported at line 106), buttons show the arrow.
TEST_F(AppearanceE2e, WithoutALoadableCursorFileButtonsShowTheArrow) {
    for (const bool broken : {false, true}) {
        if (broken) folder.putCursor("this is not a cursor");
        ProgramUnderTest program(folder.exe());
        if (broken) {
            const std::wstring report = program.closeStartUpReport().text;
            EXPECT_NE(report.find(L"in Tarnwick2016/11/03.Form1.Form_Load at line 106"), std::wstring::npos);
            // A reason only where the loader gave one: no "(Success.)".
            EXPECT_EQ(report.find(L"uccess"), std::wstring::npos) << report;
        }
        SettleAndPaint(program);
        EXPECT_EQ(CursorAt(program.control(L"Help")), CursorAt(program.list())) << broken;
    }
}

}  // namespace
}  // namespace orv::e2e
