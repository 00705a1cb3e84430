#include "data/table_schema.h"

#include <charconv>

#include "core/measurement_columns.h"
#include "data/table_error.h"

namespace zelvaro {

namespace {

// The zone number of a "Zona%d" name as the writer produces it (no sign, no leading zero),
// 0 for any other name.
int zoneNumberOf(std::string_view name) {
    if (name.substr(0, kZoneFieldPrefix.size()) != kZoneFieldPrefix) return 0;
    const std::string_view digits = name.substr(kZoneFieldPrefix.size());
    if (digits.empty() || digits.size() > 3 || digits.front() == '0') return 0;
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return error == std::errc() && end == digits.data() + digits.size() ? number : 0;
}

}  // namespace

TableSchema::TableSchema(int zoneCount) : zoneCount_(zoneCount) {
    if (zoneCount < 1 || zoneCount > kMaxZoneCount)
        throw TableError("número de zonas fora de 1 a 999: " + std::to_string(zoneCount));
}

std::string TableSchema::name(int column) const {
    if (column == medidasColumn()) return std::string(kMedidasField);
    if (isZoneColumn(column)) return ReadingColumnName(column);
    if (column == chaveColumn()) return std::string(kChaveField);
    if (column == constanteKColumn()) return std::string(kConstanteKField);
    if (column == zonaReferenciaColumn()) return std::string(kZonaReferenciaField);
    return std::string(kObservacoesField);
}

ColumnKind TableSchema::kind(int column) const {
    if (column == medidasColumn()) return ColumnKind::DateTime;
    if (isZoneColumn(column) || column == constanteKColumn()) return ColumnKind::Float;
    if (column == chaveColumn()) return ColumnKind::Int32;
    if (column == zonaReferenciaColumn()) return ColumnKind::Int16;
    return ColumnKind::Memo;
}

int TableSchema::indexOf(std::string_view name) const {
    if (zoneCount_ == 0) return -1;
    if (const int zone = zoneNumberOf(name); zone != 0) return zone <= zoneCount_ ? zone : -1;
    if (name == kMedidasField) return medidasColumn();
    if (name == kChaveField) return chaveColumn();
    if (name == kConstanteKField) return constanteKColumn();
    if (name == kZonaReferenciaField) return zonaReferenciaColumn();
    if (name == kObservacoesField) return observacoesColumn();
    return -1;
}

}  // namespace zelvaro
