#include "format/conversion_spec.h"

#include <algorithm>

#include "format/utf8.h"

namespace zelvaro {

namespace {

constexpr int kMaxNumber = 9999;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int readNumber(std::string_view format, std::size_t& i) {
    int number = 0;
    while (i < format.size() && isDigit(format[i])) {
        number = std::min(number * 10 + (format[i] - '0'), kMaxNumber);
        ++i;
    }
    return number;
}

char conversionType(char c) {
    switch (c) {
        case 'd':
        case 'D':
            return 'd';
        case 's':
        case 'S':
            return 's';
        case 'f':
        case 'F':
            return 'f';
        case 'n':
        case 'N':
            return 'n';
        case 'g':
        case 'G':
            return 'g';
        default:
            return '\0';
    }
}

}  // namespace

ConversionSpec parseConversion(std::string_view format, std::size_t percent) {
    ConversionSpec spec;
    std::size_t i = percent + 1;
    if (i < format.size() && format[i] == '-') {
        spec.leftAligned = true;
        ++i;
    }
    spec.width = readNumber(format, i);
    if (i < format.size() && format[i] == '.') {
        ++i;
        spec.precision = readNumber(format, i);
    }
    if (i < format.size()) {
        spec.type = conversionType(format[i]);
        i += utf8CharacterSize(format.substr(i));
    }
    spec.text = format.substr(percent, i - percent);
    return spec;
}

}  // namespace zelvaro
