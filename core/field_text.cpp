#include "core/field_text.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "format/format_pattern.h"
#include "format/parse_number.h"

namespace zelvaro {

namespace {

// Blanks are the space and the control characters; no byte of a multi-byte UTF-8 character
// is one of them.
bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Whole separators are replaced, never single bytes of one, so multi-byte separators
// (U+00A0, U+202F) are safe.
void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    if (from.empty()) return;
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

bool startsWith(std::string_view text, std::size_t at, std::string_view word) {
    return !word.empty() && text.substr(at, word.size()) == word;
}

// Only ASCII digits count: digits of other scripts are refused rather than misread.
bool hasOnlyNumberCharacters(std::string_view text, std::string_view decimal) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (startsWith(text, i, decimal)) {
            i += decimal.size();
            continue;
        }
        const char c = text[i];
        if (!isDigit(c) && c != '+' && c != '-' && c != 'E' && c != 'e') return false;
        ++i;
    }
    return true;
}

// Digits after the decimal separator, up to an exponent.
int decimalsOf(std::string_view text, std::string_view decimal) {
    const std::size_t at = decimal.empty() ? std::string_view::npos : text.find(decimal);
    if (at == std::string_view::npos) return 0;
    int count = 0;
    for (std::size_t i = at + decimal.size(); i < text.size(); ++i) {
        if (text[i] == 'E' || text[i] == 'e') break;
        if (isDigit(text[i])) ++count;
    }
    return count;
}

bool excludesNegative(const FieldBounds& bounds) {
    return bounds.minValue >= 0 && bounds.maxValue > 0;
}

std::optional<long double> parsedFieldText(std::string_view text, const Separators& separators) {
    return ParseNumber(NormalizedFieldText(text, separators), separators);
}

}  // namespace

std::string NormalizedFieldText(std::string_view text, const Separators& separators) {
    std::string result(trimmed(text));
    if (separators.thousands != separators.decimal) replaceAll(result, separators.thousands, "");
    for (std::string_view mark : {".", ","}) {
        if (separators.thousands != mark) replaceAll(result, mark, separators.decimal);
    }
    if (result.empty()) return "0";
    if (result == "-") return "-0";
    return result;
}

long double BoundedFieldValue(long double value, const FieldBounds& bounds) {
    if (!(bounds.maxValue > bounds.minValue)) return value;
    return std::clamp(value, bounds.minValue, bounds.maxValue);
}

long double ReadFieldValue(std::string_view text, const Separators& separators,
                           const FieldBounds& bounds) {
    const std::optional<long double> value = parsedFieldText(text, separators);
    return value ? BoundedFieldValue(*value, bounds) : bounds.minValue;
}

bool FieldTextParses(std::string_view text, const Separators& separators) {
    return parsedFieldText(text, separators).has_value();
}

std::string TypedFieldText(std::string_view typed, const Separators& separators) {
    std::string result;
    for (char c : typed) {
        const bool mark = c == '.' || c == ',';
        if (mark && separators.thousands != std::string_view(&c, 1)) {
            result += separators.decimal;
        } else {
            result += c;
        }
    }
    return result;
}

bool AcceptsTypedFieldText(std::string_view text, int decimalPlaces, const Separators& separators,
                           const FieldBounds& bounds) {
    const std::string normalized = NormalizedFieldText(text, separators);
    if (!hasOnlyNumberCharacters(normalized, separators.decimal)) return false;
    const std::optional<long double> value = ParseNumber(normalized, separators);
    if (!value) return false;
    if (decimalsOf(normalized, separators.decimal) > decimalPlaces) return false;
    // A lone "-" reads as -0: its sign counts, so the zone count refuses it.
    return !(excludesNegative(bounds) && std::signbit(*value));
}

std::string EditPattern(int decimalPlaces) {
    return "0." + std::string(static_cast<std::size_t>(std::max(decimalPlaces, 0)), '#');
}

std::string FieldEditText(long double value, int decimalPlaces, const Separators& separators) {
    if (value == 0) return {};
    return FormatPattern(EditPattern(decimalPlaces), value, separators);
}

std::string FieldDisplayText(long double value, std::string_view displayPattern,
                             const Separators& separators) {
    return FormatPattern(displayPattern, value, separators);
}

}  // namespace zelvaro
