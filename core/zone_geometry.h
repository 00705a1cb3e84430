#pragma once

#include <vector>

#include "core/tester_type.h"

namespace zelvaro {

// Per zone (element i is zone i+1): outer radius, mean radius and the knife-edge reading a
// perfect conic gives there. All three have ZoneCount elements.
struct ZoneGeometry {
    std::vector<double> Hx;
    std::vector<double> Hm;
    std::vector<double> Ac;
};

// Hm and Ac from Hx, R, b and the tester: the first zone's mean radius is half its outer
// radius, every other zone's lies halfway between its outer radius and the previous one.
void ComputeMeanRadiiAndIdealReadings(ZoneGeometry& geometry, long double R, long double b,
                                      TesterType tester);

}  // namespace zelvaro
