#include "win32/base_window.h"

#include <exception>
#include <string>

#include "ports/failure.h"
#include "services/error_report.h"
#include "services/trap.h"

namespace orv::win32 {

void ReportUnexpectedFailure() noexcept {
    try {
        std::wstring description = L"Unexpected failure";
        try {
            throw;
        } catch (const Failure& failure) {
            description = failure.description();
        } catch (const std::exception& error) {
            description = Trap::DescribeStandardException(error);
        } catch (...) {
        }
        MessageBoxW(nullptr, description.c_str(), kErrorReportTitle, MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
    } catch (...) {
    }
}

}  // namespace orv::win32
