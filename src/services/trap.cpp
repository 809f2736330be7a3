#include "services/trap.h"

#include <new>

#include "services/text_convert.h"

namespace orv {

std::wstring Trap::DescribeStandardException(const std::exception& error) {
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) {
        return L"Out of memory";
    }
    return WidenUtf8(error.what());
}

}  // namespace orv
