#include "format/general_form.h"

#include <algorithm>

#include "format/decimal_form.h"
#include "format/number_text.h"

namespace zelvaro {

namespace {

constexpr int kMinPrecision = 2;
constexpr int kMaxPrecision = 18;
constexpr int kMaxExponentDigits = 4;

// Plain digits: at least 0.0001 and at most `precision` integer digits.
void appendFixed(std::string& out, const DecimalDigits& form, const Separators& seps) {
    const std::string_view digits = form.view();
    if (form.exponent <= 0) {
        out += '0';
        if (digits.empty()) return;
        out += seps.decimal;
        out.append(static_cast<std::size_t>(-form.exponent), '0');
        out += digits;
        return;
    }
    const auto integerDigits = static_cast<std::size_t>(form.exponent);
    out += digits.substr(0, integerDigits);
    if (digits.size() < integerDigits) {
        out.append(integerDigits - digits.size(), '0');
        return;
    }
    if (digits.size() > integerDigits) {
        out += seps.decimal;
        out += digits.substr(integerDigits);
    }
}

// One digit before the separator, then "E", a "-" for a negative exponent and never a "+".
void appendScientific(std::string& out, const DecimalDigits& form, int minExponentDigits,
                      const Separators& seps) {
    const std::string_view digits = form.view();
    out += digits[0];
    if (digits.size() > 1) {
        out += seps.decimal;
        out += digits.substr(1);
    }
    out += 'E';
    const int exponent = form.exponent - 1;
    if (exponent < 0) out += '-';
    appendPaddedNumber(out, static_cast<unsigned long long>(exponent < 0 ? -exponent : exponent),
                       minExponentDigits);
}

}  // namespace

void appendGeneral(std::string& out, long double value, int precision, int minExponentDigits,
                   const Separators& seps) {
    precision = std::clamp(precision, kMinPrecision, kMaxPrecision);
    if (minExponentDigits < 0 || minExponentDigits > kMaxExponentDigits) minExponentDigits = 0;
    const DecimalDigits form = toDecimalDigits(value, precision);
    if (appendSpecialValue(out, form)) return;
    if (form.negative) out += '-';
    if (form.count == 0 || (form.exponent >= -3 && form.exponent <= precision)) {
        appendFixed(out, form, seps);
    } else {
        appendScientific(out, form, minExponentDigits, seps);
    }
}

std::string FormatGeneral(long double value, int precision, int minExponentDigits,
                          const Separators& seps) {
    std::string text;
    appendGeneral(text, value, precision, minExponentDigits, seps);
    return text;
}

}  // namespace zelvaro
