#pragma once

#include <QString>
#include <string_view>

namespace zelvaro {

class MeasurementTable;
class OpenTest;

// SaveProjectFile: the table's data packet (a pending edit or insertion is completed first),
// preceded by the seven header lines and the marker "[TABELA_DADOS]", CR LF line breaks and
// the user's decimal separator. The old file is replaced only once the new one is complete.
// Throws ProjectFileError with the system's message.
void SaveProjectFile(OpenTest& test, MeasurementTable& table, const QString& path);

// LoadProjectFile: resizes the zone arrays, reads the file and hands its text to
// LoadProjectText. Errors propagate and leave the test half loaded: the caller resets it
// (TestSession::load does).
void LoadProjectFile(OpenTest& test, MeasurementTable& table, const QString& path);

// The rest of a load, in this order: D and R, the zone count, Lambda and b through their
// setters (each running its chain); the reduction zone unchecked; RebuildForZoneCount; the
// radii (ProjectFileError for a missing item or one that is not a number); the table from
// the data packet (none without "</DATAPACKET>"; ProjectFileError when the packet's zone
// columns do not match the zone count) with its last row current; and ReduceData when the
// table has rows, whose ReductionFailed passes through.
void LoadProjectText(OpenTest& test, MeasurementTable& table, std::string_view text);

}  // namespace zelvaro
