#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "data/local_date_time.h"
#include "data/table_schema.h"

namespace zelvaro {

// The values of one row of the measurement table; every cell may be empty.
//
// Readings are kept densely, one double per zone, with a NaN standing for an empty reading:
// no stored number is ever NaN or infinite (the packet has no form for them), so the NaN
// cannot be mistaken for a value, and two records compare byte by byte with one memcmp.
struct RowRecord {
    static constexpr double kEmptyReading = std::numeric_limits<double>::quiet_NaN();

    RowRecord() = default;
    explicit RowRecord(int zoneCount) : readings(zoneCount, kEmptyReading) {}

    std::optional<LocalDateTime> medidas;
    std::vector<double> readings;
    std::optional<std::int32_t> chave;
    std::optional<double> constanteK;
    std::optional<std::int16_t> zonaReferencia;
    // The notes as the Windows-1252 bytes the packet carries, CR LF line breaks. Empty notes
    // are kept as no notes.
    std::optional<std::string> observacoes;

    // A reading of a 0-based zone.
    std::optional<double> reading(int zone) const;

    // Value of a numeric column (Zona%d, Chave, ConstanteK, ZonaReferencia).
    std::optional<double> number(const TableSchema& schema, int column) const;
    // Throws TableError for a value the column cannot hold: not finite, or an integer column's
    // value that, rounded to the nearest integer, falls outside its range.
    void setNumber(const TableSchema& schema, int column, std::optional<double> value);

    // True when both records hold the same bytes: the test for "the edit changed something".
    bool sameBytes(const RowRecord& other) const;
};

}  // namespace zelvaro
