#pragma once

#include <cstddef>
#include <string_view>

namespace zelvaro {

// Character counts of UTF-8 text: a character is a lead byte with its continuation bytes, so
// cutting by these counts never splits a multi-byte character.

// Number of characters in text.
std::size_t utf8Length(std::string_view text);

// The first `count` characters of text (all of it when it is shorter).
std::string_view utf8Prefix(std::string_view text, std::size_t count);

// Bytes taken by the character starting at text[0] (1 for a stray continuation byte).
std::size_t utf8CharacterSize(std::string_view text);

}  // namespace zelvaro
