#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "data/local_date_time.h"

namespace zelvaro {

// Text of the values in a data packet: point decimal, never the user's separators.

// Room that any value written below needs.
inline constexpr int kPacketValueChars = 32;

// r8: rounded to 16 significant digits in the shortest "%g" form ("0.5", "5e-05", "2e+17").
char* writePacketFloat(char* out, double value);
// i4, i2: decimal.
char* writePacketInteger(char* out, std::int32_t value);
// dateTime: YYYYMMDD, then, unless the time is exactly midnight, "THH:MM:" and five digits
// of milliseconds within the minute.
char* writePacketDateTime(char* out, const LocalDateTime& value);

// A number, when the first letter or digit of the text is a digit: an optional sign, digits,
// point, digits and exponent, anything after them ignored. No value otherwise, or when it
// does not fit a double.
std::optional<double> readPacketFloat(std::string_view text);
// The integer part of such a number; no value outside min..max.
std::optional<std::int32_t> readPacketInteger(std::string_view text, std::int32_t min,
                                              std::int32_t max);
// The first 8 digits (others skipped) as year, month and day; no value for a date that does
// not exist. A "T" right after them starts a time: the hour 1 character after it, the
// minutes 4 after it, the milliseconds within the minute 7 after it (padded on the right to
// five digits); a time out of range gives midnight.
std::optional<LocalDateTime> readPacketDateTime(std::string_view text);

}  // namespace zelvaro
