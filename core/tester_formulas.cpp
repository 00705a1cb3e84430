#include "core/tester_formulas.h"

namespace zelvaro {

long double CalcIdealAberration(TesterType tester, long double b, long double h, long double R) {
    if (R == 0) return 0;
    const long double h2 = h * h;
    const long double R3 = R * R * R;
    if (tester == TesterType::MovingSource) {
        return -b * (h2 / (2 * R) + (1 + b) * (h2 * h2) / (8 * R3));
    }
    return -b * (h2 / R + h2 * h2 / (2 * R3));
}

}  // namespace zelvaro
