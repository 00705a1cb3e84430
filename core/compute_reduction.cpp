#include "core/compute_reduction.h"

#include <cmath>
#include <cstddef>
#include <stdexcept>

#include "core/field_value.h"
#include "core/reduction_errors.h"
#include "core/reduction_formulas.h"
#include "core/tester_formulas.h"
#include "core/zone_index.h"

namespace zelvaro {

namespace {

// The fault the arithmetic would have raised on reaching an infinity or a not-a-number.
[[noreturn]] void Fault(long double value) {
    throw CalculationError(std::isnan(value) ? kInvalidOperation : kOverflow);
}

long double Finite(long double value) {
    if (!std::isfinite(value)) Fault(value);
    return value;
}

// Rounds a result to the double it is kept in.
inline double Stored(long double value) {
    const double stored = static_cast<double>(value);
    if (!std::isfinite(stored)) Fault(value);
    return stored;
}

void CheckSizes(int zoneCount, const ZoneGeometry& geometry, const Readings& readings) {
    const std::size_t n = zoneCount > 0 ? static_cast<std::size_t>(zoneCount) : 0;
    if (n == 0 || geometry.Hx.size() != n || geometry.Hm.size() != n || geometry.Ac.size() != n ||
        readings.size() != n) {
        throw std::invalid_argument("zone arrays do not match the zone count");
    }
}

void CheckParameters(const MirrorParameters& m) {
    for (long double value : {m.R, m.f, m.p, m.k, m.Lambda}) Finite(value);
}

// Residuals, reduction to the origin zone, transverse aberration, slope and the integrated
// wavefront; the slope at the mean radius holds across the whole zone.
void ReduceZones(const MirrorParameters& m, const ZoneGeometry& g, const Readings& readings,
                 ReductionResult& r) {
    const int n = m.ZoneCount;
    for (int i = 0; i < n; ++i) {
        r.Residual[i] = Stored(static_cast<long double>(readings[i]) - g.Ac[i]);
    }
    const long double originResidual = r.Residual[ZoneIndexInRange(m.ReductionZoneIndex, n)];
    for (int i = 0; i < n; ++i) {
        r.Reduction[i] = Stored(r.Residual[i] - originResidual);
        r.AdjustedReduction[i] = Stored(r.Reduction[i] - m.k);
        r.Tolerance[i] = Stored(CalcTolerance(m.Tester, m.R, m.p, g.Hm[i]));
        r.TAf[i] = Stored(CalcTransverseAberration(m.Tester, r.AdjustedReduction[i], g.Hm[i], m.R));
        r.TAfOverP[i] = Stored(m.p != 0 ? r.TAf[i] / m.p : 0.0L);
        r.SlopeError[i] = Stored(CalcSlopeError(r.TAf[i], m.f));
        r.Wavefront[i] =
            Stored(i == 0 ? static_cast<long double>(r.SlopeError[0]) * g.Hx[0]
                          : r.Wavefront[i - 1] + (static_cast<long double>(g.Hx[i]) - g.Hx[i - 1]) *
                                                     r.SlopeError[i]);
    }
}

// The parabola through the centre and the wavefront at the parabola zone; returns the
// absolute wavefront errors.
std::vector<double> FitParabola(const MirrorParameters& m, const ZoneGeometry& g,
                                ReductionResult& r) {
    const int n = m.ZoneCount;
    const int pz = ZoneIndexInRange(m.ParabolaZoneIndex, n);
    r.ParabolaConstant = Stored(CalcParabolaTerm(g.Hx[pz], r.Wavefront[pz]));
    std::vector<double> absoluteErrors(n);
    for (int i = 0; i < n; ++i) {
        r.ParabolaWavefront[i] = Stored(CalcParabolaTerm(g.Hx[i], r.ParabolaConstant));
        r.WavefrontError[i] =
            Stored(static_cast<long double>(r.Wavefront[i]) - r.ParabolaWavefront[i]);
        absoluteErrors[i] = std::fabs(r.WavefrontError[i]);
    }
    return absoluteErrors;
}

double Largest(const std::vector<double>& values) {
    double largest = values.front();
    for (double value : values) {
        if (value > largest) largest = value;
    }
    return largest;
}

void Rate(const MirrorParameters& m, const std::vector<double>& absoluteErrors,
          ReductionResult& r) {
    r.Rms = AsFieldValue(Finite(CalcRms(absoluteErrors)));
    r.Strehl = AsFieldValue(Finite(CalcStrehl(Stored(m.Lambda), Stored(r.Rms))));
    r.PeakError = Stored(m.Lambda != 0 ? Largest(absoluteErrors) / m.Lambda : 0.0L);
}

}  // namespace

ReductionResult ComputeReduction(const MirrorParameters& parameters, const ZoneGeometry& geometry,
                                 const Readings& readings) {
    CheckSizes(parameters.ZoneCount, geometry, readings);
    CheckParameters(parameters);
    ReductionResult result;
    ClearReductionArrays(result, parameters.ZoneCount);
    ReduceZones(parameters, geometry, readings, result);
    Rate(parameters, FitParabola(parameters, geometry, result), result);
    return result;
}

}  // namespace zelvaro
