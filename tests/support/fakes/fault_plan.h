// Makes any fake port operation fail on demand, so tests can prove what each numbered step reports.
#pragma once

#include <map>
#include <set>
#include <string>

#include "ports/failure.h"

namespace orv::testing {

class FaultPlan {
public:
    // Fails every call of `operation`, or only its `nthCall`-th call (counted from 1).
    void fail(const std::string& operation, int nthCall = 0) {
        if (nthCall == 0) {
            always_.insert(operation);
        } else {
            planned_[operation].insert(nthCall);
        }
    }

    // Called by the fakes at the start of every operation.
    void check(const std::string& operation) {
        const int call = ++calls_[operation];
        const auto planned = planned_.find(operation);
        if (always_.count(operation) != 0 || (planned != planned_.end() && planned->second.count(call) != 0)) {
            throw Failure(L"Injected failure in " + std::wstring(operation.begin(), operation.end()));
        }
    }

    int calls(const std::string& operation) const {
        const auto found = calls_.find(operation);
        return found == calls_.end() ? 0 : found->second;
    }

private:
    std::set<std::string> always_;
    std::map<std::string, std::set<int>> planned_;
    std::map<std::string, int> calls_;
};

}  // namespace orv::testing
