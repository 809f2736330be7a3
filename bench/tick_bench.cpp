// How long the selection commands take on 10,000 rows in a shown list: tick all ("Select All
// Containing This Text" with an empty answer) and untick all ("Unselect All").
#include <cstdio>

#include "app/form1.h"
#include "bench_support.h"
#include "fakes/recording_reporter.h"
#include "win32/list_view.h"
#include "win32/collation_adapter.h"
#include "win32/files_adapter.h"
#include "win32/random_source_adapter.h"
#include "win32/text_case_adapter.h"
#include "win32/shell_adapter.h"
#include "win32/registry_adapter.h"

int main() {
    using namespace orv;
    constexpr int kRows = 10000;
    bench::ShownWindow shown;
    auto& textCase = shown.textCase;
    auto& list = shown.window.programList();
    list.addColumn(L"Add Or Remove Programs");
    list.setColumnWidth(1, 7000);
    list.setRedraw(false);
    for (int i = 0; i < kRows; ++i) list.add(L"Bench Program " + std::to_wstring(i), RegistrySource::Machine64);
    list.setRedraw(true);
    bench::Pump();

    win32::WindowsRegistry registry;
    bench::SilentDialogs dialogs;
    win32::WindowsShell shell;
    win32::WindowsFiles files;
    win32::WindowsRandomSource random;
    testing::RecordingReporter reporter;
    Form1 form({shown.window, list, registry, textCase, dialogs, shell, files, random, reporter});

    const double tickAll = bench::SecondsFor([&] {
        form.tickContaining();
        bench::Pump();
    });
    const double untickAll = bench::SecondsFor([&] {
        form.untickAll();
        bench::Pump();
    });
    std::printf("Selection benchmark, %d rows in a shown list: tick all %.3f s, untick all %.3f s, peak memory %.1f MiB\n",
                kRows, tickAll, untickAll, bench::PeakMemoryMiB());
    return reporter.reports.empty() ? 0 : 1;
}
