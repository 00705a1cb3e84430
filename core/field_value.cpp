#include "core/field_value.h"

#include "core/field_text.h"
#include "format/format_pattern.h"
#include "format/parse_number.h"

namespace zelvaro {

long double AsFieldValue(long double value) {
    // The separators only change how the text looks, not what it reads back as.
    static const std::string editPattern = EditPattern(12);
    const Separators separators = Separators::english();
    return ParseNumber(FormatPattern(editPattern, value, separators), separators).value_or(0);
}

}  // namespace zelvaro
