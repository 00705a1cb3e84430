#pragma once

#include <string>

#include "data/measurement_table.h"
#include "format/separators.h"

namespace zelvaro {

inline constexpr const char* kNoReadings = "Nenhuma leitura registrada.";

// The current rows in key order under their field names, in aligned columns with the
// window grid's texts; line breaks in the notes show as spaces.
std::string rowsText(const MeasurementTable& table, const Separators& seps);

// The same as CSV: a header line of the field names, then one line per row with the exact
// numbers and the notes as they are.
std::string rowsCsv(const MeasurementTable& table, const Separators& seps);

}  // namespace zelvaro
