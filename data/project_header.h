#pragma once

#include <string>
#include <vector>

#include "core/tester_type.h"
#include "format/separators.h"

namespace zelvaro {

// The mirror data a project file keeps in its header lines.
struct ProjectHeader {
    std::vector<double> Hx;
    long double D = 0;
    long double R = 0;
    int ZoneCount = 1;
    long double Lambda = 0;
    long double b = 0;
    int ReductionZoneIndex = 0;
    TesterType Tester = TesterType::FixedSource;
};

// The header lines of a project file, each ended by CR LF: the radius list, D, R, the zone
// count, Lambda, b and the reduction zone as "%s=%s", "%s=%g" and "%s=%d" lines with the
// user's decimal separator; "[TIPO_TESTADOR]=1" for a moving source only, so a fixed-source
// file stays as it always was; then the marker "[TABELA_DADOS]".
std::string writeProjectHeader(const ProjectHeader& header, const Separators& seps);

}  // namespace zelvaro
