#include "format/number_text.h"

namespace zelvaro {

bool appendSpecialValue(std::string& out, const DecimalDigits& form) {
    switch (form.kind) {
        case DecimalForm::Kind::Finite:
            return false;
        case DecimalForm::Kind::Infinity:
            out += form.negative ? "-INF" : "INF";
            return true;
        case DecimalForm::Kind::NotANumber:
            out += "NAN";
            return true;
    }
    return false;
}

void appendPaddedNumber(std::string& out, unsigned long long n, int minDigits) {
    char digits[20];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    if (minDigits > count) out.append(static_cast<std::size_t>(minDigits - count), '0');
    while (count > 0) out += digits[--count];
}

}  // namespace zelvaro
