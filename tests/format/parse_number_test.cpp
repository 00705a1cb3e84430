#include "format/parse_number.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace zelvaro {
namespace {

const Separators kBrazilian = Separators::brazilian();

TEST(ParseNumber, Accepts) {
    struct Case {
        const char* name;
        const char* text;
        long double value;
    } cases[] = {
        {"SpacesAround", " 12,5 ", 12.5L},
        {"LoneDecimalSeparator", ",", 0.0L},
        {"LowerCaseExponent", "1e3", 1000.0L},
        {"ExponentWithoutDigits", "1E", 1.0L},
        {"ExponentSignWithoutDigits", "1E+", 1.0L},
        {"PlusSign", "+5", 5.0L},
        {"NegativeWithExponent", "-2,5e-3", -0.0025L},
        {"LeadingSeparator", ",5", 0.5L},
        {"TrailingSeparator", "5,", 5.0L},
        {"LeadingZeros", "000,0012", 0.0012L},
        {"ExactlyRounded", "0,1", 0.1L},
        {"EighteenDigits", "1234567890,12345678", 1234567890.12345678L},
        {"ExponentZerosSkipped", "1E0000000005", 1e5L},
        {"ExponentStopsAfter500", "1E600", 1e600L},
        {"NegativeExponentStopsAfter500", "1e-600", 1e-600L},
        {"FourDigitExponent", "1E4932", 1e4932L},
        {"Subnormal", "1E-4940", 1e-4940L},
        {"UnderflowReadsAsZero", "1E-4999", 0.0L},
        {"SmallestSubnormal", "3,64519953188247460253e-4951", LDBL_TRUE_MIN},
    };
    for (const Case& c : cases) {
        const std::optional<long double> value = ParseNumber(c.text, kBrazilian);
        ASSERT_TRUE(value.has_value()) << c.name;
        EXPECT_EQ(*value, c.value) << c.name;
    }
}

TEST(ParseNumber, Rejects) {
    struct Case {
        const char* name;
        const char* text;
    } cases[] = {
        {"ThousandsSeparator", "1.234,5"},
        {"ThousandsSeparatorOnly", "1.234"},
        {"SecondDecimalSeparator", "1,2,3"},
        {"Letters", "12a"},
        {"LetterFirst", "a12"},
        {"Empty", ""},
        {"OnlySpaces", "   "},
        {"LoneMinus", "-"},
        {"LonePlus", "+"},
        {"TwoSigns", "--1"},
        {"ExponentOnly", "E5"},
        {"Overflow", "1E4933"},
        {"ExponentDigitsLeftUnread", "1E5000"},
        {"NegativeExponentDigitsLeftUnread", "1E-5000"},
        {"SpaceInside", "1 2"},
        {"Tab", "\t1"},
        {"TrailingGarbage", "1e5x"},
        {"PointUnderBrazilianSeparators", "12.5"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(ParseNumber(c.text, kBrazilian).has_value()) << c.name;
    }
}

TEST(ParseNumber, UsesTheGivenSeparators) {
    const Separators english = Separators::english();
    EXPECT_EQ(ParseNumber("12.5", english), 12.5L);
    EXPECT_FALSE(ParseNumber("1,234.5", english).has_value());
    EXPECT_FALSE(ParseNumber("12,5", english).has_value());
}

// U+066B (two bytes) as decimal separator and U+00A0 as thousands separator.
TEST(ParseNumber, MultiByteSeparators) {
    const Separators seps{"\xD9\xAB", "\xC2\xA0"};
    EXPECT_EQ(ParseNumber("1234\xD9\xAB"
                          "5",
                          seps),
              1234.5L);
    EXPECT_EQ(ParseNumber("\xD9\xAB", seps), 0.0L);
    EXPECT_FALSE(ParseNumber("1\xC2\xA0"
                             "234",
                             seps)
                     .has_value());
    EXPECT_FALSE(ParseNumber("12\xD9", seps).has_value()) << "half a separator";
    EXPECT_FALSE(ParseNumber("12,5", seps).has_value());
}

}  // namespace
}  // namespace zelvaro
