// Records the error reports that traps raise, in order.
#pragma once

#include <functional>
#include <vector>

#include "services/error_report.h"

namespace orv::testing {

class RecordingReporter final : public ErrorReporter {
public:
    void report(const ErrorReport& report) override {
        reports.push_back(report);
        if (whileShown) whileShown();
    }
    std::vector<int> lines() const {
        std::vector<int> result;
        for (const auto& r : reports) result.push_back(r.line);
        return result;
    }
    std::vector<ErrorReport> reports;
    std::function<void()> whileShown;  // what the user does while the box is up
};

}  // namespace orv::testing
