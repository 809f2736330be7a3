// Start-up, help, refresh, close and layout of the real program.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <optional>

#include "driver.h"
#include "registry_seed.h"
#include "screen.h"

namespace orv::e2e {
namespace {

class MainWindowE2e : public ::testing::Test {
protected:
    void seedSample() {
        entries.add(L"ZipKey", L"zebra Zip", L"\"C:\\Program Files\\Zebra\\unins000.exe\" /SILENT");
        entries.add(L"{11111111-2222-3333-4444-555555555555}", L"Alpha Installer Package",
                    L"MsiExec.exe /X{11111111-2222-3333-4444-555555555555}");
        entries.add(L"Rundll", L"Middle Rundll Tool",
                    L"RUNDLL32.EXE C:\\Shared\\launch.dll,Run \"C:\\Program Files\\Foo\\setup.exe\" -remove",
                    RegistrySource::Machine32);
        entries.add(L"UserKey", L"beta User Tool", L"%ProgramFiles%\\Beta\\un.exe /x", RegistrySource::CurrentUser,
                    REG_EXPAND_SZ);
        entries.setString(L"NoCommand", L"DisplayName", L"Has No Command");
    }
    std::vector<std::wstring> names(const ProgramUnderTest& program) {
        std::vector<std::wstring> result;
        for (const auto& row : program.rows()) result.push_back(row.text);
        return result;
    }

    SeededUninstallEntries entries;
};

TEST_F(MainWindowE2e, StartsWithCaptionColumnsAndSortedUntickedRowsAndNoMessage) {
    seedSample();
    ProgramUnderTest program;
    ASSERT_NE(program.mainWindow(), nullptr);
    EXPECT_EQ(program.caption(), L"Orvendale Software");
    EXPECT_TRUE(program.dialogs().empty());

    const auto columns = program.columns();
    ASSERT_EQ(columns.size(), 4u);
    const int dpi = static_cast<int>(GetDpiForWindow(program.mainWindow()));
    EXPECT_EQ(columns[0].header, L"Add Or Remove Programs");
    EXPECT_EQ(columns[0].widthPixels, MulDiv(7000, dpi, 1440));
    EXPECT_EQ(columns[1].header, L"Uninstall");
    EXPECT_EQ(columns[2].header, L"FileExists");
    EXPECT_EQ(columns[3].header, L"KeyName");
    for (int i = 1; i < 4; ++i) EXPECT_EQ(columns[static_cast<std::size_t>(i)].widthPixels, 0);

    const auto rows = program.rows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].text, L"Alpha Installer Package");
    EXPECT_EQ(rows[0].uninstallerFile, L"IGNORE ME");
    EXPECT_EQ(rows[1].text, L"beta User Tool");
    EXPECT_EQ(rows[1].uninstall, L"%ProgramFiles%\\Beta\\un.exe /x");
    EXPECT_EQ(rows[1].uninstallerFile, L"%programfiles%\\beta\\un.exe");
    EXPECT_EQ(rows[2].text, L"Middle Rundll Tool");
    EXPECT_EQ(rows[2].uninstall,
              L"RUNDLL32.EXE C:\\Shared\\launch.dll,Run \"C:\\Program Files\\Foo\\setup.exe\" -remove");
    EXPECT_EQ(rows[2].uninstallerFile, L"c:\\program files\\foo\\setup.exe");
    EXPECT_EQ(rows[3].text, L"zebra Zip");
    EXPECT_EQ(rows[3].uninstallerFile, L"c:\\program files\\zebra\\unins000.exe");
    EXPECT_EQ(rows[3].keyName, L"ZipKey");
    EXPECT_TRUE(std::none_of(rows.begin(), rows.end(), [](const ListRow& row) { return row.checked; }));
}

TEST_F(MainWindowE2e, RefreshShowsTheRegistryAsItIsNowWithoutTicks) {
    seedSample();
    ProgramUnderTest program;
    program.clickCheckBox(0);
    program.clickCheckBox(3);
    auto rows = program.rows();
    ASSERT_TRUE(rows[0].checked);
    ASSERT_TRUE(rows[3].checked);
    ASSERT_FALSE(rows[1].checked);

    entries.remove(L"ZipKey");
    entries.add(L"NewKey", L"Newly Installed", L"C:\\new\\un.exe");
    program.clickAndWait(L"Refresh/Update \"Add Or Remove Programs\" List");
    EXPECT_EQ(names(program), (std::vector<std::wstring>{L"Alpha Installer Package", L"beta User Tool",
                                                         L"Middle Rundll Tool", L"Newly Installed"}));
    rows = program.rows();
    EXPECT_TRUE(std::none_of(rows.begin(), rows.end(), [](const ListRow& row) { return row.checked; }));
    EXPECT_TRUE(program.dialogs().empty());
}

TEST_F(MainWindowE2e, ClosingEndsTheProcessWithoutAPrompt) {
    ProgramUnderTest program;
    ASSERT_NE(program.mainWindow(), nullptr);
    program.close();
    EXPECT_TRUE(program.waitForExit(10s));
    EXPECT_TRUE(program.dialogs().empty());
}

