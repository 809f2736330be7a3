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
    std::mt19937_64 generator_;
};

}  // namespace orv::win32
