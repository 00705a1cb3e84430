// The fast 18-digit conversion against the C library's "%.17Le", which is exact: the two
// must agree on every value, and the fast path may decline only at rounding boundaries.

#include "format/exact_digits.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace zelvaro {
namespace {

std::string printfText(long double value, int decimals = 17) {
    char text[80];
    std::snprintf(text, sizeof text, "%.*Le", decimals, value);
    return text;
}

// Our digits in the layout of "%.17Le": "d.ddddddddddddddddde+XX".
std::string digitsText(const Digits18& digits) {
    const std::string significand = std::to_string(digits.significand);
    const int exponent = digits.exponent - 1;
    char tail[16];
    std::snprintf(tail, sizeof tail, "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return significand.substr(0, 1) + "." + significand.substr(1) + tail;
}

// Whether the digits after the 18th lie within 10^-12 of a half unit of the 18th digit.
bool nearRoundingBoundary(long double value) {
    std::string digits;
    for (char c : printfText(value, 39)) {
        if (c == 'e') break;
        if (c >= '0' && c <= '9') digits += c;
    }
    const std::string tail = digits.substr(18, 12);
    return tail == "500000000000" || tail == "499999999999";
}

// Fails on any value whose digits differ from printf's, or that the fast path declines
// away from a rounding boundary.
void check(long double value) {
    if (!(value > 0)) return;
    const std::string expected = printfText(value);
    const std::optional<Digits18> fast = fastDigits18(value);
    if (fast) {
        ASSERT_EQ(digitsText(*fast), expected) << "fast path";
    } else {
        ASSERT_TRUE(nearRoundingBoundary(value)) << "declined " << expected;
        ASSERT_EQ(digitsText(digits18(value)), expected) << "slow path";
    }
}

// A random 64-bit mantissa with its top bit set, scaled to [2^exponent, 2^(exponent + 1))
// (rounded to a subnormal below -16382).
long double randomValue(std::mt19937_64& random, int minExponent, int maxExponent) {
    const std::uint64_t mantissa = random() | (std::uint64_t{1} << 63);
    std::uniform_int_distribution<int> exponent(minExponent, maxExponent);
    return std::ldexp(static_cast<long double>(mantissa), exponent(random) - 63);
}

struct ExponentBand {
    const char* name;
    int minExponent;  // binary exponents of the values
    int maxExponent;
    int count;
};

void PrintTo(const ExponentBand& band, std::ostream* os) {
    *os << band.name;
}

class ExactDigitsBand : public testing::TestWithParam<ExponentBand> {};

TEST_P(ExactDigitsBand, AgreesWithPrintf) {
    const ExponentBand& band = GetParam();
    std::mt19937_64 random(static_cast<std::uint64_t>(band.minExponent) * 7919 + 1);
    for (int i = 0; i < band.count; ++i) {
        check(randomValue(random, band.minExponent, band.maxExponent));
        if (HasFatalFailure()) return;
    }
}

// Whole-range bands hold fewer values: printf needs microseconds for huge exponents.
INSTANTIATE_TEST_SUITE_P(WholeRange, ExactDigitsBand,
                         testing::Values(ExponentBand{"Subnormal", -16445, -16383, 50'000},
                                         ExponentBand{"Tiny", -16382, -12000, 100'000},
                                         ExponentBand{"VerySmall", -12000, -6000, 150'000},
                                         ExponentBand{"Small", -6000, -1000, 200'000},
                                         ExponentBand{"Moderate", -1000, 1000, 500'000},
                                         ExponentBand{"Everyday", -30, 30, 1'000'000},
                                         ExponentBand{"Large", 1000, 6000, 200'000},
                                         ExponentBand{"VeryLarge", 6000, 12000, 150'000},
                                         ExponentBand{"Huge", 12000, 16383, 100'000}),
                         [](const testing::TestParamInfo<ExponentBand>& info) {
                             return info.param.name;
                         });

TEST(ExactDigits, WidenedDoublesAgreeWithPrintf) {
    std::mt19937_64 random(2024);
    for (int i = 0; i < 500'000; ++i) {
        double value = 0;
        const std::uint64_t bits = random() & ~(std::uint64_t{1} << 63);
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value) || value == 0) continue;
        check(value);
        if (HasFatalFailure()) return;
    }
}

// Nearest long double to 10^k, read by the C library.
long double powerOfTenValue(int k) {
    return std::strtold(("1e" + std::to_string(k)).c_str(), nullptr);
}

TEST(ExactDigits, PowersOfTenAndTheirNeighbours) {
    for (int k = -4950; k <= 4932; ++k) {
        long double below = powerOfTenValue(k);
        long double above = below;
        check(below);
        for (int step = 0; step < 3; ++step) {
            below = std::nextafter(below, 0.0L);
            above = std::nextafter(above, LDBL_MAX);
            check(below);
            if (std::isfinite(above)) check(above);
        }
        if (HasFatalFailure()) return;
    }
}

TEST(ExactDigits, TiesAtTheNineteenthDigitGoToEven) {
    struct Case {
        const char* name;
        long double value;
        const char* digits;
    } cases[] = {
        {"IntegerEndingIn5RoundsDown", 1234567890123456785.0L, "1.23456789012345678e+18"},
        {"IntegerEndingIn5RoundsUp", 1234567890123456775.0L, "1.23456789012345678e+18"},
        {"TenPow18Plus5", 1000000000000000005.0L, "1.00000000000000000e+18"},
        {"TieCarriesToTenPow19", 9999999999999999995.0L, "1.00000000000000000e+19"},
        {"TwentyDigitTie", 12345678901234567850.0L, "1.23456789012345678e+19"},
        {"HalfAfterEighteenDigits", 100000000000000000.5L, "1.00000000000000000e+17"},
        {"HalfRoundsUpToEven", 123456789012345677.5L, "1.23456789012345678e+17"},
        {"NotATieJustAbove", 1234567890123456785.0L + 1, "1.23456789012345679e+18"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(digitsText(digits18(c.value)), c.digits) << c.name;
        EXPECT_EQ(printfText(c.value), c.digits) << c.name << " (printf)";
        const std::optional<Digits18> fast = fastDigits18(c.value);
        if (fast) {
            EXPECT_EQ(digitsText(*fast), c.digits) << c.name << " (fast path)";
        }
    }
}

TEST(ExactDigits, ExtremesOfTheRange) {
    const long double extremes[] = {LDBL_TRUE_MIN,
                                    2 * LDBL_TRUE_MIN,
                                    3 * LDBL_TRUE_MIN,
                                    12345 * LDBL_TRUE_MIN,
                                    std::nextafter(LDBL_MIN, 0.0L),
                                    LDBL_MIN,
                                    std::nextafter(LDBL_MIN, 1.0L),
                                    LDBL_MAX,
                                    std::nextafter(LDBL_MAX, 0.0L),
                                    1.0L,
                                    std::nextafter(1.0L, 0.0L),
                                    std::nextafter(1.0L, 2.0L),
                                    0x1p63L,
                                    0x1p64L,
                                    std::nextafter(0x1p64L, 0.0L)};
    for (long double value : extremes) {
        check(value);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace zelvaro
