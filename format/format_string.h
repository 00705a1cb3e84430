#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

#include "format/separators.h"

namespace zelvaro {

// One argument of FormatString: a whole number (for d), a number (for f, n, g) or a text
// (for s, UTF-8).
using FormatArg = std::variant<long long, long double, std::string_view>;

// "Format '%s' invalid or incompatible with argument" and "No argument for format '%s'".
class FormatError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Literal text with conversions "%[-][width][.precision]type", types d, s, f, n, g, and "%%".
std::string FormatString(std::string_view format, std::initializer_list<FormatArg> args,
                         const Separators& seps);
std::string FormatString(std::string_view format, const FormatArg* args, std::size_t count,
                         const Separators& seps);

}  // namespace zelvaro
