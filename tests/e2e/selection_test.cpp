// Ticking rows by text through the real input box, and clearing the ticks.
#include <gtest/gtest.h>

#include <optional>

#include "driver.h"
#include "registry_seed.h"

namespace orv::e2e {
namespace {

class SelectionE2e : public ::testing::Test {
protected:
    void SetUp() override {
        entries.addOthersAround();  // a filter ticks other programs too; only the test's own rows count
        entries.add(L"pe", L"Photo Editor 2", L"C:\\pe\\un.exe");
        entries.add(L"zip", L"Zip Tool", L"C:\\photo\\zip.exe");
        entries.add(L"pv", L"Photo Viewer", L"C:\\pv\\un.exe");
        program.emplace();
        program->clickCheckBox(0);  // Photo Editor 2, the first row by name
    }
    // The ticks once they are as expected, or as they are after ten seconds: the command goes on
    // walking the rows after its box has closed.
    std::vector<bool> ticksOnceThey(const std::vector<bool>& expected) {
        WaitUntil([&] { return ticks() == expected; }, 10s);
        return ticks();
    }
    std::vector<bool> ticks() {
        std::vector<bool> result;
        for (const auto& row : program->rows()) result.push_back(row.checked);
        return result;
    }
    // Clicks a filter button and answers its input box with `text`, then `key` or the button.
    DialogContent answer(const std::wstring& button, const std::wstring& text, const std::wstring& press) {
        program->click(button);
        const HWND box = program->waitForDialog();
        EXPECT_NE(box, nullptr);
        if (box == nullptr) return {};
        const auto content = ProgramUnderTest::read(box);
        ProgramUnderTest::typeInto(box, text);
        if (press == L"Enter") {
            ProgramUnderTest::pressKey(box, VK_RETURN);
        } else if (press == L"Escape") {
            ProgramUnderTest::pressKey(box, VK_ESCAPE);
        } else {
            ProgramUnderTest::press(box, press);
        }
        EXPECT_TRUE(WaitUntil([&] { return program->dialogs().empty(); }, 10s));
        return content;
    }

    SeededUninstallEntries entries;
    std::optional<ProgramUnderTest> program;
    const std::wstring containing = L"Select All Containing This Text";
    const std::wstring notContaining = L"Select All Not Containing This Text";
};

// Rows by name: Photo Editor 2, Photo Viewer, Zip Tool.
TEST_F(SelectionE2e, InputBoxAsksUnderTheApplicationTitleAndContainingTicksTheMatches) {
    ASSERT_EQ(ticks(), (std::vector<bool>{true, false, false}));
    program->click(containing);
    const HWND box = program->waitForDialog();
    ASSERT_NE(box, nullptr);
    const auto content = ProgramUnderTest::read(box);
    EXPECT_EQ(content.title, L"Orvendale");
    EXPECT_EQ(content.text, L"Enter text:");
    EXPECT_EQ(content.buttons, (std::vector<std::wstring>{L"OK", L"Cancel"}));
    EXPECT_TRUE(content.hasEdit);
    RECT rect{};
    GetWindowRect(box, &rect);
    EXPECT_NEAR((rect.left + rect.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 2);
    ProgramUnderTest::typeInto(box, L"PHOTO");
    ProgramUnderTest::press(box, L"OK");
    ASSERT_TRUE(WaitUntil([&] { return program->dialogs().empty(); }, 10s));
    EXPECT_EQ(ticksOnceThey({true, true, false}), (std::vector<bool>{true, true, false}));
}

TEST_F(SelectionE2e, NotContainingAddsTicksAndEnterMeansOk) {
    answer(notContaining, L"photo", L"Enter");
    EXPECT_EQ(ticksOnceThey({true, false, true}), (std::vector<bool>{true, false, true}));
}

// Cancel, or Escape, leaves every tick as it was in both filters, whatever was typed.
TEST_F(SelectionE2e, CancelAndEscapeLeaveEveryTickAsItWas) {
    for (const auto* button : {&containing, &notContaining}) {
        for (const auto* press : {L"Cancel", L"Escape"}) {
            answer(*button, L"zip", press);
            program->waitIdle();
            EXPECT_EQ(ticks(), (std::vector<bool>{true, false, false})) << *button << " " << press;
        }
    }
}

TEST_F(SelectionE2e, UnselectAllClearsEveryTick) {
    answer(containing, L"", L"OK");
    ASSERT_EQ(ticksOnceThey({true, true, true}), (std::vector<bool>{true, true, true}));
    program->clickAndWait(L"Unselect All");
    EXPECT_EQ(ticksOnceThey({false, false, false}), (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(program->dialogs().empty());
}

}  // namespace
}  // namespace orv::e2e
