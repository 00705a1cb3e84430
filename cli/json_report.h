#pragma once

#include <string>

#include "data/project.h"

namespace zelvaro {

// The JSON object of "reduce --json": the inputs and derived values under their
// MirrorParameters names, MovingSource (true for a moving-source tester), the per-zone arrays (Hx,
// Hm, Ac, Readings and the ten arrays of the reduction), Rms, Strehl, PeakError, the two texts of
// the largest error, the key of the reduced row and the current rows of the table. Without rows the
// readings, the results and the key are null.
std::string reductionJson(const Project& project);

}  // namespace zelvaro
