// Any text as an uninstall command: the drive-path cut, the expansion of its references and the launch
// split never fail or overrun.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <optional>
#include <string>

#include "app/command_line.h"
#include "app/program_search.h"
#include "inventory/uninstaller_file.h"

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

    const std::wstring expanded = orv::ExpandReferences(command, [](const std::wstring& name) -> std::optional<std::wstring> {
        if (name.size() % 3 == 0) return std::nullopt;
        return name + name;
    });
    if (command.find(L'%') == std::wstring::npos && expanded != command) __builtin_trap();

    orv::ProgramSearch search{[](const std::wstring& path) { return path.size() % 7 == 3; },
                              orv::ProgramSearchFolders(L"C:\\Windows\\system32", L"C:\\Windows", command), std::nullopt};
    if (input.ConsumeBool()) search.redirection = {L"C:\\Windows\\system32", L"C:\\Windows\\SysWOW64", L"C:\\Windows"};
    // The program is always a full path to a file that the search accepted, and the arguments are
    // part of the command.
    const auto resolved = orv::ResolveCommand(orv::CommandText(command), search);
    if (const auto* split = std::get_if<orv::SplitCommandLine>(&resolved)) {
        if (!search.isFile(split->program) || split->program.size() < 3) __builtin_trap();
        if (split->arguments.size() > command.size()) __builtin_trap();
        const auto separator = [&](std::size_t at) { return split->program[at] == L'\\' || split->program[at] == L'/'; };
        if (split->program[1] != L':' && !(separator(0) && separator(1))) __builtin_trap();
    }
    return 0;
}
