#pragma once

#include <string_view>

namespace zelvaro {

// Vocabulary of the project file: the header keys, brackets included, and the marker line
// before the measurement table.
namespace project_keys {

inline constexpr std::string_view kRadii = "[ARRAY_HX]";
inline constexpr std::string_view kDiameter = "[DIAMETRO_ESPELHO]";
inline constexpr std::string_view kRadiusOfCurvature = "[RAIO_CURVATURA]";
inline constexpr std::string_view kZoneCount = "[NUMERO_ZONAS]";
inline constexpr std::string_view kLambda = "[COMPRIMENTO_ONDA]";
inline constexpr std::string_view kDeformation = "[COEFICIENTE_DEFORMACAO]";
inline constexpr std::string_view kReductionZone = "[INDICE_ZONA_REDUCAO]";
// Written only for a moving source, with the value kMovingSource; a file without it, as every
// fixed-source file is, reads as a fixed source.
inline constexpr std::string_view kTesterType = "[TIPO_TESTADOR]";
inline constexpr int kMovingSource = 1;
inline constexpr std::string_view kTableMarker = "[TABELA_DADOS]";

}  // namespace project_keys
}  // namespace zelvaro
