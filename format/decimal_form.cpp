#include "format/decimal_form.h"

#include <algorithm>
#include <cmath>

#include "format/exact_digits.h"

namespace zelvaro {

namespace {

constexpr int kSignificantDigits = 18;

// The nine digits of a part below 10^9, zero-padded, into digits[0..8].
void writeNineDigits(std::uint32_t part, char* digits) {
    for (int i = 8; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + part % 10);
        part /= 10;
    }
}

// Two halves in 32-bit arithmetic, which is much cheaper than dividing the 64-bit value.
void writeDigits(std::uint64_t significand, char (&digits)[kSignificantDigits]) {
    constexpr std::uint64_t kTenPow9 = 1'000'000'000;
    writeNineDigits(static_cast<std::uint32_t>(significand / kTenPow9), digits);
    writeNineDigits(static_cast<std::uint32_t>(significand % kTenPow9), digits + 9);
}

void dropTrailingZeros(DecimalDigits& form) {
    while (form.count > 0 && form.digits[form.count - 1] == '0') --form.count;
    if (form.count == 0) form.negative = false;
}

// Keeps the first `cut` digits, rounding half away from zero on the digit string.
void roundAt(DecimalDigits& form, int cut) {
    if (form.digits[cut] < '5') {
        form.count = cut;
        return;
    }
    int i = cut - 1;
    while (i >= 0 && form.digits[i] == '9') --i;
    if (i < 0) {
        form.digits[0] = '1';
        form.count = 1;
        ++form.exponent;
        return;
    }
    ++form.digits[i];
    form.count = i + 1;
}

}  // namespace

DecimalDigits toDecimalDigits(long double value, int precision, int decimals) {
    DecimalDigits form;
    if (std::isnan(value)) {
        form.kind = DecimalForm::Kind::NotANumber;
        return form;
    }
    form.negative = std::signbit(value);
    if (std::isinf(value)) {
        form.kind = DecimalForm::Kind::Infinity;
        return form;
    }
    if (value == 0) {
        form.negative = false;
        return form;
    }
    const Digits18 exact = digits18(std::fabs(value));
    writeDigits(exact.significand, form.digits);
    form.count = kSignificantDigits;
    form.exponent = exact.exponent;
    const long long decimalCut = static_cast<long long>(form.exponent) + decimals;
    if (decimalCut < 0) return DecimalDigits{};
    const long long cut = std::min<long long>(decimalCut, std::max(precision, 0));
    if (cut < kSignificantDigits) roundAt(form, static_cast<int>(cut));
    dropTrailingZeros(form);
    return form;
}

DecimalForm ToDecimalForm(long double value, int precision, int decimals) {
    const DecimalDigits form = toDecimalDigits(value, precision, decimals);
    return {form.kind, form.negative, std::string(form.view()), form.exponent};
}

}  // namespace zelvaro
