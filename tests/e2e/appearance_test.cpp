// Skins and the hand cursor of the real program, started from a program folder of the test's own.
#include <gtest/gtest.h>

#include <fstream>

#include "driver.h"
#include "registry_seed.h"

namespace orv::e2e {
namespace {

// A program folder in the temporary folder holding orvendale.exe and whatever the test puts beside it.
class ProgramFolder {
public:
    ProgramFolder() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        path_ = std::wstring(temp) + L"orvendale-appearance";
        remove();
        CreateDirectoryW(path_.c_str(), nullptr);
        CopyFileW((ExecutableFolder() + L"\\orvendale.exe").c_str(), exe().c_str(), FALSE);
    }
    ~ProgramFolder() { remove(); }

    std::wstring exe() const { return path_ + L"\\orvendale.exe"; }
    void putSkin(const std::string& bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        CreateDirectoryW((path_ + L"\\x").c_str(), nullptr);
        SetFileAttributesW((path_ + L"\\x\\o.cjs").c_str(), FILE_ATTRIBUTE_NORMAL);  // a hidden file cannot be rewritten
        write(path_ + L"\\x\\o.cjs", bytes);
        SetFileAttributesW((path_ + L"\\x\\o.cjs").c_str(), attributes);
    }
    void putShippedSkin(const std::wstring& name) {
        CreateDirectoryW((path_ + L"\\x").c_str(), nullptr);
        CopyFileW((ExecutableFolder() + L"\\skins\\" + name + L".cjs").c_str(), (path_ + L"\\x\\o.cjs").c_str(), FALSE);
    }
    void putShippedCursor() {
        CopyFileW((ExecutableFolder() + L"\\HAND-M.CUR").c_str(), (path_ + L"\\HAND-M.CUR").c_str(), FALSE);
    }
    void putCursor(const std::string& bytes) { write(path_ + L"\\HAND-M.CUR", bytes); }
    const std::wstring& path() const { return path_; }

private:
    static void write(const std::wstring& file, const std::string& bytes) {
        std::ofstream out(std::string(file.begin(), file.end()), std::ios::binary);
        out << bytes;
    }
    void remove() {
        for (const auto* name : {L"\\x\\o.cjs", L"\\HAND-M.CUR", L"\\orvendale.exe"}) {
            SetFileAttributesW((path_ + name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW((path_ + name).c_str());
        }
        RemoveDirectoryW((path_ + L"\\x").c_str());
        RemoveDirectoryW(path_.c_str());
    }
    std::wstring path_;
};

// The colour on the screen at a point of a window's client area.
COLORREF ColourOfWindowAt(HWND window, int x, int y) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// The colour of a control a few pixels in from its left edge, half-way down.
COLORREF ColourInside(HWND control, int dx = 4) {
    RECT rect{};
    GetClientRect(control, &rect);
    return ColourOfWindowAt(control, dx, rect.bottom / 2);
}

void SettleAndPaint(ProgramUnderTest& program) {
    program.waitIdle();
    RedrawWindow(program.mainWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    program.waitIdle();
    Sleep(500);
}

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
}

TEST_F(AppearanceE2e, DarkSkinColoursTheWindowButtonsAndList) {
    folder.putShippedSkin(L"dark");
    ProgramUnderTest program(folder.exe());
    ASSERT_NE(program.mainWindow(), nullptr);
    SettleAndPaint(program);
    EXPECT_TRUE(program.dialogs().empty());
    EXPECT_EQ(ColourOfWindowAt(program.mainWindow(), 3, 3), RGB(0x20, 0x21, 0x24));
    EXPECT_EQ(ColourInside(program.control(L"Help")), RGB(0x2D, 0x2F, 0x33));
    EXPECT_EQ(ColourInside(program.control(L"Help"), 0), RGB(0x5F, 0x63, 0x68));  // the border
    RECT list{};
    GetClientRect(program.list(), &list);
    EXPECT_EQ(ColourOfWindowAt(program.list(), list.right - 30, list.bottom - 10), RGB(0x29, 0x2A, 0x2D));
    EXPECT_EQ(ColourOfWindowAt(program.list(), 300, 4), RGB(0x3C, 0x40, 0x43));  // the header
    EXPECT_EQ(ColourOfWindowAt(program.list(), list.right - 10, 4), RGB(0x3C, 0x40, 0x43));  // its empty end
}

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
    const HWND box = program.waitForDialog();
    ASSERT_NE(box, nullptr);
    const auto content = ProgramUnderTest::read(box);
    EXPECT_EQ(content.title, L"Application Error");
    EXPECT_NE(content.text.find(folder.path() + L"\\x\\o.cjs\", line 3: unknown key \"button.glow\""), std::wstring::npos);
    EXPECT_NE(content.text.find(L"in Tarnwick2016/11/03.Form1.Form_Load at line 100"), std::wstring::npos);
    ProgramUnderTest::press(box, L"OK");
    ASSERT_TRUE(WaitUntil([&] { return program.mainWindow() != nullptr && program.dialogs().empty(); }, 10s));
    ASSERT_TRUE(WaitUntil([&] { return !program.rows().empty(); }, 10s));
    SettleAndPaint(program);
    EXPECT_TRUE(program.dialogs().empty());
    EXPECT_EQ(ColourInside(program.control(L"Help")), RGB(255, 255, 255));
    EXPECT_EQ(program.rows().size(), 1u);
}

TEST_F(AppearanceE2e, HiddenOrSystemSkinFileIsIgnored) {
    const std::wstring skins = ExecutableFolder() + L"\\skins\\dark.cjs";
    std::ifstream dark(std::string(skins.begin(), skins.end()));
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

// The cursor shown with the pointer at a point of a window's client area (by default inside a
// control, half-way down). Cursor handles belong to the program's process, so tests compare the
// program's cursors with each other: over the list it always shows its arrow.
HCURSOR CursorAt(HWND window, int x = 20, int y = -1) {
    RECT client{};
    GetClientRect(window, &client);
    POINT at{x, y >= 0 ? y : client.bottom / 2};
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y + 1);
    Sleep(150);
    SetCursorPos(at.x + 2, at.y);
    Sleep(300);
    CURSORINFO info{};
    info.cbSize = sizeof(info);
    GetCursorInfo(&info);
    return info.hCursor;
}

TEST_F(AppearanceE2e, HandCursorShowsOverEveryButtonAndTheArrowOverTheList) {
    folder.putShippedCursor();
    ProgramUnderTest program(folder.exe());
    ASSERT_NE(program.mainWindow(), nullptr);
    SettleAndPaint(program);
    EXPECT_TRUE(program.dialogs().empty());
    const HCURSOR arrow = CursorAt(program.list());
    for (const auto* caption : {L"Help", L"Select All Containing This Text", L"Select All Not Containing This Text",
                                L"Unselect All", L"Uninstall Selected Entry From Computer",
                                L"Refresh/Update \"Add Or Remove Programs\" List"}) {
        const HCURSOR over = CursorAt(program.control(caption));
        EXPECT_NE(over, arrow) << std::string(caption, caption + wcslen(caption));
        EXPECT_NE(over, nullptr);
        EXPECT_EQ(over, CursorAt(program.control(L"Help")));  // the one hand everywhere
    }
    EXPECT_EQ(CursorAt(program.list()), arrow);  // and back to the arrow
    CursorAt(program.control(L"Help"));
    EXPECT_EQ(CursorAt(program.mainWindow(), 3), arrow);  // over the window's own background too
}

TEST_F(AppearanceE2e, WithoutTheCursorFileButtonsShowTheArrow) {
    ProgramUnderTest program(folder.exe());
    ASSERT_NE(program.mainWindow(), nullptr);
    SettleAndPaint(program);
    EXPECT_EQ(CursorAt(program.control(L"Help")), CursorAt(program.list()));
}

TEST_F(AppearanceE2e, CursorFileThatIsNoCursorIsReportedAtLine106) {
    folder.putCursor("this is not a cursor");
    ProgramUnderTest program(folder.exe());
    const HWND box = program.waitForDialog();
    ASSERT_NE(box, nullptr);
    const auto content = ProgramUnderTest::read(box);
    EXPECT_NE(content.text.find(L"in Tarnwick2016/11/03.Form1.Form_Load at line 106"), std::wstring::npos);
    ProgramUnderTest::press(box, L"OK");
    ASSERT_TRUE(WaitUntil([&] { return program.dialogs().empty() && !program.rows().empty(); }, 10s));
    SettleAndPaint(program);
    EXPECT_EQ(CursorAt(program.control(L"Help")), CursorAt(program.list()));
}

}  // namespace
}  // namespace orv::e2e
