// RefreshList over a registry of arbitrary entries: names, value types and bytes, unreadable indexes
// and failing operations. It must list, skip or report, never crash or hang.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "fakes/fake_program_list.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_text_case.h"
#include "fakes/recording_reporter.h"
#include "inventory/refresh_list.h"

namespace {

using namespace orv;

std::wstring Units(FuzzedDataProvider& input, std::size_t maxLength) {
    const auto length = input.ConsumeIntegralInRange<std::size_t>(0, maxLength);
    std::wstring units;
    for (std::size_t i = 0; i < length && input.remaining_bytes() > 0; ++i) {
        static constexpr wchar_t kCommon[] = L" \"\\:.abcdefilmnrsuxEIX\0";
        units.push_back(input.ConsumeBool() ? kCommon[input.ConsumeIntegralInRange<std::size_t>(0, 22)]
                                            : static_cast<wchar_t>(input.ConsumeIntegral<std::uint16_t>()));
    }
    return units;
}

RegistryValue Value(FuzzedDataProvider& input) {
    static constexpr std::uint32_t kTypes[] = {kRegSz, kRegSz, kRegExpandSz, kRegMultiSz, kRegDword, kRegBinary, kRegNone, 99};
    return {kTypes[input.ConsumeIntegralInRange<std::size_t>(0, 7)], Units(input, 80)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    testing::FakeRegistry registry;
    testing::FakeProgramList list;
    testing::FakeTextCase textCase;
    testing::RecordingReporter reporter;

    const auto entries = input.ConsumeIntegralInRange<int>(0, 40);
    for (int i = 0; i < entries && input.remaining_bytes() > 0; ++i) {
        const auto source = kUninstallSources[input.ConsumeIntegralInRange<std::size_t>(0, 2)];
        auto& entry = registry.addEntry(source, Units(input, 20));
        if (input.ConsumeBool()) entry.values[kDisplayNameValue] = Value(input);
        if (input.ConsumeBool()) entry.values[kUninstallStringValue] = Value(input);
        if (input.ConsumeIntegralInRange<int>(0, 9) == 0) registry.makeUnreadable(source, static_cast<std::uint32_t>(i));
    }
    static const char* kOperations[] = {"registry.open", "registry.enumerate", "registry.value", "list.clear",
                                        "list.add", "list.setSubItem", "text.lower"};
    const auto failures = input.ConsumeIntegralInRange<int>(0, 3);
    for (int i = 0; i < failures; ++i) {
        const std::string operation = kOperations[input.ConsumeIntegralInRange<std::size_t>(0, 6)];
        const int call = input.ConsumeIntegralInRange<int>(1, 30);
        (operation.rfind("list.", 0) == 0 ? list.faults : operation.rfind("text.", 0) == 0 ? textCase.faults : registry.faults)
            .fail(operation, call);
    }

    RefreshList({registry, list, textCase, reporter});
    if (registry.openKeys != 0) __builtin_trap();  // every key is closed again
    for (const auto& row : list.rows) {
        if (row.checked) __builtin_trap();  // rows are never ticked by a refresh
    }
    return 0;
}
