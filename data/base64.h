#pragma once

#include <string>
#include <string_view>

namespace zelvaro {

// Base64 of RFC 4648: "=" fills the last group, no line breaks.
std::string encodeBase64(std::string_view bytes);
// Lenient: every character outside the alphabet (line breaks, spaces, "=", junk) is
// skipped, and a last group of a single character gives no byte.
std::string decodeBase64(std::string_view text);

}  // namespace zelvaro
