#pragma once

#include <cstdint>

#include "core/tester_type.h"

namespace zelvaro {

// The mirror under test. D, R, ZoneCount, Lambda, b and k are typed; f, fD, At, Az and p are
// derived from them. Lengths in mm, areas in mm². The members start at the values the main
// window is created with.
struct MirrorParameters {
    long double At = 0;  // total area of the mirror face, π·(D/2)²
    long double Az = 0;  // area of each zone, At / N
    long double p = 0;   // radius of the diffraction disk, 1.22·Lambda·fD
    long double D = 0;   // diameter
    long double f = 0;   // focal length, R / 2
    long double R = 0;   // radius of curvature
    long double fD = 0;  // focal ratio f / D
    std::int16_t ZoneCount = 1;
    long double Lambda = 0.00056L;  // wavelength: 560 nm
    long double b = -1;             // conic coefficient, −1 for a paraboloid
    long double k = 0;              // correction of the centre of curvature, per measuring run
    // 0-based zone whose residual is subtracted from every zone. Kept as given, even when it
    // names no zone; the reduction brings it into range (ZoneIndexInRange).
    std::int16_t ReductionZoneIndex = 0;
    // 0-based zone through which the reference parabola is fitted; kept as given as well.
    std::int16_t ParabolaZoneIndex = 0;
    // The source fixed or moving with the knife-edge: chooses the formulas of Ac, TAf and
    // the tolerance.
    TesterType Tester = TesterType::FixedSource;
};

}  // namespace zelvaro
