#include "data/xml_attribute.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace zelvaro {

namespace {

std::string_view escapeOf(char c) {
    switch (c) {
        case '<':
            return "&lt;";
        case '>':
            return "&gt;";
        case '&':
            return "&amp;";
        case '\'':
            return "&apos;";
        case '"':
            return "&quot;";
        case '\r':
            return "&#013;";
        case '\n':
            return "&#010;";
        case '\t':
            return "&#009;";
        case '\\':
            return "&#092;";
        default:
            return {};
    }
}

constexpr std::array<bool, 256> makeEscapedTable() {
    std::array<bool, 256> table{};
    for (const char c : {'<', '>', '&', '\'', '"', '\r', '\n', '\t', '\\'})
        table[static_cast<unsigned char>(c)] = true;
    return table;
}

constexpr std::array<bool, 256> kEscaped = makeEscapedTable();

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The character of "#65" or "#x41", false when it names none.
bool characterReference(std::string_view name, std::uint32_t& code) {
    const bool hex = name.size() > 1 && name[1] == 'x';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty()) return false;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
    if (error != std::errc() || end != digits.data() + digits.size()) return false;
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code != 0 && code <= 0x10FFFF && !surrogate;
}

bool appendReference(std::string& out, std::string_view name) {
    if (name == "lt")
        out += '<';
    else if (name == "gt")
        out += '>';
    else if (name == "amp")
        out += '&';
    else if (name == "apos")
        out += '\'';
    else if (name == "quot")
        out += '"';
    else {
        std::uint32_t code = 0;
        if (name.empty() || name[0] != '#' || !characterReference(name, code)) return false;
        appendUtf8(out, code);
    }
    return true;
}

}  // namespace

void appendEscapedAttribute(std::string& out, std::string_view value) {
    std::size_t plain = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (!kEscaped[static_cast<unsigned char>(value[i])]) continue;
        out.append(value, plain, i - plain);
        out += escapeOf(value[i]);
        plain = i + 1;
    }
    out.append(value, plain, std::string_view::npos);
}

bool unescapeAttribute(std::string_view raw, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '&') {
            const std::size_t semicolon = raw.find(';', i);
            if (semicolon == std::string_view::npos) return false;
            if (!appendReference(out, raw.substr(i + 1, semicolon - i - 1))) return false;
            i = semicolon;
        } else if (c == '\r' || c == '\n' || c == '\t') {
            if (c == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') ++i;
            out += ' ';
        } else {
            out += c;
        }
    }
    return true;
}

}  // namespace zelvaro
