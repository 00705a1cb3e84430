#pragma once

#include "core/tester_type.h"

namespace zelvaro {

// The mirror data a project file's header gives, as read: each value goes through its
// field as if typed, so the zone count is still to be bounded and cut to a whole number.
// A file without a tester line is a fixed-source one.
struct MirrorHeader {
    long double D = 0;
    long double R = 0;
    long double zoneCount = 0;
    long double Lambda = 0;
    long double b = 0;
    int reductionZoneIndex = 0;
    TesterType tester = TesterType::FixedSource;
};

}  // namespace zelvaro
