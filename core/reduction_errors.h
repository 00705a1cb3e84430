#pragma once

#include <stdexcept>
#include <string>

namespace zelvaro {

// A floating-point fault of the reduction: an invalid operation (the square root of a
// negative variance, a not-a-number) or an overflow. Raised instead of letting an infinity
// or a not-a-number reach the results.
class CalculationError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kInvalidOperation = "Invalid floating point operation";
inline constexpr const char* kOverflow = "Floating point overflow";

// A reduction that failed and has reset the test to its defaults. what() is the message the
// user sees; reason() tells what went wrong.
class ReductionFailed : public std::runtime_error {
  public:
    explicit ReductionFailed(std::string reason)
        : std::runtime_error("Erro durante os cálculos!"), reason_(std::move(reason)) {}

    const std::string& reason() const { return reason_; }

  private:
    std::string reason_;
};

}  // namespace zelvaro
