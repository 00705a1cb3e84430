#pragma once

#include <string>
#include <string_view>

namespace zelvaro {

// Field and index names of the measurement table: program vocabulary, written into and read
// from the data packet exactly like this.
inline constexpr std::string_view kMedidasField = "Medidas";
inline constexpr std::string_view kZoneFieldPrefix = "Zona";
inline constexpr std::string_view kChaveField = "Chave";
inline constexpr std::string_view kConstanteKField = "ConstanteK";
inline constexpr std::string_view kZonaReferenciaField = "ZonaReferencia";
inline constexpr std::string_view kObservacoesField = "Observacoes";
inline constexpr std::string_view kChaveIndex = "idxChave";

// "Zona%d" of a 1-based zone number: the reading column of that zone.
std::string ReadingColumnName(int zoneNumber);

}  // namespace zelvaro
