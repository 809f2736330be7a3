// Reading uninstall entries from the real registry of the test prefix.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "fakes/fake_program_list.h"
#include "fakes/recording_reporter.h"
#include "inventory/refresh_list.h"
#include "inventory/registry_text.h"
#include "registry_seed.h"
#include "win32/collation_adapter.h"
#include "win32/files_adapter.h"
#include "win32/random_source_adapter.h"
#include "win32/text_case_adapter.h"
#include "win32/registry_adapter.h"
#include "win32/system_error.h"

namespace orv::win32 {
namespace {

using e2e::SeededUninstallEntries;
using testing::FakeProgramList;
using testing::RecordingReporter;

// The real registry, with a hook that runs at each index of the first walk of the current user's
// uninstall key, as another installer would act while we read.
class RegistryChangedDuringTheWalk final : public Registry {
public:
    explicit RegistryChangedDuringTheWalk(std::function<void(std::uint32_t)> atIndex) : atIndex_(std::move(atIndex)) {}

    std::unique_ptr<RegistryKey> open(RegistrySource source, const std::wstring& path) override {
        auto key = real_.open(source, path);
        if (key == nullptr || source != RegistrySource::CurrentUser) return key;
        return std::make_unique<Key>(std::move(key), atIndex_);
    }

private:
    class Key final : public RegistryKey {
    public:
        Key(std::unique_ptr<RegistryKey> real, std::function<void(std::uint32_t)>& atIndex)
            : real_(std::move(real)), atIndex_(atIndex) {}
        EnumerationResult subKeyName(std::uint32_t index, std::wstring& name) override {
            if (atIndex_) atIndex_(index);
            const auto result = real_->subKeyName(index, name);
            if (result == EnumerationResult::NoMoreItems) atIndex_ = nullptr;  // the first walk is over
            return result;
        }
        std::unique_ptr<RegistryKey> openSubKey(const std::wstring& name) override { return real_->openSubKey(name); }
        void watchSubKeys() override { real_->watchSubKeys(); }
        bool subKeysChanged() override { return real_->subKeysChanged(); }
        bool value(const wchar_t* name, RegistryValue& value) override { return real_->value(name, value); }

    private:
        std::unique_ptr<RegistryKey> real_;
        std::function<void(std::uint32_t)>& atIndex_;
    };

    WindowsRegistry real_;
    std::function<void(std::uint32_t)> atIndex_;
};

class RegistryTest : public ::testing::Test {
protected:
    // The names of the test's own rows: a Windows machine lists its own programs too.
    std::vector<std::wstring> refreshNames() {
        RefreshList({registry, list, textCase, reporter});
        e2e::KeepSeededRows(list.rows);
        std::vector<std::wstring> names;
        for (const auto& row : list.rows) names.push_back(row.text);
        return names;
    }
    const testing::FakeRow* rowNamed(const std::wstring& name) {
        for (const auto& row : list.rows) {
            if (row.text == name) return &row;
        }
        return nullptr;
    }

