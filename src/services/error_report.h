// The "Application Error" report that every trapping procedure shows for a failed step.
#pragma once

#include <string>
#include <string_view>

#include "ports/dialogs.h"

namespace orv {

struct ErrorReport {
    std::wstring description;
    std::wstring location;
    int line = 0;
};

inline constexpr wchar_t kErrorReportTitle[] = L"Application Error";
inline constexpr unsigned kErrorReportStyle = kMessageOkOnly | kMessageExclamation;

// Description, CR LF, location, "at line N", CR, CR, and the request to mail a screenshot.
std::wstring ComposeErrorMessage(const ErrorReport& report);

void ShowErrorReport(Dialogs& dialogs, const ErrorReport& report);

// The description of the failure being handled, called inside a catch block: a Failure's own, "Out of
// memory", a standard exception's message, or "Unexpected failure" for anything else.
std::wstring DescribeCurrentFailure();

// Where traps send their reports; the program shows them, tests record them.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void report(const ErrorReport& report) = 0;
};

class MessageBoxReporter final : public ErrorReporter {
public:
    explicit MessageBoxReporter(Dialogs& dialogs) : dialogs_(dialogs) {}
    void report(const ErrorReport& report) override { ShowErrorReport(dialogs_, report); }

private:
    Dialogs& dialogs_;
};

}  // namespace orv
