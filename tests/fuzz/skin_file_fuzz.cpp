// Any bytes as a skin file: parsed or refused with a Failure, never anything else.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ports/failure.h"
#include "services/skin_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        orv::ParseSkin(std::string_view(reinterpret_cast<const char*>(data), size), L"C:\\fuzz\\x\\o.cjs");
    } catch (const orv::Failure&) {
    }
    return 0;
}
