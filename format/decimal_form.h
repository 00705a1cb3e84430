#pragma once

#include <string>

namespace zelvaro {

// A value as 0.d1d2d3... x 10^exponent, at most 18 significant digits, no trailing zeros.
struct DecimalForm {
    enum class Kind { Finite, Infinity, NotANumber };

    Kind kind = Kind::Finite;
    bool negative = false;
    std::string digits;  // empty for zero
    int exponent = 0;
};

// No decimal limit.
inline constexpr int kNoDecimalLimit = 9999;

// The decimal form of value with at most `precision` significant digits and at most
// `decimals` digits after the decimal point.
DecimalForm ToDecimalForm(long double value, int precision, int decimals = kNoDecimalLimit);

}  // namespace zelvaro
