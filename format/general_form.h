#pragma once

#include <string>

#include "format/separators.h"

namespace zelvaro {

// Shortest fixed or scientific text with `precision` significant digits (2 to 18) and at
// least `minExponentDigits` exponent digits (0 to 4; more counts as 0). No thousands
// separators; INF, -INF and NAN for the special values.
std::string FormatGeneral(long double value, int precision, int minExponentDigits,
                          const Separators& seps);

// FormatGeneral appending to out. A precision outside 2 to 18 is brought to the nearer end.
void appendGeneral(std::string& out, long double value, int precision, int minExponentDigits,
                   const Separators& seps);

}  // namespace zelvaro
