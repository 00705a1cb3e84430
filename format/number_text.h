#pragma once

#include <string>

#include "format/decimal_form.h"

namespace zelvaro {

// Pieces of number text shared by the formatters.

// Appends "INF", "-INF" or "NAN" and returns true for those values; false for a finite one.
bool appendSpecialValue(std::string& out, const DecimalDigits& form);

// Appends the decimal digits of n, zero-padded on the left to at least minDigits.
void appendPaddedNumber(std::string& out, unsigned long long n, int minDigits);

}  // namespace zelvaro