// The list's tooltip says to drag the divider at the right of "Add Or Remove Programs" to read long
// names: with the real mouse, grabbed on either side of it, that widens the names, a double-click fits
// them to the longest, and the three hidden columns, whose dividers lie on the same spot, stay hidden.
TEST_F(MainWindowE2e, TheDividerWidensTheNamesAndNeverOpensAHiddenColumn) {
    entries.add(L"long", L"Orvendale " + std::wstring(90, L'W') + L" Suite", L"C:\\un.exe");
    ProgramUnderTest program;
    SettleAndPaint(program);
    const auto widths = [&] {
        std::vector<int> result;
        for (const auto& column : program.columns()) result.push_back(column.widthPixels);
        return result;
    };
    const HWND header = reinterpret_cast<HWND>(SendMessageW(program.list(), LVM_GETHEADER, 0, 0));
    RECT headerRect{};
    GetWindowRect(header, &headerRect);
    const int start = widths().at(0);
    const LONG y = (headerRect.top + headerRect.bottom) / 2;
    const auto divider = [&] { return headerRect.left + widths().at(0); };
    // The program may still be working through the moves when a width is read: each check reads the
    // widths once, and a drag is waited for to its end (20 pixels, give or take the pointer's rounding).
    const auto hiddenOpened = [](const std::vector<int>& now) {
        return std::any_of(now.begin() + 1, now.end(), [](int width) { return width != 0; });
    };
    for (const int grab : {3, -3}) {
        const int before = widths().at(0);
        DragWithTheMouse({divider() + grab, y}, {divider() + grab + 20, y});  // still inside the list
        std::vector<int> now;
        EXPECT_TRUE(WaitUntil([&] { return (now = widths()).at(0) >= before + 19; }, 5s))
            << "grabbed at " << grab << " from " << before << ", now " << ::testing::PrintToString(now);
        EXPECT_FALSE(hiddenOpened(now)) << ::testing::PrintToString(now);
    }
    std::vector<int> now;
    DoubleClickWithTheMouse({divider() + 2, y});
    EXPECT_TRUE(WaitUntil([&] { return (now = widths()).at(0) > start + 300; }, 5s))  // the long name, whole
        << "from " << start << ", now " << ::testing::PrintToString(now);
    EXPECT_FALSE(hiddenOpened(now)) << ::testing::PrintToString(now);
    EXPECT_TRUE(program.dialogs().empty());
}

TEST_F(MainWindowE2e, MissingUninstallKeysGiveAnEmptyListAndNoMessage) {
    if (!RunningUnderWine()) GTEST_SKIP() << "needs a machine of its own, without uninstall keys";
    SeededUninstallEntries::removeUninstallKeys();
    ProgramUnderTest program;
    EXPECT_TRUE(program.rows().empty());
    EXPECT_TRUE(program.dialogs().empty());
}

struct Place {
    const wchar_t* caption;
    int left, top, width, height;
};

class LayoutE2e : public MainWindowE2e, public ::testing::WithParamInterface<int> {};

TEST_P(LayoutE2e, EveryControlSitsWhereItsTwipsSayAtTheScreensDpi) {
    const int dpi = GetParam();
    if (!ScreenDpi::CanSet() && static_cast<UINT>(dpi) != GetDpiForSystem()) GTEST_SKIP() << "the screen has another DPI";
    std::optional<ScreenDpi> screen;
    if (ScreenDpi::CanSet()) screen.emplace(static_cast<DWORD>(dpi));
    ProgramUnderTest program;
    ASSERT_NE(program.mainWindow(), nullptr);
    auto px = [dpi](int twips) { return MulDiv(twips, dpi, 1440); };

    RECT client{};
    GetClientRect(program.mainWindow(), &client);
    EXPECT_EQ(client.right, px(8040));
    EXPECT_EQ(client.bottom, px(7230));

    const Place places[] = {
        {L"Help", 120, 120, 7800, 405},
        {L"Select All Containing This Text", 120, 4670, 7800, 405},
        {L"Select All Not Containing This Text", 120, 5180, 7800, 405},
        {L"Unselect All", 120, 5690, 7800, 405},
        {L"Uninstall Selected Entry From Computer", 120, 6200, 7800, 405},
        {L"Refresh/Update \"Add Or Remove Programs\" List", 120, 6710, 7800, 405},
    };
    for (const auto& place : places) {
        const HWND button = program.control(place.caption);
        ASSERT_NE(button, nullptr);
        const RECT rect = program.controlRect(button);
        EXPECT_EQ(rect.left, px(place.left));
        EXPECT_EQ(rect.top, px(place.top));
        EXPECT_EQ(rect.right - rect.left, px(place.width));
        EXPECT_EQ(rect.bottom - rect.top, px(place.height));
    }
    const RECT list = program.controlRect(program.list());
    EXPECT_EQ(list.left, px(120));
    EXPECT_EQ(list.top, px(630));
    EXPECT_EQ(list.right - list.left, px(7800));
    EXPECT_EQ(list.bottom - list.top, px(3945));

    // Fixed border with a minimize box and no maximize box, centred on the screen.
    const auto style = GetWindowLongW(program.mainWindow(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    RECT frame{};
    GetWindowRect(program.mainWindow(), &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
}

INSTANTIATE_TEST_SUITE_P(Dpi, LayoutE2e, ::testing::Values(96, 144));

}  // namespace
}  // namespace orv::e2e
