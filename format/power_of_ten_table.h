#pragma once

#include <cstdint>

namespace zelvaro {

// 10^q as a 128-bit mantissa and a binary exponent: 10^q ~ (high * 2^64 + low) * 2^binaryExponent,
// with the top bit of `high` set. The mantissa is truncated, so it lies below the true value
// by less than one unit of its last place.
struct PowerOfTen {
    std::uint64_t high;
    std::uint64_t low;
    int binaryExponent;
};

// The range needed to bring any finite 80-bit value, from the smallest subnormal (about
// 3.6e-4951) to the largest (about 1.19e4932), to 18 integer digits.
inline constexpr int kMinPowerOfTen = -4914;
inline constexpr int kMaxPowerOfTen = 4968;

// 10^q for kMinPowerOfTen <= q <= kMaxPowerOfTen. The table is built exactly, with
// big-integer arithmetic, on first use.
const PowerOfTen& powerOfTen(int q);

}  // namespace zelvaro
