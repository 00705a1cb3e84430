#include "format/pattern_section.h"

namespace zelvaro {

QuotedText quotedText(std::string_view text, std::size_t start) {
    const std::size_t close = text.find(text[start], start + 1);
    if (close == std::string_view::npos) return {text.substr(start + 1), text.size()};
    return {text.substr(start + 1, close - start - 1), close + 1};
}

std::size_t zerosAt(std::string_view text, std::size_t i) {
    std::size_t count = 0;
    while (i + count < text.size() && text[i + count] == '0') ++count;
    return count;
}

PatternSections splitPattern(std::string_view pattern) {
    PatternSections sections;
    std::size_t section = 0;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < pattern.size() && section < sections.size()) {
        if (isQuote(pattern[i])) {
            i = quotedText(pattern, i).next;
        } else if (pattern[i] == ';') {
            sections[section++] = pattern.substr(start, i - start);
            start = ++i;
        } else {
            ++i;
        }
    }
    if (section < sections.size()) sections[section] = pattern.substr(start);
    return sections;
}

SectionLayout scanSection(std::string_view section) {
    SectionLayout layout;
    bool decimalSeen = false;
    std::size_t i = 0;
    while (i < section.size()) {
        const char c = section[i];
        if (isQuote(c)) {
            i = quotedText(section, i).next;
            continue;
        }
        if (isExponentMarker(section, i)) {
            layout.scientific = true;
            i += 2 + zerosAt(section, i + 2);
            continue;
        }
        if (c == '0') {
            if (layout.firstZero == SectionLayout::kNoZero) layout.firstZero = layout.placeholders;
            layout.afterLastZero = layout.placeholders + 1;
        }
        if (c == '0' || c == '#') ++layout.placeholders;
        if (c == '.' && !decimalSeen) {
            decimalSeen = true;
            layout.integerPlaceholders = layout.placeholders;
        }
        if (c == ',') layout.grouping = true;
        ++i;
    }
    if (!decimalSeen) layout.integerPlaceholders = layout.placeholders;
    return layout;
}

}  // namespace zelvaro
