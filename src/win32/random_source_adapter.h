// The clock and random numbers of the occasional home-page visit, behind the core's RandomSource port.
#pragma once

#include <random>

#include "ports/random_source.h"

namespace orv::win32 {

class WindowsRandomSource final : public RandomSource {
public:
    double secondsSinceMidnight() override;
    void seed(double seed) override;
    double next() override;

private:
    // Seeded by the core before it draws; until then, by the system, never by a fixed default.
    std::mt19937_64 generator_{std::random_device{}()};
};

}  // namespace orv::win32
