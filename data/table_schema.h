#pragma once

#include <string>
#include <string_view>

namespace zelvaro {

enum class ColumnKind { DateTime, Float, Int32, Int16, Memo };

// The columns of the measurement table for N zones, in their fixed order: Medidas,
// Zona1 .. ZonaN, Chave, ConstanteK, ZonaReferencia, Observacoes.
class TableSchema {
  public:
    static constexpr int kMaxZoneCount = 999;
    static constexpr int kExtraColumns = 5;

    // A table without columns (never built).
    TableSchema() = default;
    // Throws TableError unless 1 <= zoneCount <= kMaxZoneCount.
    explicit TableSchema(int zoneCount);

    int zoneCount() const { return zoneCount_; }
    int columnCount() const { return zoneCount_ == 0 ? 0 : zoneCount_ + kExtraColumns; }

    static constexpr int medidasColumn() { return 0; }
    int chaveColumn() const { return zoneCount_ + 1; }
    int constanteKColumn() const { return zoneCount_ + 2; }
    int zonaReferenciaColumn() const { return zoneCount_ + 3; }
    int observacoesColumn() const { return zoneCount_ + 4; }
    // Column of a 0-based zone.
    static constexpr int zoneColumn(int zone) { return zone + 1; }
    bool isZoneColumn(int column) const { return column >= 1 && column <= zoneCount_; }

    // Both expect 0 <= column < columnCount().
    std::string name(int column) const;
    ColumnKind kind(int column) const;
    // The column of that name, -1 when there is none. Names match exactly.
    int indexOf(std::string_view name) const;

  private:
    int zoneCount_ = 0;
};

}  // namespace zelvaro
