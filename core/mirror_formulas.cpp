#include "core/mirror_formulas.h"

#include <cmath>

#include "core/math_constants.h"

namespace zelvaro {

long double CalcDiffractionRadius(long double Lambda, long double fD) {
    return 1.22L * Lambda * fD;
}

long double CalcAutoRadius(int i, long double Az) {
    return std::sqrt((i + 1) * Az / kPi);
}

}  // namespace zelvaro
