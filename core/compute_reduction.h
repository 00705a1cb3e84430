#pragma once

#include "core/mirror_parameters.h"
#include "core/readings.h"
#include "core/reduction_result.h"
#include "core/zone_geometry.h"

namespace zelvaro {

// The Foucault reduction of one measuring run: residuals referred to the origin zone,
// transverse aberration and slope per zone, the wavefront integrated from them, a reference
// parabola through the parabola zone, and the ratings (Rms and Strehl as their fields hold
// them). Reads the parameters and the geometry exactly as they stand.
//
// Arithmetic is extended; every array element is rounded to double when stored and later
// steps read the stored double. A floating-point fault (overflow, an invalid operation,
// any infinity or not-a-number) throws CalculationError. The geometry and the readings must
// have ZoneCount elements (std::invalid_argument otherwise).
ReductionResult ComputeReduction(const MirrorParameters& parameters, const ZoneGeometry& geometry,
                                 const Readings& readings);

}  // namespace zelvaro
