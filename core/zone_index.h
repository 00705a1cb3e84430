#pragma once

namespace zelvaro {

// The zone a stored index stands for when the reduction uses it. Indices are kept as the
// user or the file gave them, so one may name no zone after the zone count falls or come
// out of range from a file: an index at or past the last zone means the last zone, a
// negative one the first.
int ZoneIndexInRange(int index, int zoneCount);

}  // namespace zelvaro
