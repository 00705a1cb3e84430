#pragma once

#include <optional>
#include <string_view>

#include "format/separators.h"

namespace zelvaro {

// A number of the project file's header or radius list. Tried under the user's decimal
// separator first and then under the other of "." and ",": these values never carry a
// thousands separator, so a file written under other regional settings reads the same. At
// least one digit must come before the exponent.
std::optional<long double> parseHeaderNumber(std::string_view text, const Separators& seps);

// A whole number of the header: optional leading spaces, an optional sign and decimal
// digits, within 32 bits; anything else gives `fallback`.
int parseHeaderInteger(std::string_view text, int fallback);

}  // namespace zelvaro
