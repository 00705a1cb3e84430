#include "format/conversions.h"

#include <algorithm>

#include "format/conversion_spec.h"
#include "format/decimal_form.h"
#include "format/general_form.h"
#include "format/number_text.h"
#include "format/utf8.h"

namespace zelvaro {

namespace {

constexpr int kMaxWholeNumberDigits = 16;
constexpr int kDefaultDecimals = 2;
constexpr int kMaxDecimals = 18;
// f and n round to 18 significant digits and write values from 10^18 on in general form
// with as many.
constexpr int kFixedPrecision = 18;
constexpr int kMaxFixedExponent = 18;
constexpr int kDefaultGeneralPrecision = 15;
constexpr int kMinGeneralPrecision = 2;
constexpr int kMaxGeneralPrecision = 18;
constexpr int kGeneralExponentDigits = 3;

char digitAt(const DecimalDigits& form, int index) {
    return index >= 0 && index < form.count ? form.digits[index] : '0';
}

}  // namespace

void appendWholeNumber(std::string& out, long long value, int precision) {
    if (value < 0) out += '-';
    // Negated as unsigned, so the smallest long long keeps its magnitude.
    const unsigned long long magnitude =
        value < 0 ? 0ULL - static_cast<unsigned long long>(value) : value;
    appendPaddedNumber(out, magnitude, precision > kMaxWholeNumberDigits ? 0 : precision);
}

void appendText(std::string& out, std::string_view text, int precision) {
    out += precision == ConversionSpec::kNone
               ? text
               : utf8Prefix(text, static_cast<std::size_t>(precision));
}

void appendFixedDecimals(std::string& out, long double value, int precision, bool grouped,
                         const Separators& seps) {
    const int decimals = precision == ConversionSpec::kNone || precision > kMaxDecimals
                             ? kDefaultDecimals
                             : precision;
    const DecimalDigits form = toDecimalDigits(value, kFixedPrecision, decimals);
    if (appendSpecialValue(out, form)) return;
    if (form.exponent > kMaxFixedExponent) {
        appendGeneral(out, value, kFixedPrecision, decimals, seps);
        return;
    }
    if (form.negative) out += '-';
    const int integerDigits = form.count == 0 ? 0 : form.exponent;
    if (integerDigits <= 0) out += '0';
    for (int i = 0; i < integerDigits; ++i) {
        out += digitAt(form, i);
        const int remaining = integerDigits - 1 - i;
        if (grouped && remaining > 0 && remaining % 3 == 0) out += seps.thousands;
    }
    if (decimals == 0) return;
    out += seps.decimal;
    for (int i = 0; i < decimals; ++i) out += digitAt(form, integerDigits + i);
}

void appendGeneralNumber(std::string& out, long double value, int precision,
                         const Separators& seps) {
    if (precision == ConversionSpec::kNone || precision > kMaxGeneralPrecision) {
        precision = kDefaultGeneralPrecision;
    }
    appendGeneral(out, value, std::max(precision, kMinGeneralPrecision), kGeneralExponentDigits,
                  seps);
}

}  // namespace zelvaro
