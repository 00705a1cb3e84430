#pragma once

namespace zelvaro {

// π to the full precision of the 80-bit extended type.
inline constexpr long double kPi = 3.141592653589793238462643383279502884L;

}  // namespace zelvaro
