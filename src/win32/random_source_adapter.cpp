#include "win32/random_source_adapter.h"

#include <windows.h>

#include <bit>
#include <cstdint>

namespace orv::win32 {

double WindowsRandomSource::secondsSinceMidnight() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
}

void WindowsRandomSource::seed(double seed) {
    generator_.seed(std::bit_cast<std::uint64_t>(seed));
}

double WindowsRandomSource::next() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
}

}  // namespace orv::win32