    SeededUninstallEntries entries;
    WindowsRegistry registry;
    WindowsTextCase textCase;
    FakeProgramList list;
    RecordingReporter reporter;
};

TEST_F(RegistryTest, NonStringTypesCountAsAbsent) {
    const wchar_t multi[] = L"Multi\0Name\0";
    entries.setRaw(L"multi", kDisplayNameValue, REG_MULTI_SZ, multi, sizeof(multi));
    entries.setString(L"multi", kUninstallStringValue, L"m.exe");
    const DWORD number = 7;
    entries.setRaw(L"dword", kDisplayNameValue, REG_DWORD, &number, sizeof(number));
    entries.setString(L"dword", kUninstallStringValue, L"d.exe");
    const BYTE bytes[] = {'B', 0, 'i', 0, 'n', 0, 0, 0};
    entries.setRaw(L"binary", kDisplayNameValue, REG_BINARY, bytes, sizeof(bytes));
    entries.setString(L"binary", kUninstallStringValue, L"b.exe");
    entries.add(L"plain", L"Plain", L"p.exe");
    EXPECT_EQ(refreshNames(), std::vector<std::wstring>{L"Plain"});
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(RegistryTest, EmptyTextUnterminatedTextAndLongTextAreReadAsStored) {
    const std::wstring path = std::wstring(kUninstallKey) + L"\\odd";
    entries.setString(L"odd", L"Empty", L"");
    const wchar_t unterminated[] = {L'N', L'o', L'T', L'e', L'r', L'm'};
    entries.setRaw(L"odd", L"Unterminated", REG_SZ, unterminated, sizeof(unterminated));
    const std::wstring longText(40000, L'w');
    entries.setString(L"odd", L"Long", longText);
    const std::wstring justOverTheFirstRead(256, L'e');  // with its terminator, two bytes more than it holds
    entries.setString(L"odd", L"Edge", justOverTheFirstRead);
    const auto key = registry.open(RegistrySource::CurrentUser, kUninstallKey)->openSubKey(L"odd");
    RegistryValue buffer;  // one buffer for all reads, as a refresh uses it: a long value leaves it large
    const auto read = [&](const wchar_t* name) { return ReadRegistryString(key.get(), name, buffer).value_or(L"def"); };
    EXPECT_EQ(read(L"Empty"), L"");
    EXPECT_EQ(read(L"Long"), longText);
    EXPECT_EQ(read(L"Unterminated"), L"NoTerm");
    EXPECT_EQ(read(L"Edge"), justOverTheFirstRead);
    EXPECT_EQ(read(L"Missing"), L"def");
    EXPECT_EQ(registry.open(RegistrySource::CurrentUser, path + L"\\nowhere"), nullptr);
}

TEST_F(RegistryTest, ExpandableCommandStaysUnexpanded) {
    entries.add(L"exp", L"Expandable", L"%ProgramFiles%\\Exp\\un.exe /x", RegistrySource::CurrentUser, REG_EXPAND_SZ);
    refreshNames();
    ASSERT_EQ(list.rows.size(), 1u);
    EXPECT_EQ(list.rows[0].subItems[1], L"%ProgramFiles%\\Exp\\un.exe /x");
    EXPECT_EQ(list.rows[0].subItems[2], L"%programfiles%\\exp\\un.exe");
}

TEST_F(RegistryTest, LongestKeyNameIsListedAndTheEntriesAfterItToo) {
    const std::wstring longest(255, L'k');
    entries.add(L"a-first", L"First", L"1.exe");
    entries.add(longest, L"Longest Key", L"2.exe");
    entries.add(L"z-last", L"Last", L"3.exe");
    EXPECT_EQ(refreshNames().size(), 3u);
    ASSERT_NE(rowNamed(L"Longest Key"), nullptr);
    EXPECT_EQ(rowNamed(L"Longest Key")->subItems[3], longest);
}

// Wine lets a key name run past the registry's 255 characters; enumerating such an index fails with
// "more data", as any unreadable index does. One box for the source, and the rest is listed.
TEST_F(RegistryTest, UnreadableKeyNamesAreReportedOncePerSourceAndTheOthersListed) {
    if (!e2e::RunningUnderWine()) GTEST_SKIP() << "Windows keeps key names to 255 characters";
    entries.add(L"a-first", L"First", L"1.exe");
    entries.add(std::wstring(256, L'm'), L"Too Long", L"2.exe");
    entries.add(std::wstring(256, L'n'), L"Too Long Too", L"3.exe");
    entries.add(L"z-last", L"Last", L"4.exe");
    EXPECT_EQ(refreshNames(), (std::vector<std::wstring>{L"First", L"Last"}));
    ASSERT_EQ(reporter.lines(), std::vector<int>{114});
    EXPECT_EQ(reporter.reports[0].description,
              L"Could not read entry 1 of HKEY_CURRENT_USER\\" + std::wstring(kUninstallKey) + L": " +
                  SystemMessage(ERROR_MORE_DATA));
}


// Keys are enumerated in name order: removing an entry that was read moves the next one to an index
// already passed, and adding one before the current index is missed too. The change is noticed and
// the key walked again, so both are listed.
TEST_F(RegistryTest, EntriesMovedOrAddedDuringAWalkAreFoundByTheWalkThatFollows) {
    for (int i = 0; i < 8; ++i) entries.add(L"walk-b" + std::to_wstring(i), L"Stays " + std::to_wstring(i), L"C:\\s.exe");
    RegistryChangedDuringTheWalk changing([&](std::uint32_t index) {
        if (index == 3) entries.remove(L"walk-b0");
        if (index == 5) entries.add(L"walk-a", L"Added During The Walk", L"C:\\a.exe");
    });
    RefreshList({changing, list, textCase, reporter});
    e2e::KeepSeededRows(list.rows);
    std::vector<std::wstring> names;
    for (const auto& row : list.rows) names.push_back(row.text);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Added During The Walk", L"Stays 1", L"Stays 2", L"Stays 3", L"Stays 4",
                                                L"Stays 5", L"Stays 6", L"Stays 7"}));
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(RegistryTest, NamesInEveryScriptArriveUnchanged) {
    const std::wstring names[] = {L"Caf\u00e9 \u00c9diteur", L"\u0424\u043e\u0442\u043e\u0440\u0435\u0434\u0430\u043a\u0442\u043e\u0440",
                                  L"\u4e2d\u6587\u8f93\u5165\u6cd5", L"Sunny \U0001F33B"};
    int key = 0;
    for (const auto& name : names) {
        const std::wstring command = L"C:\\Programme\\" + name + L"\\un.exe";
        entries.add(L"script" + std::to_wstring(key++), name, command);
    }
    refreshNames();
    for (const auto& name : names) {
        const auto* row = rowNamed(name);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->subItems[1], L"C:\\Programme\\" + name + L"\\un.exe");
    }
}

TEST_F(RegistryTest, EntriesOfThe32BitViewAndTheCurrentUserAreListedAfterThe64BitOnes) {
    entries.add(L"user", L"User Tool", L"u.exe", RegistrySource::CurrentUser);
    entries.add(L"old", L"Old Tool", L"o.exe", RegistrySource::Machine32);
    entries.add(L"new", L"New Tool", L"n.exe", RegistrySource::Machine64);
    EXPECT_EQ(refreshNames(), (std::vector<std::wstring>{L"New Tool", L"Old Tool", L"User Tool"}));
}

TEST_F(RegistryTest, MissingUninstallKeysGiveAnEmptyListAndNoMessage) {
    if (!e2e::RunningUnderWine()) GTEST_SKIP() << "needs a machine of its own, without uninstall keys";
    SeededUninstallEntries::removeUninstallKeys();
    list.seed(L"Stale");
    EXPECT_TRUE(refreshNames().empty());
    EXPECT_TRUE(reporter.reports.empty());
}



}  // namespace
}  // namespace orv::win32
