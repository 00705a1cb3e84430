#include "format/parse_number.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace zelvaro {

namespace {

constexpr long kExponentLimit = 500;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text read so far, reduced to digits and a power of ten.
struct DecimalText {
    bool negative = false;
    std::string digits;  // without leading zeros
    long long exponent = 0;
};

class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool atEnd() const { return i_ == text_.size(); }
    bool take(char c) {
        if (atEnd() || text_[i_] != c) return false;
        ++i_;
        return true;
    }
    bool take(std::string_view word) {
        if (word.empty() || text_.substr(i_, word.size()) != word) return false;
        i_ += word.size();
        return true;
    }
    bool peekDigit() const { return !atEnd() && isDigit(text_[i_]); }
    int takeDigit() { return text_[i_++] - '0'; }
    void skipSpaces() {
        while (take(' ')) {
        }
    }

  private:
    std::string_view text_;
    std::size_t i_ = 0;
};

// Leading zeros are left out: they change nothing and would only lengthen the text.
void addDigit(DecimalText& number, int digit) {
    if (digit != 0 || !number.digits.empty()) number.digits += static_cast<char>('0' + digit);
}

// Digits, then optionally the decimal separator and more digits; false when neither is there.
bool readMantissa(Reader& reader, const Separators& seps, DecimalText& number) {
    bool taken = false;
    while (reader.peekDigit()) {
        addDigit(number, reader.takeDigit());
        taken = true;
    }
    if (!reader.take(std::string_view(seps.decimal))) return taken;
    while (reader.peekDigit()) {
        addDigit(number, reader.takeDigit());
        --number.exponent;
    }
    return true;
}

// "E" or "e", a sign and digits; no digits read as 0, and reading stops at 500.
void readExponent(Reader& reader, DecimalText& number) {
    if (!reader.take('E') && !reader.take('e')) return;
    const bool negative = reader.take('-');
    if (!negative) reader.take('+');
    long exponent = 0;
    while (exponent < kExponentLimit && reader.peekDigit()) {
        exponent = exponent * 10 + reader.takeDigit();
    }
    number.exponent += negative ? -exponent : exponent;
}

// Correctly rounded through strtold; the text has no decimal point, so the C library's
// locale does not matter.
std::optional<long double> toValue(const DecimalText& number) {
    if (number.digits.empty()) return number.negative ? -0.0L : 0.0L;
    const std::string text =
        (number.negative ? "-" : "") + number.digits + "e" + std::to_string(number.exponent);
    const long double value = std::strtold(text.c_str(), nullptr);
    if (std::isinf(value)) return std::nullopt;
    return value;
}

}  // namespace

std::optional<long double> ParseNumber(std::string_view text, const Separators& seps) {
    Reader reader(text);
    DecimalText number;
    reader.skipSpaces();
    number.negative = reader.take('-');
    if (!number.negative) reader.take('+');
    if (!readMantissa(reader, seps, number)) return std::nullopt;
    readExponent(reader, number);
    reader.skipSpaces();
    if (!reader.atEnd()) return std::nullopt;
    return toValue(number);
}

}  // namespace zelvaro
