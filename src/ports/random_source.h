// The clock and the random numbers of the occasional home-page visit.
#pragma once

namespace orv {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double secondsSinceMidnight() = 0;
    virtual void seed(double seed) = 0;
    // The next number from [0, 1).
    virtual double next() = 0;
};

}  // namespace orv
