// The refresh against the real registry under bad and large input: huge values, every value type,
// and another program changing the entries while they are read.
#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "driver.h"
#include "fakes/fake_program_list.h"
#include "fakes/recording_reporter.h"
#include "inventory/refresh_list.h"
#include "ports/shell.h"
#include "registry_seed.h"
#include "win32/collation_adapter.h"
#include "win32/files_adapter.h"
#include "win32/random_source_adapter.h"
#include "win32/text_case_adapter.h"
#include "win32/registry_adapter.h"

namespace orv::win32 {
namespace {

using e2e::SeededUninstallEntries;
using namespace std::chrono_literals;

class BadInputTest : public ::testing::Test {
protected:
    // The test's own rows: a Windows machine lists its own programs too.
    void refresh() {
        reporter.reports.clear();
        RefreshList({registry, list, textCase, reporter});
        e2e::KeepSeededRows(list.rows);
    }
    SeededUninstallEntries entries;
    WindowsRegistry registry;
    WindowsTextCase textCase;
    testing::FakeProgramList list;
    testing::RecordingReporter reporter;
};

// A name is read whole; a command only as far as tells that it is longer than any that Windows starts,
// which is all that starting it needs.
TEST_F(BadInputTest, MegabyteNamesAreReadWholeAndCommandsAsFarAsOneCanStart) {
    const std::wstring name(1 << 20, L'n');
    const std::wstring command = L"\"C:\\" + std::wstring(1 << 20, L'c') + L".exe\" /x";
    entries.add(L"huge", name, command);
    refresh();
    ASSERT_EQ(list.rows.size(), 1u);
    EXPECT_EQ(list.rows[0].text, name);
    EXPECT_EQ(list.rows[0].subItems[1], command.substr(0, kLongestCommandLine + 1));
    EXPECT_EQ(list.rows[0].subItems[2], L"c:\\");  // no extension in what is kept
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(BadInputTest, EveryValueTypeUnderBothNamesListsOnlyTextValues) {
    const BYTE bytes[] = {'A', 0, 'b', 0, 'c', 0, 0, 0, 0xFF};
    const DWORD types[] = {REG_NONE, REG_SZ, REG_EXPAND_SZ, REG_BINARY, REG_DWORD, REG_DWORD_BIG_ENDIAN, REG_LINK,
                           REG_MULTI_SZ, REG_RESOURCE_LIST, REG_FULL_RESOURCE_DESCRIPTOR,
                           REG_RESOURCE_REQUIREMENTS_LIST, REG_QWORD, 0x1234};
    for (const DWORD type : types) {
        for (const bool inName : {true, false}) {
            const std::wstring key = (inName ? L"name-" : L"command-") + std::to_wstring(type);
            const std::wstring other = inName ? kUninstallStringValue : kDisplayNameValue;
            entries.setRaw(key, inName ? kDisplayNameValue : kUninstallStringValue, type, bytes,
                           type == REG_DWORD || type == REG_DWORD_BIG_ENDIAN ? DWORD{4} : DWORD{sizeof(bytes)});
            entries.setString(key, other, inName ? L"x.exe" : L"Named " + key);
        }
    }
    refresh();
    std::set<std::wstring> keys;
    for (const auto& row : list.rows) keys.insert(row.subItems[3]);
    EXPECT_EQ(keys, (std::set<std::wstring>{L"name-1", L"name-2", L"command-1", L"command-2"}));
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(BadInputTest, EntriesThatStayAreListedWhileAnotherProgramAddsAndRemovesOthers) {
    constexpr int kStable = 300;
    for (int i = 0; i < kStable; ++i) {
        entries.add(L"stable-" + std::to_wstring(i), L"Stable " + std::to_wstring(i), L"C:\\s.exe");
    }
    std::thread churn([] { e2e::RunAndWait(L"\"" + e2e::ExecutableFolder() + L"\\orvendale_registry_churn.exe\" 6", 30s); });
    for (int run = 0; run < 10; ++run) {
        refresh();
        const auto stable = list.rows.size();  // the churning entries are not the test's own
        EXPECT_EQ(stable, static_cast<std::size_t>(kStable)) << "refresh " << run;
        EXPECT_TRUE(reporter.reports.empty());
    }
    churn.join();
}

}  // namespace
}  // namespace orv::win32
