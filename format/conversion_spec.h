#pragma once

#include <cstddef>
#include <string_view>

namespace zelvaro {

// One conversion of a format string: "%" ["-"] [width] ["." precision] type.
struct ConversionSpec {
    static constexpr int kNone = -1;

    bool leftAligned = false;  // "-": pad on the right instead of the left
    int width = 0;             // minimum characters, padded with spaces
    int precision = kNone;
    char type = '\0';       // "d", "s", "f", "n" or "g", also written in capitals; '\0' otherwise
    std::string_view text;  // from the "%" through the type character, for error messages
};

// The conversion whose "%" is format[percent]. Widths and precisions above 9999 count as 9999.
ConversionSpec parseConversion(std::string_view format, std::size_t percent);

}  // namespace zelvaro
