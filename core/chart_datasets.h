#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "core/reduction_result.h"
#include "core/zone_geometry.h"

namespace zelvaro {

// The two in-memory tables the charts are bound to. Both are closed (the charts empty) when
// the zone structures are rebuilt and opened with fresh records by a successful reduction.

// A record of dtstFrenteOnda: the wavefront and the reference curve against the outer
// radius, and the correction.
struct WavefrontRecord {
    double Hx = 0;
    double y = 0;          // Wavefront
    double yParabola = 0;  // ParabolaWavefront
    double Reducao = 0;    // AdjustedReduction with its sign changed
};

// A record of dtstGraficos. ToleranciaMinima, Minimo and Maximo are calculated fields,
// worked out whenever a record is read.
struct AberrationRecord {
    double Hx = 0;
    double Hm = 0;
    double TAf = 0;
    double TAfp = 0;              // TAfOverP
    double ToleranciaMaxima = 0;  // Tolerance
    double Desvio = 0;            // AdjustedReduction

    double ToleranciaMinima() const { return -ToleranciaMaxima; }
    double Minimo() const {
        return static_cast<double>(static_cast<long double>(TAf) - ToleranciaMaxima);
    }
    double Maximo() const {
        return static_cast<double>(static_cast<long double>(TAf) + ToleranciaMaxima);
    }
};

template <typename Record>
struct ChartDataset {
    bool open = false;
    std::vector<Record> records;
};

struct ChartDatasets {
    ChartDataset<WavefrontRecord> dtstFrenteOnda;
    ChartDataset<AberrationRecord> dtstGraficos;
};

// A field of a dataset with its display format and edit format (empty: none).
struct DatasetField {
    std::string_view name;
    std::string_view displayFormat;
    std::string_view editFormat;
    bool calculated = false;
};

const std::array<DatasetField, 4>& WavefrontDatasetFields();
const std::array<DatasetField, 9>& AberrationDatasetFields();

// Both datasets open: dtstFrenteOnda with the mirror's centre (all 0) and then one record
// per zone, dtstGraficos with one record per zone, in zone order.
ChartDatasets ChartDatasetsOf(const ReductionResult& result, const ZoneGeometry& geometry);

// Both datasets closed, without records.
void CloseChartDatasets(ChartDatasets& datasets);

}  // namespace zelvaro
