#include "data/header_number.h"

#include <charconv>

#include "format/parse_number.h"

namespace zelvaro {

namespace {

bool hasDigitBeforeExponent(std::string_view text) {
    const std::string_view mantissa = text.substr(0, text.find_first_of("Ee"));
    return mantissa.find_first_of("0123456789") != std::string_view::npos;
}

}  // namespace

std::optional<long double> parseHeaderNumber(std::string_view text, const Separators& seps) {
    // Unlike a field, the file reader does not take a lone separator for 0.
    if (!hasDigitBeforeExponent(text)) return std::nullopt;
    if (auto value = ParseNumber(text, seps)) return value;
    // The thousands separator only has to differ from the decimal one: the parser never
    // accepts it.
    static const Separators point{".", ","};
    static const Separators comma{",", "."};
    for (const Separators* other : {&point, &comma}) {
        if (other->decimal == seps.decimal) continue;
        if (auto value = ParseNumber(text, *other)) return value;
    }
    return std::nullopt;
}

int parseHeaderInteger(std::string_view text, int fallback) {
    const auto firstNonSpace = text.find_first_not_of(' ');
    if (firstNonSpace == std::string_view::npos) return fallback;
    text.remove_prefix(firstNonSpace);
    // from_chars takes "-" but not "+".
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return fallback;
    return value;
}

}  // namespace zelvaro
