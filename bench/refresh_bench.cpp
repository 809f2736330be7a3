// How long a refresh takes against the least a program must do to read the same entries.
//   (a) floor: enumerate the uninstall key, open each entry, read its two values, close it
//   (b) RefreshList into the real list of a shown window
#include <algorithm>
#include <cstdio>
#include <string>

#include "bench_support.h"
#include "fakes/recording_reporter.h"
#include "inventory/refresh_list.h"
#include "win32/list_view.h"
#include "win32/platform_services.h"
#include "win32/registry_adapter.h"

namespace orv::bench {
namespace {

std::size_t FloorRead() {
    HKEY uninstall = nullptr;
    RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_ENUMERATE_SUB_KEYS | KEY_WOW64_64KEY, &uninstall);
    std::size_t found = 0;
    wchar_t name[256];
    wchar_t value[512];
    for (DWORD index = 0;; ++index) {
        DWORD length = 256;
        if (RegEnumKeyExW(uninstall, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        HKEY entry = nullptr;
        if (RegOpenKeyExW(uninstall, name, 0, KEY_QUERY_VALUE, &entry) != ERROR_SUCCESS) continue;
        DWORD bytes = sizeof(value);
        const bool hasName = RegQueryValueExW(entry, kDisplayNameValue, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &bytes) == ERROR_SUCCESS;
        bytes = sizeof(value);
        const bool hasCommand = RegQueryValueExW(entry, kUninstallStringValue, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &bytes) == ERROR_SUCCESS;
        if (hasName && hasCommand) ++found;
        RegCloseKey(entry);
    }
    RegCloseKey(uninstall);
    return found;
}

void Measure(int count) {
    e2e::SeededUninstallEntries entries;
    SeedEntries(entries, count);
    ShownList shown;
    auto& list = shown.list;
    win32::WindowsRegistry registry;
    win32::WindowsTextCase textCase;
    testing::RecordingReporter reporter;

    // Best of several runs each (more for small lists, where the machine's noise weighs more), after one
    // run that warms the registry alike for both.
    const int runs = count <= 1000 ? 9 : 3;
    FloorRead();
    std::size_t floorRows = 0;
    double floor = 1e9;
    double refresh = 1e9;
    double repaint = 1e9;
    for (int run = 0; run < runs; ++run) {
        floor = std::min(floor, SecondsFor([&] { floorRows = FloorRead(); }));
        refresh = std::min(refresh, SecondsFor([&] { RefreshList({registry, list, textCase, reporter}); }));
        // The window then repaints the rows it shows, as it would once the command has returned.
        repaint = std::min(repaint, SecondsFor([&] {
            RedrawWindow(shown.window.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            Pump();
        }));
    }
    std::printf("%6d entries: floor %.3f s (%zu rows), RefreshList %.3f s (%zu rows%s), ratio %.2f, "
                "then repainting the window %.3f s, peak memory %.1f MiB\n",
                count, floor, floorRows, refresh, list.count(),
                list.count() == static_cast<std::size_t>(count) ? ", every entry listed" : ", ENTRIES MISSING",
                refresh / floor, repaint, PeakMemoryMiB());
}

}  // namespace
}  // namespace orv::bench

int main() {
    std::printf("Refresh benchmark (registry under Wine, list in a shown window, rows sorted by name)\n");
    for (int count : {1000, 10000, 30000}) orv::bench::Measure(count);
    return 0;
}
