#include "win32/base_window.h"

#include <string>

#include "services/error_report.h"

namespace orv::win32 {

void ReportUnexpectedFailure() noexcept {
    try {
        const std::wstring description = DescribeCurrentFailure();
        MessageBoxW(nullptr, description.c_str(), kErrorReportTitle, kErrorReportStyle | MB_TASKMODAL);
    } catch (...) {
        // Deliberately empty: the report itself failed, and nothing is left to report it with.
    }
}

}  // namespace orv::win32
