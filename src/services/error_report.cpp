#include "services/error_report.h"

#include <exception>
#include <new>

#include "ports/failure.h"
#include "services/maker.h"
#include "services/text_convert.h"

namespace orv {

std::wstring ComposeErrorMessage(const ErrorReport& report) {
    std::wstring text = report.description;
    text += L"\r\n";
    text += report.location;
    text += L"at line ";
    text += std::to_wstring(report.line);
    // Two carriage returns and no line feed: the message box shows one blank line there, as the
    // report has always looked.
    text += L"\r\r";
    text += L"Please email screenshot of this message to ";
    text += maker::kSupportEmail;
    return text;
}

void ShowErrorReport(Dialogs& dialogs, const ErrorReport& report) {
    dialogs.showMessage(ComposeErrorMessage(report), kErrorReportTitle, kErrorReportStyle);
}

std::wstring DescribeCurrentFailure() {
    try {
        throw;
    } catch (const Failure& failure) {
        return failure.description();
    } catch (const std::bad_alloc&) {
        return L"Out of memory";
    } catch (const std::exception& error) {
        return WidenUtf8(error.what());
    } catch (...) {
        return L"Unexpected failure";
    }
}

}  // namespace orv
