#pragma once

#include "core/tester_type.h"

namespace zelvaro {

// The three quantities whose formula depends on where the tester's light source sits. Each
// guard tests its denominator for exactly zero and then yields 0.

// Knife-edge reading a conic of coefficient b gives at radius h; 0 when R is 0.
//   fixed source:  −b·(h²/R + h⁴/(2R³))
//   moving source: −b·(h²/(2R) + (1+b)·h⁴/(8R³)), where the zone's normal crosses the axis
//                  (exact for a paraboloid and a sphere)
long double CalcIdealAberration(TesterType tester, long double b, long double h, long double R);

// Transverse aberration at the focus of an adjusted reduction a at radius h: a·h/(2R) with a
// fixed source, a·h/R with a moving one.
inline long double CalcTransverseAberration(TesterType tester, long double a, long double h,
                                            long double R) {
    const long double denominator = tester == TesterType::MovingSource ? R : 2 * R;
    return denominator == 0 ? 0 : a * h / denominator;
}

// Millies-Lacroix tolerance, the adjusted reduction at which the transverse aberration equals
// p: 2·R·p/h with a fixed source, R·p/h with a moving one.
inline long double CalcTolerance(TesterType tester, long double R, long double p, long double h) {
    if (h == 0) return 0;
    return tester == TesterType::MovingSource ? R * p / h : 2 * R * p / h;
}

}  // namespace zelvaro
