// The executable's load configuration, for MinGW-w64 builds: the DLLs that its imports load in turn
// come from the system folder only, never from the folder the program was started from, which is
// usually the user's downloads folder. MSVC's runtime carries the structure and its linker sets the
// flag (/DEPENDENTLOADFLAG); Debian's MinGW-w64 runtime carries none. LLD points the image's load
// configuration directory here because of the name; GNU ld before 2.43 does not know the name, so the
// structure has a section of its own, where scripts/set-load-config finds it after the link.
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace {

// The first fields of IMAGE_LOAD_CONFIG_DIRECTORY64 as Windows 10 reads it, up to the structured
// exception handlers, which 64-bit Windows does not use: enough for DependentLoadFlags. (MinGW-w64's
// headers still call that field Reserved1.)
struct alignas(8) LoadConfiguration {
    std::uint32_t size;
    std::uint32_t timeDateStamp;
    std::uint16_t majorVersion, minorVersion;
    std::uint32_t globalFlagsClear, globalFlagsSet;
    std::uint32_t criticalSectionDefaultTimeout;
    std::uint64_t deCommitFreeBlockThreshold, deCommitTotalFreeThreshold;
    std::uint64_t lockPrefixTable;
    std::uint64_t maximumAllocationSize, virtualMemoryThreshold;
    std::uint64_t processAffinityMask;
    std::uint32_t processHeapFlags;
    std::uint16_t csdVersion;
    std::uint16_t dependentLoadFlags;
    std::uint64_t editList, securityCookie, seHandlerTable, seHandlerCount;
};
static_assert(offsetof(LoadConfiguration, dependentLoadFlags) == 0x4E && sizeof(LoadConfiguration) == 0x70,
              "the layout that the loader reads");

}  // namespace

extern "C" {
// NOLINTNEXTLINE(bugprone-reserved-identifier): the name that the linker and the loader look for
extern const LoadConfiguration _load_config_used;
__attribute__((section(".ldcfg"), used)) const LoadConfiguration _load_config_used = {sizeof(LoadConfiguration), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                             LOAD_LIBRARY_SEARCH_SYSTEM32, 0, 0, 0, 0};
}
