// How long a refresh takes against the least a program must do to read the same entries, and where
// the difference goes.
//   floor:   every uninstall source the refresh reads: enumerate the key, open each entry, read its two
//            values, close it
//   refresh: a click on the Refresh button of a shown window, until the list has painted what changed
// Floor and refresh runs alternate (Wine's registry is faster right after its server starts), and the
// medians are compared. A floor that reads fewer entries than the refresh lists measures nothing, so
// the benchmark fails then.
#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

#include "app/form1.h"
#include "bench_support.h"
#include "win32/form_layout.h"
#include "fakes/recording_reporter.h"
#include "inventory/refresh_list.h"
#include "win32/list_view.h"
#include "win32/collation_adapter.h"
#include "win32/files_adapter.h"
#include "win32/random_source_adapter.h"
#include "win32/text_case_adapter.h"
#include "win32/shell_adapter.h"
#include "win32/registry_adapter.h"

namespace orv::bench {
namespace {

// The floor's registry calls for each entry: the enumeration step, the open, two reads, the close.
constexpr double kFloorCallsPerEntry = 5.0;

std::size_t FloorRead() {
    std::size_t found = 0;
    for (const auto source : kUninstallSources) {
        HKEY uninstall = nullptr;
        if (RegOpenKeyExW(win32::RootOf(source), kUninstallKey, 0, KEY_ENUMERATE_SUB_KEYS | win32::ViewOf(source),
                          &uninstall) != ERROR_SUCCESS) {
            continue;
        }
        wchar_t name[256];
        wchar_t value[512];
        for (DWORD index = 0;; ++index) {
            DWORD length = 256;
            if (RegEnumKeyExW(uninstall, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
            HKEY entry = nullptr;
            if (RegOpenKeyExW(uninstall, name, 0, KEY_QUERY_VALUE | win32::ViewOf(source), &entry) != ERROR_SUCCESS) continue;
            DWORD bytes = sizeof(value);
            const bool hasName = RegQueryValueExW(entry, kDisplayNameValue, nullptr, nullptr, reinterpret_cast<BYTE*>(value),
                                                  &bytes) == ERROR_SUCCESS;
            bytes = sizeof(value);
            const bool hasCommand = RegQueryValueExW(entry, kUninstallStringValue, nullptr, nullptr,
                                                     reinterpret_cast<BYTE*>(value), &bytes) == ERROR_SUCCESS;
            if (hasName && hasCommand) ++found;
            RegCloseKey(entry);
        }
        RegCloseKey(uninstall);
    }
    return found;
}

// The real registry, counting every call the refresh makes of it.
class CountingRegistry final : public Registry {
public:
    std::unique_ptr<RegistryKey> open(RegistrySource source, const std::wstring& path) override {
        ++calls;
        auto key = real_.open(source, path);
        return key ? std::make_unique<Key>(std::move(key), calls) : nullptr;
    }
    std::size_t calls = 0;

private:
    class Key final : public RegistryKey {
    public:
        Key(std::unique_ptr<RegistryKey> real, std::size_t& counter) : real_(std::move(real)), calls_(counter) {}
        ~Key() override { ++calls_; }  // the close
        EnumerationResult subKeyName(std::uint32_t index, std::wstring& name) override {
            ++calls_;
            return real_->subKeyName(index, name);
        }
        std::unique_ptr<RegistryKey> openSubKey(const std::wstring& name) override {
            ++calls_;
            auto key = real_->openSubKey(name);
            return key ? std::make_unique<Key>(std::move(key), calls_) : nullptr;
        }
        void watchSubKeys() override {
            ++calls_;
            real_->watchSubKeys();
        }
        bool subKeysChanged() override {
            ++calls_;
            return real_->subKeysChanged();
        }
        bool value(const wchar_t* name, RegistryValue& value) override {
            ++calls_;
            return real_->value(name, value);
        }

    private:
        std::unique_ptr<RegistryKey> real_;
        std::size_t& calls_;
    };
    win32::WindowsRegistry real_;
};

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// What a refresh does beyond reading the registry, each part on its own: the names' sort keys, the
// two letter-case mappings of each command, storing the rows (sort keys included), and showing them.
// The rows stored are those of a refresh after one program was removed: a list that changed, so the
// control learns a new count and repaints (a refresh that finds the same rows repaints nothing).
void PrintWhereTheRestGoes(ShownList& shown, int count) {
    win32::WindowsCollation collation;
    win32::WindowsTextCase textCase;
    std::vector<std::wstring> names;
    for (int i = 1; i < count; ++i) names.push_back(L"Bench Program " + std::to_wstring((i * 7919) % count));
    const std::wstring command = L"\"C:\\Program Files\\Bench 1\\unins000.exe\" /SILENT";
    const double sortKeys = SecondsFor([&] {
        std::string key;
        for (const auto& name : names) {
            key.clear();
            collation.appendSortKey(name, key);
        }
    });
    const double caseMapping = SecondsFor([&] {
        for (int i = 0; i < 2 * count; ++i) textCase.lower(command);
    });
    auto& list = shown.list;
    list.setRedraw(false);
    list.clear();
    const double storing = SecondsFor([&] {
        for (const auto& name : names) {
            const auto row = list.add(name, RegistrySource::Machine64);
            for (int subItem = 1; subItem <= 3; ++subItem) list.setSubItem(row, subItem, command);
        }
    });
    const double sorting = SecondsFor([&] { list.setRedraw(true); });
    const double painting = SecondsFor([&] { Pump(); });
    std::printf("        beyond the registry, when the list changed: sort keys %.3f s, letter case %.3f s, storing the "
                "rows %.3f s (sort keys included), sorting and showing them %.3f s, painting the list %.3f s\n",
                sortKeys, caseMapping, storing, sorting, painting);
}

bool Measure(int count) {
    e2e::SeededUninstallEntries entries;
    SeedEntries(entries, count);
    ShownList shown;
    auto& list = shown.list;
    win32::WindowsRegistry registry;
    win32::WindowsTextCase textCase;
    testing::RecordingReporter reporter;
    SilentDialogs dialogs;
    win32::WindowsShell shell;
    win32::WindowsFiles files;
    win32::WindowsRandomSource random;
    Form1 form({shown.window, list, registry, textCase, dialogs, shell, files, random, reporter});
    shown.window.connect(form);
    const auto refreshButton = static_cast<std::size_t>(
        std::find_if(win32::kButtons.begin(), win32::kButtons.end(),
                     [](const auto& button) { return button.handler == &Form1::refresh; }) -
        win32::kButtons.begin());

    const int rounds = count <= 1000 ? 21 : count <= 10000 ? 9 : 3;
    std::size_t floorRows = FloorRead();  // warms the registry alike for both
    std::vector<double> floors;
    std::vector<double> refreshes;
    for (int round = 0; round < rounds; ++round) {
        floors.push_back(SecondsFor([&] { floorRows = FloorRead(); }));
        refreshes.push_back(SecondsFor([&] {
            SendMessageW(shown.window.button(refreshButton).hwnd(), BM_CLICK, 0, 0);
            Pump();  // the list paints what the refresh changed, as it does once the command has returned
        }));
    }
    CountingRegistry counting;
    RefreshList({counting, list, textCase, reporter});

    const double floor = Median(floors);
    const double refresh = Median(refreshes);
    const auto listed = list.count();
    if (floorRows != listed || listed != static_cast<std::size_t>(count) || !reporter.reports.empty()) {
        std::printf("%6d entries: FAILED: the floor read %zu entries and the refresh listed %zu, with %zu reports\n",
                    count, floorRows, listed, reporter.reports.size());
        return false;
    }
    std::printf("%6d entries: floor %.3f s (%.3f to %.3f), Refresh button %.3f s (%.3f to %.3f), medians of %d "
                "alternated runs, ratio %.2f; registry calls per entry %.2f against the floor's %.0f; peak memory "
                "%.1f MiB\n",
                count, floor, *std::min_element(floors.begin(), floors.end()), *std::max_element(floors.begin(), floors.end()),
                refresh, *std::min_element(refreshes.begin(), refreshes.end()),
                *std::max_element(refreshes.begin(), refreshes.end()), rounds, refresh / floor,
                static_cast<double>(counting.calls) / count, kFloorCallsPerEntry, PeakMemoryMiB());
    PrintWhereTheRestGoes(shown, count);
    return true;
}

}  // namespace
}  // namespace orv::bench

// The entry counts to measure, by default 1,000, 10,000 and 30,000.
int main(int argc, char** argv) {
    std::printf("Refresh benchmark (registry under Wine, list in a shown window, rows sorted by name)\n");
    std::vector<int> counts = {1000, 10000, 30000};
    if (argc > 1) counts.clear();
    for (int arg = 1; arg < argc; ++arg) counts.push_back(std::atoi(argv[arg]));
    bool measured = true;
    for (int count : counts) measured = orv::bench::Measure(count) && measured;
    return measured ? 0 : 1;
}
