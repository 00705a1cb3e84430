#include "core/mirror_formulas.h"

#include <cmath>

#include "core/math_constants.h"

namespace zelvaro {

long double CalcIdealAberration(long double b, long double h, long double R) {
    if (R == 0) return 0;
    const long double h2 = h * h;
    return -b * (h2 / R + h2 * h2 / (2 * (R * R * R)));
}

long double CalcDiffractionRadius(long double Lambda, long double fD) {
    return 1.22L * Lambda * fD;
}

long double CalcAutoRadius(int i, long double Az) {
    return std::sqrt((i + 1) * Az / kPi);
}

}  // namespace zelvaro
