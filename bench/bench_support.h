// What the benchmarks share: a shown main window with its real list, timing, memory and seeding.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "ports/dialogs.h"
#include "registry_seed.h"
#include "win32/list_view.h"
#include "win32/main_window.h"
#include "win32/collation_adapter.h"
#include "win32/files_adapter.h"
#include "win32/random_source_adapter.h"
#include "win32/text_case_adapter.h"

namespace orv::bench {

template <class Work>
double SecondsFor(Work&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double PeakMemoryMiB() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

// Answers every input box with the empty text, as Cancel does, and shows no message.
class SilentDialogs final : public Dialogs {
public:
    void showMessage(const std::wstring&, const std::wstring&, unsigned) override {}
    std::optional<std::wstring> inputBox(const std::wstring&, const std::wstring&) override { return L""; }
};

// Lets the window paint whatever is pending, as the message loop would between commands.
inline void Pump() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The main window, shown, with the list's four columns.
class ShownWindow {
public:
    ShownWindow() {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        window.create(GetModuleHandleW(nullptr), textCase, collation);
        window.showCentred(SW_SHOWNORMAL);
        Pump();
    }
    win32::WindowsTextCase textCase;
    win32::WindowsCollation collation;
    win32::MainWindowFrame window;
};

// The program list of a shown window, with its four columns.
class ShownList : public ShownWindow {
public:
    ShownList() {
        for (const auto* header : {L"Add Or Remove Programs", L"Uninstall", L"FileExists", L"KeyName"}) {
            list.addColumn(header);
        }
    }
    win32::ListViewProgramList& list = window.programList();
};

// N entries in the 64-bit view, named like real ones, in no particular order.
inline void SeedEntries(e2e::SeededUninstallEntries& entries, int count) {
    for (int i = 0; i < count; ++i) {
        const int scrambled = (i * 7919) % count;
        const std::wstring key = L"{BENCH-" + std::to_wstring(scrambled) + L"}";
        entries.add(key, L"Bench Program " + std::to_wstring(scrambled),
                    L"\"C:\\Program Files\\Bench " + std::to_wstring(scrambled) + L"\\unins000.exe\" /SILENT");
    }
}

}  // namespace orv::bench
