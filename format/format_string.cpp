#include "format/format_string.h"

#include "format/conversion_spec.h"
#include "format/conversions.h"
#include "format/utf8.h"

namespace zelvaro {

namespace {

constexpr std::size_t kMaxQuotedCharacters = 31;

std::string quoted(std::string_view conversion) {
    return "'" + std::string(utf8Prefix(conversion, kMaxQuotedCharacters)) + "'";
}

FormatError invalidFormat(std::string_view conversion) {
    return FormatError("Format " + quoted(conversion) + " invalid or incompatible with argument");
}

FormatError missingArgument(std::string_view conversion) {
    return FormatError("No argument for format " + quoted(conversion));
}

template <typename T>
const T& argumentOf(const ConversionSpec& spec, const FormatArg& arg) {
    const T* value = std::get_if<T>(&arg);
    if (value == nullptr) throw invalidFormat(spec.text);
    return *value;
}

void appendConverted(std::string& out, const ConversionSpec& spec, const FormatArg& arg,
                     const Separators& seps) {
    switch (spec.type) {
        case 'd':
            appendWholeNumber(out, argumentOf<long long>(spec, arg), spec.precision);
            break;
        case 's':
            appendText(out, argumentOf<std::string_view>(spec, arg), spec.precision);
            break;
        case 'f':
        case 'n':
            appendFixedDecimals(out, argumentOf<long double>(spec, arg), spec.precision,
                                spec.type == 'n', seps);
            break;
        default:
            appendGeneralNumber(out, argumentOf<long double>(spec, arg), spec.precision, seps);
            break;
    }
}

// Spaces up to the width, in characters, before the text or after it for "-".
void pad(std::string& out, std::size_t start, const ConversionSpec& spec) {
    if (spec.width == 0) return;
    const std::size_t length = utf8Length(std::string_view(out).substr(start));
    const auto width = static_cast<std::size_t>(spec.width);
    if (length >= width) return;
    if (spec.leftAligned) {
        out.append(width - length, ' ');
    } else {
        out.insert(start, width - length, ' ');
    }
}

}  // namespace

std::string FormatString(std::string_view format, const FormatArg* args, std::size_t count,
                         const Separators& seps) {
    std::string text;
    std::size_t next = 0;
    std::size_t i = 0;
    while (i < format.size()) {
        const std::size_t percent = format.find('%', i);
        text += format.substr(i, percent - i);
        if (percent == std::string_view::npos) break;
        if (percent + 1 < format.size() && format[percent + 1] == '%') {
            text += '%';
            i = percent + 2;
            continue;
        }
        const ConversionSpec spec = parseConversion(format, percent);
        if (spec.type == '\0') throw invalidFormat(spec.text);
        if (next == count) throw missingArgument(spec.text);
        const std::size_t start = text.size();
        appendConverted(text, spec, args[next++], seps);
        pad(text, start, spec);
        i = percent + spec.text.size();
    }
    return text;
}

std::string FormatString(std::string_view format, std::initializer_list<FormatArg> args,
                         const Separators& seps) {
    return FormatString(format, args.begin(), args.size(), seps);
}

}  // namespace zelvaro
