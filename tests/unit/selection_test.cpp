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

// What each filter ticks of Photo Editor 2 (ticked), Zip Tool and Photo Viewer: it only adds ticks,
// ignores case, takes the text as typed (blanks and all), searches only the names, and an empty
// answer is contained in every name. Cancel (null) changes nothing.
struct Filter {
    const wchar_t* answer;
    bool containing;
    std::vector<bool> ticks;
};

const Filter kFilters[] = {
    {L"PHOTO", true, {true, false, true}},  {L"photo", false, {true, true, false}}, {L"", true, {true, true, true}},
    {L"", false, {true, false, false}},     {L" photo", true, {true, false, false}}, {L"zip-un", true, {true, false, false}},
    {nullptr, true, {true, false, false}},  {nullptr, false, {true, false, false}},
};

TEST_F(SelectionTest, FiltersTickWhatTheirTextSays) {
    for (const auto& filter : kFilters) {
        list.rows.clear();
        SetUp();
        dialogs.answer = filter.answer != nullptr ? std::optional<std::wstring>(filter.answer) : std::nullopt;
        filter.containing ? form.tickContaining() : form.tickNotContaining();
        EXPECT_EQ(ticks(), filter.ticks) << filter.answer << (filter.containing ? " containing" : " not containing");
    }
    ASSERT_EQ(dialogs.prompts.size(), std::size(kFilters));
    EXPECT_EQ(dialogs.prompts[0].text, L"Enter text:");
    EXPECT_TRUE(reporter.reports.empty());
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

TEST_F(SelectionTest, ManyTicksRepaintOnce) {
    dialogs.answer = L"o";
    form.tickContaining();
    EXPECT_EQ(ticks(), (std::vector<bool>(list.rows.size(), true)));
    EXPECT_EQ(list.repaints, 1);
}

}  // namespace
}  // namespace orv
