#include "format/utf8.h"

namespace zelvaro {

namespace {

bool isContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

std::size_t utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (char byte : text) {
        if (!isContinuation(byte)) ++count;
    }
    return count;
}

std::string_view utf8Prefix(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    while (end < text.size() && count > 0) {
        end += utf8CharacterSize(text.substr(end));
        --count;
    }
    return text.substr(0, end);
}

std::size_t utf8CharacterSize(std::string_view text) {
    std::size_t size = text.empty() ? 0 : 1;
    while (size < text.size() && isContinuation(text[size])) ++size;
    return size;
}

}  // namespace zelvaro
