// Any text as an uninstall command: the drive-path cut and the launch split never fail or overrun.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "app/launch_command.h"
#include "inventory/registry_text.h"

namespace {

std::wstring WideText(FuzzedDataProvider& input, std::size_t length) {
    std::wstring text;
    for (std::size_t i = 0; i < length && input.remaining_bytes() > 0; ++i) {
        // Mostly the characters commands are made of, now and then anything.
        static constexpr wchar_t kCommon[] = L" \t\"\\:.,/%abcdeilnrsuxEXID0123";
        text.push_back(input.ConsumeBool() ? kCommon[input.ConsumeIntegralInRange<std::size_t>(0, 28)]
                                           : static_cast<wchar_t>(input.ConsumeIntegralInRange<std::uint32_t>(1, 0xFFFF)));
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::wstring command = WideText(input, input.ConsumeIntegralInRange<std::size_t>(0, 300));
    const std::wstring drivePath = orv::ExtractDrivePath(command);
    if (!drivePath.empty() && command.find(drivePath) == std::wstring::npos) __builtin_trap();

    const auto split = orv::SplitCommand(command, [&](const std::wstring& path) { return path.size() % 7 == 3; });
    // The split only drops blanks and quotes, and may add the ".exe" that made the program a file.
    if (split.program.size() + split.arguments.size() > command.size() + 4) __builtin_trap();
    const auto first = command.find_first_not_of(L" \t");
    if (split.program.empty() && first != std::wstring::npos && command[first] != L'"') __builtin_trap();
    return 0;
}
