#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "format/separators.h"

namespace zelvaro {

// The value of "[ARRAY_HX]": every radius in the general form with 15 significant digits,
// in double quotes, joined by ";" (`"40";"60,5";"75"`).
std::string joinRadiusList(const std::vector<double>& radii, const Separators& seps);

// Splits a radius list into its items. Items are separated by ";"; a quoted item runs to
// its closing quote (two quotes inside stand for one) and loses its quotes; an unquoted item
// ends at ";" or at a character at or below the space; such characters between items are
// skipped; a ";" at the very end adds an empty item. Stops after `maxItems` items: a reader
// needs only as many as there are zones.
std::vector<std::string> splitRadiusList(std::string_view text, std::size_t maxItems);

}  // namespace zelvaro
