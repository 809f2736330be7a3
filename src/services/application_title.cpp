#include "services/application_title.h"

namespace orv {
namespace {

constexpr std::size_t kMaxTitleLength = 40;

}  // namespace

std::wstring ApplicationTitleFor(std::wstring title) {
    do {
        const auto blank = title.rfind(L' ');
        if (blank == std::wstring::npos) {
            return title.substr(0, kMaxTitleLength);
        }
        title.resize(blank);
    } while (title.size() > kMaxTitleLength);
    return title;
}

}  // namespace orv
