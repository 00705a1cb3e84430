#pragma once

#include <string>
#include <string_view>

#include "format/separators.h"

namespace zelvaro {

// How a numeric field reads, checks and writes its texts. A field shows its display text
// (the display pattern) while it does not have the focus, and its edit text (at most
// DecimalPlaces decimals, no thousands separators) while it has; it reads its value back from
// the edit text after a clean-up that forgives thousands separators and either decimal mark.

// Bounds hold only when the maximum is above the minimum; the zone count is the one field
// with bounds (1 to 999), every other field has 0 and 0.
struct FieldBounds {
    long double minValue = 0;
    long double maxValue = 0;
};

// The text the parser gets: blanks at both ends trimmed; every thousands separator dropped
// (unless it is also the decimal separator); "." and "," turned into the decimal separator,
// each unless it is the thousands separator; an empty text becomes "0" and a lone "-" "-0",
// so that a field being cleared or starting a negative number reads as zero.
std::string NormalizedFieldText(std::string_view text, const Separators& separators);

// The value pulled into the bounds.
long double BoundedFieldValue(long double value, const FieldBounds& bounds);

// The value of a field's text: normalised, parsed and bounded. A text that does not parse,
// a number too large to hold included, reads as the minimum, without a message.
long double ReadFieldValue(std::string_view text, const Separators& separators,
                           const FieldBounds& bounds);

// Whether a field's text, normalised, is a number at all (a paste must give one).
bool FieldTextParses(std::string_view text, const Separators& separators);

// What a typed text puts into a field: "." and "," are the decimal separator unless they are
// the thousands separator, so the keypad's decimal key works whatever it sends.
std::string TypedFieldText(std::string_view typed, const Separators& separators);

// Whether a field keeps the text that a typed key would leave: normalised, it holds only
// digits, "+", "-", "E", "e" and the decimal separator, parses, has at most decimalPlaces
// digits after the decimal separator (up to an exponent), and is not negative when the
// bounds exclude negative values (minimum at least 0, maximum above 0).
bool AcceptsTypedFieldText(std::string_view text, int decimalPlaces, const Separators& separators,
                           const FieldBounds& bounds);

// The pattern of the edit text: "0." and decimalPlaces "#".
std::string EditPattern(int decimalPlaces);

// The text shown while the field has the focus; empty for zero, so typing starts afresh.
std::string FieldEditText(long double value, int decimalPlaces, const Separators& separators);

// The text shown while the field does not have the focus.
std::string FieldDisplayText(long double value, std::string_view displayPattern,
                             const Separators& separators);

}  // namespace zelvaro
