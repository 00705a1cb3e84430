#pragma once

#include <string>
#include <string_view>

namespace zelvaro {

// Names of the measurement table's columns that the model reads and writes.
inline constexpr std::string_view kConstanteKColumn = "ConstanteK";
inline constexpr std::string_view kZonaReferenciaColumn = "ZonaReferencia";

// "Zona%d" of a 1-based zone number: the reading column of that zone.
std::string ReadingColumnName(int zoneNumber);

}  // namespace zelvaro
