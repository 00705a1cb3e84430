#pragma once

#include <vector>

namespace zelvaro {

// The knife-edge readings of the current measuring run, one per zone, in mm.
using Readings = std::vector<double>;

}  // namespace zelvaro
