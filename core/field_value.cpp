#include "core/field_value.h"

#include "format/format_pattern.h"
#include "format/parse_number.h"

namespace zelvaro {

namespace {
constexpr const char* kEditPattern = "0.############";
}

long double AsFieldValue(long double value) {
    // The separators only change how the text looks, not what it reads back as.
    const Separators separators = Separators::english();
    return ParseNumber(FormatPattern(kEditPattern, value, separators), separators).value_or(0);
}

}  // namespace zelvaro
