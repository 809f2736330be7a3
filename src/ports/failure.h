// The one failure type: every port operation that cannot do its job throws it, and only a trap catches it.
//
// What it says follows one rule. Where the caller names what failed (the file it asked to read, the
// entry, the command), the port gives the system's reason alone, and the caller the words around it;
// where the port alone knows what it tried (a window, a font, the clipboard), it says so itself:
// "Could not ...: " and the reason.
#pragma once

#include <exception>
#include <string>
#include <utility>

namespace orv {

class Failure : public std::exception {
public:
    explicit Failure(std::wstring description) : description_(std::move(description)) {}

    [[nodiscard]] const std::wstring& description() const noexcept { return description_; }
    [[nodiscard]] const char* what() const noexcept override { return "Orvendale failure (see description)"; }

private:
    std::wstring description_;
};

}  // namespace orv
