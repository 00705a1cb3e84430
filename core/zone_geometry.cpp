#include "core/zone_geometry.h"

#include <cstddef>

#include "core/tester_formulas.h"

namespace zelvaro {

void ComputeMeanRadiiAndIdealReadings(ZoneGeometry& geometry, long double R, long double b,
                                      TesterType tester) {
    const std::vector<double>& hx = geometry.Hx;
    geometry.Hm.resize(hx.size());
    geometry.Ac.resize(hx.size());
    for (std::size_t i = 0; i < hx.size(); ++i) {
        const long double mean =
            i == 0 ? hx[0] / 2.0L : (static_cast<long double>(hx[i]) + hx[i - 1]) / 2;
        geometry.Hm[i] = static_cast<double>(mean);
        geometry.Ac[i] = static_cast<double>(CalcIdealAberration(tester, b, geometry.Hm[i], R));
    }
}

}  // namespace zelvaro
