#include "services/trap.h"

namespace orv {

void Trap::step(int line, TrapBody<void> body) {
    try {
        body();
    } catch (const std::exception&) {
        report(line, DescribeCurrentFailure());
    }
}

bool Trap::entersBlock(int line, TrapBody<bool> condition) {
    try {
        return condition();
    } catch (const std::exception&) {
        report(line, DescribeCurrentFailure());
    }
    return true;
}

}  // namespace orv
