#pragma once

#include <vector>

namespace zelvaro {

// The quotients of the reduction that do not depend on the tester (tester_formulas.h holds
// those that do). Each guard tests its denominator for exactly zero and then yields 0. The
// short ones are inline: the reduction calls them for every zone.

// −t / f.
inline long double CalcSlopeError(long double t, long double f) {
    return f == 0 ? 0 : -t / f;
}

// h² / (2c).
inline long double CalcParabolaTerm(double h, double c) {
    const long double twoC = 2 * static_cast<long double>(c);
    return twoC == 0 ? 0 : static_cast<long double>(h) * h / twoC;
}

// Population standard deviation √((n·Σx² − (Σx)²) / n²), with Σx² kept in a double rounded
// after each addition and Σx in extended precision. Throws CalculationError when rounding
// leaves a negative variance or a sum overflows.
long double CalcRms(const std::vector<double>& values);

// Maréchal's (1 − 2π²·rms²/Lambda²)². The formula only means something while the bracket is
// not negative; past rms = Lambda/(π√2) the ratio is 0 instead of growing again.
long double CalcStrehl(double Lambda, double rms);

}  // namespace zelvaro
