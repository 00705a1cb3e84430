#include "format/format_pattern.h"

#include <algorithm>
#include <cstdlib>

#include "format/decimal_form.h"
#include "format/general_form.h"
#include "format/number_text.h"
#include "format/pattern_section.h"

namespace zelvaro {

namespace {

constexpr int kGeneralPrecision = 15;
constexpr int kFixedPrecision = 18;
constexpr int kMaxFixedExponent = 18;
constexpr std::size_t kMaxExponentDigits = 4;

// Walks one section, writing digits at a position that counts down past the decimal
// separator (position 0 is the first decimal place) while a shift absorbs the difference
// between the number's integer digits and the pattern's integer placeholders.
class SectionWriter {
  public:
    SectionWriter(std::string& out, const DecimalDigits& form, const SectionLayout& layout,
                  const Separators& seps)
        : out_(out),
          form_(form),
          layout_(layout),
          seps_(seps),
          position_(layout.scientific ? layout.integerPlaceholders
                                      : std::max(form.exponent, layout.integerPlaceholders)),
          shift_(layout.scientific ? 0 : form.exponent - layout.integerPlaceholders),
          optionalFrom_(std::min(layout.integerPlaceholders - layout.afterLastZero, 0)),
          requiredUpTo_(std::max(layout.integerPlaceholders - layout.firstZero, 0)) {}

    void write(std::string_view section) {
        std::size_t i = 0;
        while (i < section.size()) {
            const char c = section[i];
            if (isQuote(c)) {
                const QuotedText quoted = quotedText(section, i);
                out_ += quoted.text;
                i = quoted.next;
            } else if (isExponentMarker(section, i)) {
                const std::size_t zeros = zerosAt(section, i + 2);
                writeExponent(c, section[i + 1], std::min(zeros, kMaxExponentDigits));
                i += 2 + zeros;
            } else {
                if (c == '0' || c == '#') {
                    placeholder();
                } else if (c != '.' && c != ',') {
                    out_ += c;
                }
                ++i;
            }
        }
    }

  private:
    void placeholder() {
        if (shift_ > 0) {
            // More integer digits than places: they all come out at the first placeholder.
            for (int k = 0; k <= shift_; ++k) takeDigit();
            shift_ = 0;
        } else if (shift_ < 0) {
            ++shift_;
            if (position_ <= requiredUpTo_) {
                put('0');
            } else {
                --position_;
            }
        } else {
            takeDigit();
        }
    }

    void takeDigit() {
        if (next_ < form_.count) {
            put(form_.digits[next_++]);
        } else if (position_ > optionalFrom_) {
            put('0');
        } else {
            --position_;
        }
    }

    void put(char digit) {
        if (position_ == 0) {
            out_ += seps_.decimal;
            out_ += digit;
        } else {
            out_ += digit;
            if (layout_.grouping && position_ > 1 && position_ % 3 == 1) out_ += seps_.thousands;
        }
        --position_;
    }

    void writeExponent(char letter, char sign, std::size_t zeros) {
        out_ += letter;
        const int exponent = form_.count == 0 ? 0 : form_.exponent - layout_.integerPlaceholders;
        if (exponent < 0) {
            out_ += '-';
        } else if (sign == '+') {
            out_ += '+';
        }
        appendPaddedNumber(out_, static_cast<unsigned long long>(std::abs(exponent)),
                           static_cast<int>(zeros));
    }

    std::string& out_;
    const DecimalDigits& form_;
    const SectionLayout& layout_;
    const Separators& seps_;
    int next_ = 0;  // index of the next digit of form_
    int position_;
    int shift_;
    const int optionalFrom_;  // "#" decimals at or below this position stay empty
    const int requiredUpTo_;  // integer positions at or below this one always show a digit
};

DecimalDigits decimalFormFor(long double value, const SectionLayout& layout) {
    if (layout.scientific) return toDecimalDigits(value, layout.placeholders);
    return toDecimalDigits(value, kFixedPrecision,
                           layout.placeholders - layout.integerPlaceholders);
}

}  // namespace

std::string FormatPattern(std::string_view pattern, long double value, const Separators& seps) {
    std::string text;
    const PatternSections sections = splitPattern(pattern);
    if (sections[0].empty()) {
        appendGeneral(text, value, kGeneralPrecision, 0, seps);
        return text;
    }
    std::size_t index = value > 0 ? 0 : value < 0 ? 1 : 2;
    if (sections[index].empty()) index = 0;
    SectionLayout layout = scanSection(sections[index]);
    const DecimalDigits form = decimalFormFor(value, layout);
    if (form.kind != DecimalForm::Kind::Finite ||
        (!layout.scientific && form.exponent > kMaxFixedExponent)) {
        appendGeneral(text, value, kGeneralPrecision, 0, seps);
        return text;
    }
    if (form.count == 0) {
        // A value that rounds to zero is shown by the zero section, keeping its rounding.
        const std::size_t zeroIndex = sections[2].empty() ? 0 : 2;
        if (zeroIndex != index) {
            index = zeroIndex;
            layout = scanSection(sections[index]);
        }
    }
    if (form.negative && index == 0) text += '-';
    SectionWriter(text, form, layout, seps).write(sections[index]);
    return text;
}

}  // namespace zelvaro
