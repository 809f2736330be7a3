// A thousand refreshes in a row into a shown list, each of which repaints it: the process's handles
// and its GDI and USER objects must not grow. Prints the counts before and after.
#include "bench_support.h"

#include <winternl.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include "fakes/recording_reporter.h"
#include "inventory/refresh_list.h"
#include "win32/list_view.h"
#include "win32/collation_adapter.h"
#include "win32/files_adapter.h"
#include "win32/random_source_adapter.h"
#include "win32/text_case_adapter.h"
#include "win32/registry_adapter.h"

namespace {

// The system's own counters (GetProcessHandleCount, GetGuiResources) answer 0 under Wine, so the
// objects are counted directly: kernel handles by asking about every handle value, GDI objects in the
// shared GDI handle table, USER objects as the process's windows.
DWORD KernelHandles() {
    DWORD count = 0;
    DWORD flags = 0;
    for (std::uintptr_t value = 4; value < 0x20000; value += 4) {
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
    }
    return count;
}

// One entry of the GDI handle table that the process environment block points to.
struct GdiTableEntry {
    void* object;
    USHORT processId;
    USHORT count;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    void* user;
};

// Counts the entries in use; -1 when the table is not there to read.
long GdiObjects() {
    constexpr std::size_t kGdiTableOffset = 0xF8;  // PEB.GdiSharedHandleTable on x64
    constexpr std::size_t kMaxGdiHandles = 0x10000;
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0) {
        return -1;
    }
    const auto* peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
    const auto* table = *reinterpret_cast<const GdiTableEntry* const*>(peb + kGdiTableOffset);
    if (table == nullptr) return -1;
    long count = 0;
    for (std::size_t i = 0; i < kMaxGdiHandles; ++i) {
        if (table[i].type != 0) ++count;
    }
    return count;
}

DWORD Windows() {
    DWORD count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto& total = *reinterpret_cast<DWORD*>(data);
            ++total;
            EnumChildWindows(window, [](HWND, LPARAM inner) -> BOOL { ++*reinterpret_cast<DWORD*>(inner); return TRUE; }, data);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

struct Counts {
    DWORD handles = 0;
    long gdi = 0;
    DWORD windows = 0;
    double privateMiB = 0;
};

Counts Take() {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
    return {KernelHandles(), GdiObjects(), Windows(), static_cast<double>(memory.PagefileUsage) / (1024.0 * 1024.0)};
}

}  // namespace

int main(int argc, char** argv) {
    using namespace orv;
    constexpr int kEntries = 200;
    const int kRefreshes = argc > 1 ? std::atoi(argv[1]) : 1000;
    e2e::SeededUninstallEntries entries;
    bench::SeedEntries(entries, kEntries);
    bench::ShownList shown;
    auto& list = shown.list;
    win32::WindowsRegistry registry;
    win32::WindowsTextCase textCase;
    testing::RecordingReporter reporter;

    RefreshList({registry, list, textCase, reporter});
    // Each refresh clears a tick, so that it repaints the list as a refresh that changed something does.
    const auto refresh = [&] {
        list.setChecked(1, true);
        RefreshList({registry, list, textCase, reporter});
        bench::Pump();
    };
    // The first second allocates what then stays: Wine's caches of device contexts and scroll bars, and
    // what the list's tooltip creates when its timer first runs.
    for (const auto start = GetTickCount64(); GetTickCount64() - start < 2000;) refresh();
    const Counts before = Take();
    const double seconds = bench::SecondsFor([&] {
        for (int i = 0; i < kRefreshes; ++i) refresh();
    });
    const Counts after = Take();
    std::printf("Soak: %d refreshes of %d entries in %.1f s; kernel handles %lu -> %lu, GDI objects %ld -> %ld, windows %lu -> %lu, "
                "private memory %.1f -> %.1f MiB, reports %zu\n",
                kRefreshes, kEntries, seconds, before.handles, after.handles, before.gdi, after.gdi, before.windows, after.windows,
                before.privateMiB, after.privateMiB, reporter.reports.size());
    return after.handles > before.handles || after.gdi > before.gdi || after.windows > before.windows ? 1 : 0;
}
