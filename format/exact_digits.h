#pragma once

#include <cstdint>
#include <optional>

namespace zelvaro {

// A positive value to exactly 18 significant decimal digits, rounded to nearest with ties to
// even on its exact binary value: value ~ 0.d1d2...d18 x 10^exponent, where d1...d18 are the
// digits of `significand` (10^17 <= significand < 10^18).
struct Digits18 {
    std::uint64_t significand;
    int exponent;
};

// All three take a finite value above zero.

// The fast conversion: one 64 x 128-bit product with a power of ten. No value when the
// product lies too close to a rounding boundary for its error bound to decide: exact ties
// (values of exactly 19 significant digits ending in 5, and the like), and otherwise about
// one value in 2^57.
std::optional<Digits18> fastDigits18(long double value);

// The C library's conversion, snprintf "%.17Le": exact, but slow.
Digits18 printfDigits18(long double value);

// fastDigits18, else printfDigits18.
Digits18 digits18(long double value);

}  // namespace zelvaro
