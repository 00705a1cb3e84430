#include "data/radius_list.h"

#include "format/general_form.h"

namespace zelvaro {

namespace {

constexpr char kQuote = '"';
constexpr char kDelimiter = ';';

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

void skipBlanks(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && isBlank(text[pos])) ++pos;
}

// The quoted item starting at text[pos]; pos ends after its closing quote, or at the end
// of the text when the quote is never closed.
std::string readQuotedItem(std::string_view text, std::size_t& pos) {
    std::string item;
    ++pos;
    while (pos < text.size()) {
        const char c = text[pos++];
        if (c != kQuote) {
            item += c;
        } else if (pos < text.size() && text[pos] == kQuote) {
            item += kQuote;
            ++pos;
        } else {
            break;
        }
    }
    return item;
}

std::string readPlainItem(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < text.size() && !isBlank(text[pos]) && text[pos] != kDelimiter) ++pos;
    return std::string(text.substr(start, pos - start));
}

}  // namespace

std::string joinRadiusList(const std::vector<double>& radii, const Separators& seps) {
    std::string list;
    for (std::size_t i = 0; i < radii.size(); ++i) {
        if (i > 0) list += kDelimiter;
        list += kQuote;
        list += FormatGeneral(radii[i], 15, 0, seps);
        list += kQuote;
    }
    return list;
}

std::vector<std::string> splitRadiusList(std::string_view text, std::size_t maxItems) {
    std::vector<std::string> items;
    std::size_t pos = 0;
    skipBlanks(text, pos);
    while (pos < text.size() && items.size() < maxItems) {
        if (text[pos] == kQuote) {
            items.push_back(readQuotedItem(text, pos));
        } else {
            items.push_back(readPlainItem(text, pos));
        }
        skipBlanks(text, pos);
        if (pos < text.size() && text[pos] == kDelimiter) {
            ++pos;
            if (pos == text.size() && items.size() < maxItems) items.emplace_back();
            skipBlanks(text, pos);
        }
    }
    return items;
}

}  // namespace zelvaro
