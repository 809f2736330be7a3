// The error trap of a user-facing procedure: each numbered step runs through it; a failed step is
// reported once with the procedure's location and the step's line, and the procedure goes on.
//
//   Trap trap(location::kFormLoad, reporter);
//   trap.step(100, [&] { ApplySkin(...); });
//   if (trap.test(104, [&] { return probe(path); })) { trap.step(106, ...); }
//
// Resumption follows the classic rules: after a failed step, the next step; after a failed test, the
// guarded block (its alternative is skipped); after a failed loop head, the loop body; after a failed
// advance, the statement after the loop. A failure inside a helper without a trap of its own is simply
// an exception thrown through the step that called it, so it carries the caller's line.
#pragma once

#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "ports/failure.h"
#include "services/error_report.h"

namespace orv {

class Trap {
public:
    Trap(std::wstring_view location, ErrorReporter& reporter) : location_(location), reporter_(reporter) {}

    // The step and the test run behind a type-erased call, out of line: where a compiler can see that
    // a step cannot throw, it would call the handlers unreachable code (MSVC's C4702).
    void step(int line, const std::function<void()>& body);
    // A test that fails counts as true, so the block it guards runs.
    bool test(int line, const std::function<bool()>& condition);

    // A walk over a collection. `start` positions on the first item and answers whether there is one;
    // `advance` moves to the next and answers the same. A failed start still enters the body once; a
    // failed advance ends the walk.
    template <class Start, class Body, class Advance>
    void walk(int startLine, Start&& start, Body&& body, int advanceLine, Advance&& advance) {
        bool more = test(startLine, std::forward<Start>(start));
        while (more) {
            body();
            more = false;
            step(advanceLine, [&] { more = advance(); });
        }
    }

    static std::wstring DescribeStandardException(const std::exception& error);

private:
    void report(int line, const std::wstring& description) {
        reporter_.report(ErrorReport{description, std::wstring(location_), line});
    }

    std::wstring_view location_;
    ErrorReporter& reporter_;
};

}  // namespace orv
