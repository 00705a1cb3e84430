#pragma once

#include <string>
#include <string_view>

#include "format/separators.h"

namespace zelvaro {

// Display pattern ("#,##0.00000;-#,##0.00000", "000", "#.##0E+00", ...) applied to a value.
// Never fails: any text is a pattern.
std::string FormatPattern(std::string_view pattern, long double value, const Separators& seps);

}  // namespace zelvaro
