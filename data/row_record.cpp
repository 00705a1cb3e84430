#include "data/row_record.h"

#include <cmath>
#include <cstring>

#include "data/table_error.h"

namespace zelvaro {

namespace {

template <typename Int>
Int checkedInteger(double value) {
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max())
        throw TableError("valor fora do intervalo da coluna inteira");
    return static_cast<Int>(rounded);
}

template <typename Int>
std::optional<Int> toInteger(std::optional<double> value) {
    if (!value) return std::nullopt;
    return checkedInteger<Int>(*value);
}

bool sameBits(const std::optional<double>& a, const std::optional<double>& b) {
    if (a.has_value() != b.has_value()) return false;
    return !a || std::memcmp(&*a, &*b, sizeof(double)) == 0;
}

bool sameBits(const std::vector<double>& a, const std::vector<double>& b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

}  // namespace

std::optional<double> RowRecord::reading(int zone) const {
    const double value = readings[zone];
    if (std::isnan(value)) return std::nullopt;
    return value;
}

std::optional<double> RowRecord::number(const TableSchema& schema, int column) const {
    if (schema.isZoneColumn(column)) return reading(column - 1);
    if (column == schema.constanteKColumn()) return constanteK;
    if (column == schema.chaveColumn()) {
        if (!chave) return std::nullopt;
        return *chave;
    }
    if (!zonaReferencia) return std::nullopt;
    return *zonaReferencia;
}

void RowRecord::setNumber(const TableSchema& schema, int column, std::optional<double> value) {
    if (value && !std::isfinite(*value)) throw TableError("um número deve ser finito");
    if (schema.isZoneColumn(column))
        readings[column - 1] = value.value_or(kEmptyReading);
    else if (column == schema.constanteKColumn())
        constanteK = value;
    else if (column == schema.chaveColumn())
        chave = toInteger<std::int32_t>(value);
    else
        zonaReferencia = toInteger<std::int16_t>(value);
}

bool RowRecord::sameBytes(const RowRecord& other) const {
    return medidas == other.medidas && sameBits(readings, other.readings) && chave == other.chave &&
           sameBits(constanteK, other.constanteK) && zonaReferencia == other.zonaReferencia &&
           observacoes == other.observacoes;
}

}  // namespace zelvaro
