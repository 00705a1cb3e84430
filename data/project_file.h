#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "format/separators.h"

namespace zelvaro {

class MeasurementTable;
class Mirror;

// SaveProjectFile: the table's data packet (a pending edit or insertion is completed first),
// preceded by the seven header lines, "[TIPO_TESTADOR]=1" for a moving source, and the marker
// "[TABELA_DADOS]", CR LF line breaks and the user's decimal separator. The old file is replaced
// only once the new one is complete. Throws ProjectFileError with the system's message.
void SaveProjectFile(Mirror& mirror, MeasurementTable& table, const QString& path);

// The header lines SaveProjectFile writes for the mirror as it stands.
std::string ProjectHeaderText(const Mirror& mirror, const Separators& seps);

// LoadProjectFile: reads the file and hands its text to LoadProjectText. Errors propagate and leave
// the test half loaded: the caller resets it (Project::load does).
void LoadProjectFile(Mirror& mirror, MeasurementTable& table, const QString& path);

// The rest of a load, in this order: the header through Mirror::loadHeader (the zone arrays
// cleared, D, R, the zone count, Lambda, b and the tester each running its chain, the reduction
// zone unchecked, everything that depends on the zone count rebuilt); the radii (ProjectFileError
// for a missing item or one that is not a number); the table from the data packet (none without
// "</DATAPACKET>"; ProjectFileError when the packet's zone columns do not match the zone count)
// with its last row current; and ReduceData when the table has rows, whose ReductionFailed passes
// through.
void LoadProjectText(Mirror& mirror, MeasurementTable& table, std::string_view text);

}  // namespace zelvaro
