#include "core/reduction_formulas.h"

#include <cmath>

#include "core/math_constants.h"
#include "core/reduction_errors.h"

namespace zelvaro {

long double CalcRms(const std::vector<double>& values) {
    const long long n = static_cast<long long>(values.size());
    const long double d = static_cast<long double>(n * n);
    if (d == 0) return 0;
    double sumOfSquares = 0;
    long double sum = 0;
    for (double x : values) {
        sumOfSquares = static_cast<double>(sumOfSquares + static_cast<long double>(x) * x);
        sum += x;
    }
    if (std::isinf(sumOfSquares) || std::isinf(sum)) throw CalculationError(kOverflow);
    const long double variance = (n * static_cast<long double>(sumOfSquares) - sum * sum) / d;
    if (std::isnan(variance)) throw CalculationError(kInvalidOperation);
    // A variance is never below 0: a negative one is the rounding of Σx² when the values are
    // (nearly) equal, and such a wavefront has no spread, not a failed reduction.
    if (variance < 0) return 0;
    return std::sqrt(variance);
}

long double CalcStrehl(double Lambda, double rms) {
    const long double q = static_cast<long double>(Lambda) * Lambda;
    if (q == 0) return 0;
    const long double s = kPi * kPi * 2;
    const long double bracket = 1 - static_cast<long double>(rms) * rms * s / q;
    if (bracket < 0) return 0;
    return bracket * bracket;
}

}  // namespace zelvaro
