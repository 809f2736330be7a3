// The error trap of a user-facing procedure: each numbered step runs through it; a failed step is
// reported once with the procedure's location and the step's line, and the procedure goes on.
//
//   Trap trap(location::kFormLoad, reporter);
//   trap.step(100, [&] { ApplySkin(...); });
//   if (trap.entersBlock(104, [&] { return probe(path); })) { trap.step(106, ...); }
//
// Resumption follows the classic rules: after a failed step, the next step; after a failed test, the
// guarded block (its alternative is skipped); after a failed loop head, the loop body; after a failed
// advance, the statement after the loop. A failure inside a helper without a trap of its own is simply
// an exception thrown through the step that called it, so it carries the caller's line.
#pragma once

#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "ports/failure.h"
#include "services/error_report.h"

namespace orv {

// A step's body, called out of line by reference. Unlike std::function it never copies the body, so a
// step costs no allocation: a refresh runs some fifteen steps for every entry it lists.
template <class Result>
class TrapBody {
public:
    template <class Body>
        requires(!std::is_same_v<Body, TrapBody> && std::is_invocable_r_v<Result, const Body&>)
    // Not explicit: a step takes its lambda as it is written.
    TrapBody(const Body& body) noexcept
        : body_(std::addressof(body)),
          call_([](const void* bound) -> Result { return (*static_cast<const Body*>(bound))(); }) {}

    Result operator()() const { return call_(body_); }

private:
    const void* body_;  // the caller's argument, which lives until the step returns
    Result (*call_)(const void*);
};

class Trap {
public:
    Trap(std::wstring_view location, ErrorReporter& reporter) : location_(location), reporter_(reporter) {}

    // The step and the test run behind a type-erased call, out of line: where a compiler can see that
    // a step cannot throw, it would call the handlers unreachable code (MSVC's C4702).
    void step(int line, TrapBody<void> body);
    // Whether the block that a test guards is entered: the test's answer, or true when the test failed,
    // so that the guarded steps run although it did not finish.
    bool entersBlock(int line, TrapBody<bool> condition);

    // A walk over a collection. `start` positions on the first item and answers whether there is one;
    // `advance` moves to the next and answers the same. A failed start still enters the body once; a
    // failed advance ends the walk.
    template <class Start, class Body, class Advance>
    void walk(int startLine, Start&& start, const Body& body, int advanceLine, const Advance& advance) {
        bool more = entersBlock(startLine, std::forward<Start>(start));
        while (more) {
            body();
            more = false;
            step(advanceLine, [&] { more = advance(); });
        }
    }

private:
    void report(int line, const std::wstring& description) {
        reporter_.report(ErrorReport{description, std::wstring(location_), line});
    }

    std::wstring_view location_;
    ErrorReporter& reporter_;
};

}  // namespace orv
