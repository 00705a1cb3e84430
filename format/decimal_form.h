#pragma once

#include <string>
#include <string_view>

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

// The same form in a fixed buffer, for the formatters' hot paths.
struct DecimalDigits {
    DecimalForm::Kind kind = DecimalForm::Kind::Finite;
    bool negative = false;
    int exponent = 0;
    int count = 0;  // digits in use; 0 for zero
    char digits[18] = {};

    std::string_view view() const { return {digits, static_cast<std::size_t>(count)}; }
};

// The rounding of ToDecimalForm. A value that rounds to zero has no digits and is not
// negative, but keeps the exponent of its 18-digit form when it was cut at its first digit
// (0.001 to two decimals: exponent -2), which the display patterns use.
DecimalDigits toDecimalDigits(long double value, int precision, int decimals = kNoDecimalLimit);

}  // namespace zelvaro
