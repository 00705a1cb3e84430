#pragma once

#include <vector>

namespace zelvaro {

// What a reduction yields: ten per-zone arrays (each ZoneCount long, numbered 1 to 10 in
// this order) and the mirror's ratings.
struct ReductionResult {
    std::vector<double> Residual;           // reading − Ac, mm
    std::vector<double> Reduction;          // Residual − Residual of the origin zone, mm
    std::vector<double> AdjustedReduction;  // Reduction − k, mm
    std::vector<double> TAf;                // transverse aberration at the focus, mm
    std::vector<double> Tolerance;          // the AdjustedReduction at which TAf equals p, mm
    std::vector<double> TAfOverP;           // TAf / p
    std::vector<double> SlopeError;         // slope error of the wavefront, radian
    std::vector<double> Wavefront;          // wavefront at the zone's outer radius, mm
    std::vector<double> ParabolaWavefront;  // reference parabola at the outer radius, mm
    std::vector<double> WavefrontError;     // Wavefront − ParabolaWavefront, mm

    // Hx² / (2·Wavefront) of the parabola zone: the reference parabola is Hx² / (2·c).
    double ParabolaConstant = 0;
    long double Rms = 0;     // standard deviation of |WavefrontError|, mm, as its field holds it
    long double Strehl = 0;  // Maréchal's Strehl ratio, as its field holds it
    double PeakError = 0;    // largest |WavefrontError| in waves
};

// Every array with `zoneCount` zeros; the scalars are left as they are.
void ClearReductionArrays(ReductionResult& result, int zoneCount);

}  // namespace zelvaro
