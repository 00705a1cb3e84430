#include "cli/csv.h"

namespace zelvaro {

namespace {

constexpr char kQuote = '"';

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// The field starting at text[pos]; pos ends on the character after it.
std::string readField(std::string_view text, std::size_t& pos) {
    std::string field;
    if (pos < text.size() && text[pos] == kQuote) {
        ++pos;
        while (pos < text.size()) {
            const char c = text[pos++];
            if (c != kQuote) {
                field += c;
            } else if (pos < text.size() && text[pos] == kQuote) {
                field += kQuote;
                ++pos;
            } else {
                break;
            }
        }
    }
    while (pos < text.size() && text[pos] != kCsvSeparator && !isLineBreak(text[pos])) {
        field += text[pos++];
    }
    return field;
}

void skipLineBreak(std::string_view text, std::size_t& pos) {
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
}

}  // namespace

std::string csvField(std::string_view text) {
    if (text.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted(1, kQuote);
    for (const char c : text) {
        if (c == kQuote) quoted += kQuote;
        quoted += c;
    }
    quoted += kQuote;
    return quoted;
}

std::vector<std::vector<std::string>> parseCsv(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    std::vector<std::vector<std::string>> records;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (isLineBreak(text[pos])) {
            skipLineBreak(text, pos);
            continue;
        }
        std::vector<std::string> record;
        record.push_back(readField(text, pos));
        while (pos < text.size() && text[pos] == kCsvSeparator) {
            ++pos;
            record.push_back(readField(text, pos));
        }
        skipLineBreak(text, pos);
        records.push_back(std::move(record));
    }
    return records;
}

}  // namespace zelvaro
