#include "services/trap.h"

#include <new>

#include "services/text_convert.h"

namespace orv {

void Trap::step(int line, TrapBody<void> body) {
    try {
        body();
    } catch (const Failure& failure) {
        report(line, failure.description());
    } catch (const std::exception& error) {
        report(line, DescribeStandardException(error));
    }
}

bool Trap::test(int line, TrapBody<bool> condition) {
    try {
        return condition();
    } catch (const Failure& failure) {
        report(line, failure.description());
    } catch (const std::exception& error) {
        report(line, DescribeStandardException(error));
    }
    return true;
}

std::wstring Trap::DescribeStandardException(const std::exception& error) {
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) {
        return L"Out of memory";
    }
    return WidenUtf8(error.what());
}

}  // namespace orv
