#include "format/general_form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zelvaro {
namespace {

TEST(FormatGeneral, FixedOrScientific) {
    struct Case {
        const char* name;
        long double value;
        int precision;
        int minExponentDigits;
        const char* text;
    } cases[] = {
        {"Zero", 0.0L, 15, 0, "0"},
        {"NegativeZero", -0.0L, 15, 0, "0"},
        {"SmallestFixed", 0.0001L, 15, 0, "0,0001"},
        {"LargestScientificBelowOne", 0.00009L, 15, 0, "9E-5"},
        {"FifteenIntegerDigits", 123456789012345.0L, 15, 0, "123456789012345"},
        {"SixteenIntegerDigits", 1234567890123456.0L, 15, 0, "1,23456789012346E15"},
        {"RoundsIntoSixteenDigits", 999999999999999.9L, 15, 0, "1E15"},
        {"IntegerPaddedWithZeros", 1500.0L, 15, 0, "1500"},
        {"IntegerAndFraction", -1234.5L, 15, 0, "-1234,5"},
        {"FractionWithZeros", 0.00056L, 15, 0, "0,00056"},
        {"Third", 1.0L / 3, 15, 0, "0,333333333333333"},
        {"EighteenDigits", 1.0L / 3, 18, 0, "0,333333333333333333"},
        {"PrecisionTwo", 1234.0L, 2, 0, "1,2E3"},
        {"PrecisionBelowTwoCountsAsTwo", 0.125L, 0, 0, "0,13"},
        {"PrecisionAboveEighteenCountsAsEighteen", 1.0L / 3, 40, 0, "0,333333333333333333"},
        {"MinimumExponentDigits", 0.00005L, 15, 3, "5E-005"},
        {"ExponentNeverPlus", 1.5e20L, 15, 3, "1,5E020"},
        {"FourExponentDigits", 1e-300L, 15, 4, "1E-0300"},
        {"MoreThanFourCountsAsNone", 1e-300L, 15, 5, "1E-300"},
        {"ExponentWiderThanMinimum", 1e4000L, 15, 2, "1E4000"},
        {"Infinity", std::numeric_limits<long double>::infinity(), 15, 0, "INF"},
        {"NegativeInfinity", -std::numeric_limits<long double>::infinity(), 15, 0, "-INF"},
        {"NotANumber", -std::nanl(""), 15, 0, "NAN"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatGeneral(c.value, c.precision, c.minExponentDigits, Separators::brazilian()),
                  c.text)
            << c.name;
    }
}

TEST(FormatGeneral, WritesTheDecimalSeparatorOnly) {
    EXPECT_EQ(FormatGeneral(1234567.25L, 15, 0, Separators::english()), "1234567.25");
    EXPECT_EQ(FormatGeneral(1234567.25L, 15, 0, Separators{"\xD9\xAB", "\xC2\xA0"}),
              "1234567\xD9\xAB"
              "25");
}

}  // namespace
}  // namespace zelvaro
