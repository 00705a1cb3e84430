#include "core/reduction_table.h"

#include <array>
#include <cstddef>

#include "format/format_string.h"

namespace zelvaro {

namespace {

enum class Source {
    None,
    Readings,
    Hx,
    Hm,
    Ac,
    Residual,
    Reduction,
    AdjustedReduction,
    Tolerance,
    TAf,
    TAfOverP,
    SlopeError,
    Wavefront,
    ParabolaWavefront,
    WavefrontError,
};

enum class NumberFormat { None, FourDecimals, Fractional };

struct RowDefinition {
    std::string_view caption;
    Source source;
    NumberFormat format;
};

constexpr std::array<RowDefinition, kReductionTableRowCount> kRows{{
    {"MEDIDAS", Source::Readings, NumberFormat::FourDecimals},
    {"Hx", Source::Hx, NumberFormat::FourDecimals},
    {"Hm", Source::Hm, NumberFormat::FourDecimals},
    {"Aberração Longitudinal Ideal (Ac)", Source::Ac, NumberFormat::FourDecimals},
    {"", Source::None, NumberFormat::None},
    {"REDUÇÃO DAS MEDIDAS", Source::None, NumberFormat::None},
    {"Residual (Ac - Medidas)", Source::Residual, NumberFormat::FourDecimals},
    {"Redução (Residual - Zona Referência)", Source::Reduction, NumberFormat::FourDecimals},
    {"Redução Ajustada", Source::AdjustedReduction, NumberFormat::FourDecimals},
    {"Tolerancia", Source::Tolerance, NumberFormat::Fractional},
    {"Aberração Transversal (TAf)", Source::TAf, NumberFormat::Fractional},
    {"TAf / p", Source::TAfOverP, NumberFormat::Fractional},
    {"", Source::None, NumberFormat::None},
    {"FRENTE DE ONDA", Source::None, NumberFormat::None},
    {"Erro na Inclinação (u)", Source::SlopeError, NumberFormat::Fractional},
    {"Frente de Onda", Source::Wavefront, NumberFormat::Fractional},
    {"", Source::None, NumberFormat::None},
    {"PARÁBOLA DE REFERÊNCIA", Source::None, NumberFormat::None},
    {"Frente de Onda da Parábola", Source::ParabolaWavefront, NumberFormat::Fractional},
    {"PVT", Source::WavefrontError, NumberFormat::Fractional},
}};

constexpr const char* kFourDecimals = "%.4n";

const std::vector<double>* ValuesOf(Source source, const ReductionResult& r, const ZoneGeometry& g,
                                    const Readings& readings) {
    switch (source) {
        case Source::None:
            return nullptr;
        case Source::Readings:
            return &readings;
        case Source::Hx:
            return &g.Hx;
        case Source::Hm:
            return &g.Hm;
        case Source::Ac:
            return &g.Ac;
        case Source::Residual:
            return &r.Residual;
        case Source::Reduction:
            return &r.Reduction;
        case Source::AdjustedReduction:
            return &r.AdjustedReduction;
        case Source::Tolerance:
            return &r.Tolerance;
        case Source::TAf:
            return &r.TAf;
        case Source::TAfOverP:
            return &r.TAfOverP;
        case Source::SlopeError:
            return &r.SlopeError;
        case Source::Wavefront:
            return &r.Wavefront;
        case Source::ParabolaWavefront:
            return &r.ParabolaWavefront;
        case Source::WavefrontError:
            return &r.WavefrontError;
    }
    return nullptr;
}

void FillRow(std::vector<std::string>& cells, const std::vector<double>& values,
             const std::string& format, const Separators& separators) {
    for (std::size_t i = 0; i < cells.size() && i < values.size(); ++i) {
        const FormatArg value = static_cast<long double>(values[i]);
        cells[i] = FormatString(format, &value, 1, separators);
    }
}

}  // namespace

std::string_view ReductionTableCaption(int row) {
    return kRows.at(row).caption;
}

std::string ReductionTableRowFormat(int row, const std::string& fractionalFormat) {
    switch (kRows.at(row).format) {
        case NumberFormat::None:
            return {};
        case NumberFormat::FourDecimals:
            return kFourDecimals;
        case NumberFormat::Fractional:
            return fractionalFormat;
    }
    return {};
}

std::vector<ReductionTableColumn> ReductionTableColumns(int zoneCount,
                                                        const Separators& separators) {
    std::vector<ReductionTableColumn> columns{{"Variáveis", 190, false}};
    for (long long zone = 1; zone <= zoneCount; ++zone) {
        columns.push_back({FormatString("Zona %.2d", {zone}, separators), 100, true});
    }
    return columns;
}

ReductionTableCells EmptyReductionTableCells(int zoneCount) {
    return ReductionTableCells(kReductionTableRowCount,
                               std::vector<std::string>(zoneCount > 0 ? zoneCount : 0));
}

ReductionTableCells ReductionTableTexts(const ReductionResult& result, const ZoneGeometry& geometry,
                                        const Readings& readings,
                                        const std::string& fractionalFormat,
                                        const Separators& separators) {
    ReductionTableCells cells = EmptyReductionTableCells(static_cast<int>(geometry.Hx.size()));
    for (int row = 0; row < kReductionTableRowCount; ++row) {
        const std::vector<double>* values = ValuesOf(kRows[row].source, result, geometry, readings);
        if (values == nullptr) continue;
        FillRow(cells[row], *values, ReductionTableRowFormat(row, fractionalFormat), separators);
    }
    return cells;
}

}  // namespace zelvaro
