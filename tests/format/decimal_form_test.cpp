#include "format/decimal_form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zelvaro {
namespace {

TEST(DecimalForm, RoundsTheEighteenDigitString) {
    struct Case {
        const char* name;
        long double value;
        int precision;
        int decimals;
        const char* digits;
        int exponent;
        bool negative;
    } cases[] = {
        {"Plain", 1234.5L, 18, kNoDecimalLimit, "12345", 4, false},
        {"Fraction", 0.00056L, 18, kNoDecimalLimit, "56", -3, false},
        {"Negative", -2.5L, 18, kNoDecimalLimit, "25", 1, true},
        {"Zero", 0.0L, 18, 2, "", 0, false},
        {"NegativeZero", -0.0L, 18, 2, "", 0, false},
        {"PrecisionCut", 123456.0L, 3, kNoDecimalLimit, "123", 6, false},
        {"PrecisionRoundsUp", 123556.0L, 3, kNoDecimalLimit, "124", 6, false},
        {"DecimalCut", 1.23456L, 18, 2, "123", 1, false},
        {"HalfAwayFromZero", 0.125L, 18, 2, "13", 0, false},
        {"NegativeHalfAwayFromZero", -0.125L, 18, 2, "13", 0, true},
        {"CarryPastFirstDigit", 9.9999996L, 18, 6, "1", 2, false},
        {"CarryAtPositionZero", 0.0006L, 18, 3, "1", -2, false},
        {"CutAtFirstDigitKeepsExponent", 0.001L, 18, 2, "", -2, false},
        {"NegativeCutToZeroLosesSign", -0.004L, 18, 2, "", -2, false},
        {"BeforeTheFirstDigitIsZero", 0.0001L, 18, 2, "", 0, false},
        {"NegativeBeforeTheFirstDigit", -0.0001L, 18, 2, "", 0, false},
        {"NineteenDigitsRoundUp", 1234567890123456789.0L, 18, kNoDecimalLimit, "123456789012345679",
         19, false},
        {"NineteenthDigitTieToEven", 1234567890123456785.0L, 18, kNoDecimalLimit,
         "123456789012345678", 19, false},
        {"TrailingZerosDropped", 1500.0L, 18, 0, "15", 4, false},
    };
    for (const Case& c : cases) {
        const DecimalForm form = ToDecimalForm(c.value, c.precision, c.decimals);
        EXPECT_EQ(form.kind, DecimalForm::Kind::Finite) << c.name;
        EXPECT_EQ(form.digits, c.digits) << c.name;
        EXPECT_EQ(form.exponent, c.exponent) << c.name;
        EXPECT_EQ(form.negative, c.negative) << c.name;
    }
}

// The 18-digit string decides, not the binary value: just below 0.025 by a few units of the
// last place, the string is 0.0250000000000000000 and rounds up.
TEST(DecimalForm, RoundingFollowsTheStringNotTheBinaryValue) {
    const long double justBelow = std::nextafter(std::nextafter(0.025L, 0.0L), 0.0L);
    ASSERT_LT(justBelow, 0.025L);
    const DecimalForm form = ToDecimalForm(justBelow, 18, 2);
    EXPECT_EQ(form.digits, "3");
    EXPECT_EQ(form.exponent, -1);
}

TEST(DecimalForm, MarksInfinityAndNotANumber) {
    const long double infinity = std::numeric_limits<long double>::infinity();
    EXPECT_EQ(ToDecimalForm(infinity, 18).kind, DecimalForm::Kind::Infinity);
    EXPECT_FALSE(ToDecimalForm(infinity, 18).negative);
    EXPECT_TRUE(ToDecimalForm(-infinity, 18).negative);
    EXPECT_EQ(ToDecimalForm(std::nanl(""), 18).kind, DecimalForm::Kind::NotANumber);
}

}  // namespace
}  // namespace zelvaro
