#pragma once

#include <optional>
#include <string_view>

#include "format/separators.h"

namespace zelvaro {

// Reads a number written with the user's decimal separator (never a thousands separator).
// No value when the text is not a number or overflows; never a silent 0.
std::optional<long double> ParseNumber(std::string_view text, const Separators& seps);

}  // namespace zelvaro
