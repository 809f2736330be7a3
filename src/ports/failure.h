// The one failure type: every port operation that cannot do its job throws it, and only a trap catches it.
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
