#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace zelvaro {

// The pieces of a display pattern: its sections and what a section holds.

// Text between two single quotes or two double quotes. An unclosed quote runs to the end of
// the text, so it also swallows the ";" of later sections.
struct QuotedText {
    std::string_view text;  // without the quotes
    std::size_t next;       // index just after the closing quote
};

// The quoted text starting with the quote at text[start].
QuotedText quotedText(std::string_view text, std::size_t start);

inline bool isQuote(char c) {
    return c == '\'' || c == '"';
}

// An "E+", "E-", "e+" or "e-" at text[i]: scientific notation.
inline bool isExponentMarker(std::string_view text, std::size_t i) {
    return (text[i] == 'E' || text[i] == 'e') && i + 1 < text.size() &&
           (text[i + 1] == '+' || text[i + 1] == '-');
}

// The number of "0" characters at text[i] and after (the exponent digits of a marker).
std::size_t zerosAt(std::string_view text, std::size_t i);

// The sections for positive, negative and zero values; an absent section is empty, and
// text after a third ";" is ignored.
using PatternSections = std::array<std::string_view, 3>;

PatternSections splitPattern(std::string_view pattern);

// What the formatter needs to know about a section before it walks it. Quoted text and the
// "0" characters of an exponent are not placeholders.
struct SectionLayout {
    static constexpr int kNoZero = 1 << 20;

    int placeholders = 0;         // "0" and "#" characters
    int integerPlaceholders = 0;  // placeholders before the first "."
    int firstZero = kNoZero;      // index of the first "0" placeholder
    int afterLastZero = 0;        // index just after the last "0" placeholder
    bool grouping = false;        // a "," occurs
    bool scientific = false;      // an exponent marker occurs
};

SectionLayout scanSection(std::string_view section);

}  // namespace zelvaro
