#include "data/base64.h"

#include <array>
#include <cstdint>

namespace zelvaro {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::int8_t kNotInAlphabet = -1;

constexpr std::array<std::int8_t, 256> makeDecodeTable() {
    std::array<std::int8_t, 256> table{};
    for (auto& entry : table) entry = kNotInAlphabet;
    for (int i = 0; i < 64; ++i) table[static_cast<unsigned char>(kAlphabet[i])] = i;
    return table;
}

constexpr std::array<std::int8_t, 256> kDecode = makeDecodeTable();

}  // namespace

std::string encodeBase64(std::string_view bytes) {
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const std::uint32_t group = static_cast<unsigned char>(bytes[i]) << 16 |
                                    static_cast<unsigned char>(bytes[i + 1]) << 8 |
                                    static_cast<unsigned char>(bytes[i + 2]);
        text += kAlphabet[group >> 18];
        text += kAlphabet[(group >> 12) & 63];
        text += kAlphabet[(group >> 6) & 63];
        text += kAlphabet[group & 63];
    }
    const std::size_t rest = bytes.size() - i;
    if (rest == 0) return text;
    std::uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
    if (rest == 2) group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    text += kAlphabet[group >> 18];
    text += kAlphabet[(group >> 12) & 63];
    text += rest == 2 ? kAlphabet[(group >> 6) & 63] : '=';
    text += '=';
    return text;
}

std::string decodeBase64(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size() / 4 * 3 + 2);
    std::uint32_t group = 0;
    int count = 0;
    for (const char c : text) {
        const std::int8_t value = kDecode[static_cast<unsigned char>(c)];
        if (value == kNotInAlphabet) continue;
        group = group << 6 | static_cast<std::uint32_t>(value);
        if (++count == 4) {
            bytes += static_cast<char>(group >> 16);
            bytes += static_cast<char>(group >> 8);
            bytes += static_cast<char>(group);
            group = 0;
            count = 0;
        }
    }
    if (count >= 2) bytes += static_cast<char>(group >> (6 * count - 8));
    if (count == 3) bytes += static_cast<char>(group >> 2);
    return bytes;
}

}  // namespace zelvaro
