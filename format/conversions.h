#pragma once

#include <string>
#include <string_view>

#include "format/separators.h"

namespace zelvaro {

// The conversions of FormatString, each appending to out. A precision of
// ConversionSpec::kNone means none was given.

// d: at least `precision` digits (above 16: no minimum), "-" before a negative number.
void appendWholeNumber(std::string& out, long long value, int precision);

// s: at most `precision` characters of the text.
void appendText(std::string& out, std::string_view text, int precision);

// f and n: exactly `precision` decimals (0 to 18, default 2); n groups the integer digits.
void appendFixedDecimals(std::string& out, long double value, int precision, bool grouped,
                         const Separators& seps);

// g: general form with `precision` significant digits (default 15) and at least three
// exponent digits.
void appendGeneralNumber(std::string& out, long double value, int precision,
                         const Separators& seps);

}  // namespace zelvaro
