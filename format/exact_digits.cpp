#include "format/exact_digits.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "format/power_of_ten_table.h"
#include "format/uint128.h"

namespace zelvaro {

namespace {

constexpr std::uint64_t kTenPow17 = 100'000'000'000'000'000;
constexpr std::uint64_t kTenPow18 = 10 * kTenPow17;

// The scaled value's fraction is short of the true one by less than 6 units of 2^-64 (the
// truncated power of ten times a 64-bit mantissa, and the bits dropped below the fraction).
// A wider margin only sends a few more values to the slow path.
constexpr std::uint64_t kMargin = 64;
constexpr std::uint64_t kHalf = std::uint64_t{1} << 63;

// floor(n * log10(2)), exact for |n| <= 16500.
int floorLog10Pow2(int n) {
    return static_cast<int>((static_cast<std::int64_t>(n) * 661'971'961'083) >> 41);
}

// value = mantissa * 2^(binaryExponent - 64), the mantissa's top bit set (value finite, > 0).
struct BinaryForm {
    std::uint64_t mantissa;
    int binaryExponent;
};

BinaryForm binaryForm(long double value) {
#if (defined(__x86_64__) || defined(__i386__)) && LDBL_MANT_DIG == 64
    // The x87 extended format, read directly: frexpl costs as much as the whole conversion.
    std::uint64_t mantissa = 0;
    std::uint16_t signAndExponent = 0;
    std::memcpy(&mantissa, &value, sizeof mantissa);
    std::memcpy(&signAndExponent, reinterpret_cast<const char*>(&value) + sizeof mantissa,
                sizeof signAndExponent);
    const int biased = signAndExponent & 0x7FFF;
    // A subnormal has the exponent of the smallest normal and no integer bit.
    const int shift = __builtin_clzll(mantissa);
    return {mantissa << shift, (biased == 0 ? 1 : biased) - 16382 - shift};
#else
    int binaryExponent = 0;
    const long double fraction = std::frexp(value, &binaryExponent);
    return {static_cast<std::uint64_t>(fraction * 0x1p64L), binaryExponent};
#endif
}

// A fixed-point number: integer part and the top 64 bits of the fraction.
struct FixedPoint {
    std::uint64_t integer;
    std::uint64_t fraction;
};

// mantissa * 2^binaryExponent * 10^q, for a result below 2^64.
FixedPoint scaleByPowerOfTen(std::uint64_t mantissa, int binaryExponent, int q) {
    const PowerOfTen& power = powerOfTen(q);
    const Uint128 low = Uint128{mantissa} * power.low;
    const Uint128 high = Uint128{mantissa} * power.high;
    // The 192-bit product is upper * 2^64 + lowest; the result is the product / 2^(64 + shift).
    const Uint128 upper = high + (low >> 64);
    const auto lowest = static_cast<std::uint64_t>(low);
    const int shift = -(binaryExponent + power.binaryExponent) - 64;
    const Uint128 fixed =
        shift >= 64 ? upper >> (shift - 64) : (upper << (64 - shift)) | (lowest >> shift);
    return {static_cast<std::uint64_t>(fixed >> 64), static_cast<std::uint64_t>(fixed)};
}

}  // namespace

std::optional<Digits18> fastDigits18(long double value) {
    // A wider long double (quadruple precision) does not fit a 64-bit mantissa.
    if constexpr (LDBL_MANT_DIG > 64) return std::nullopt;
    const BinaryForm binary = binaryForm(value);
    // 10^f <= value < 10^(f + 2), so the scaled value has 18 or 19 integer digits.
    const int f = floorLog10Pow2(binary.binaryExponent - 1);
    const FixedPoint scaled =
        scaleByPowerOfTen(binary.mantissa, binary.binaryExponent - 64, 17 - f);
    Digits18 result{0, f + 1};
    if (scaled.integer < kTenPow18) {
        const std::uint64_t distance =
            scaled.fraction > kHalf ? scaled.fraction - kHalf : kHalf - scaled.fraction;
        if (distance <= kMargin) return std::nullopt;
        result.significand = scaled.integer + (scaled.fraction > kHalf ? 1 : 0);
    } else {
        // Round away the 19th digit: the boundary is a last digit of 5 with no fraction.
        const std::uint64_t last = scaled.integer % 10;
        if ((last == 5 && scaled.fraction <= kMargin) ||
            (last == 4 && scaled.fraction >= ~std::uint64_t{0} - kMargin)) {
            return std::nullopt;
        }
        result.significand = scaled.integer / 10 + (last >= 5 ? 1 : 0);
        result.exponent = f + 2;
    }
    if (result.significand == kTenPow18) {
        result.significand = kTenPow17;
        ++result.exponent;
    }
    return result;
}

Digits18 printfDigits18(long double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17Le", value);
    Digits18 result{0, 0};
    const char* c = text;
    for (; *c != '\0' && *c != 'e'; ++c) {
        // Skips the decimal point, whichever character the C library uses for it.
        if (*c >= '0' && *c <= '9') result.significand = result.significand * 10 + (*c - '0');
    }
    result.exponent = (*c == 'e' ? std::atoi(c + 1) : 0) + 1;
    return result;
}

Digits18 digits18(long double value) {
    const std::optional<Digits18> fast = fastDigits18(value);
    return fast ? *fast : printfDigits18(value);
}

}  // namespace zelvaro
