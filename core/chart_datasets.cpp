#include "core/chart_datasets.h"

#include <cstddef>

namespace zelvaro {

namespace {

constexpr std::string_view kTwoDecimals = "#,##0.00;-#,##0.00";

constexpr std::array<DatasetField, 4> kWavefrontFields{{
    {"Hx", kTwoDecimals, kTwoDecimals},
    {"y", "#.##0E+00;-#.##0E-00", kTwoDecimals},
    {"yParabola", kTwoDecimals, kTwoDecimals},
    {"Reducao", "", ""},
}};

constexpr std::array<DatasetField, 9> kAberrationFields{{
    {"Hx", kTwoDecimals, kTwoDecimals},
    {"Hm", kTwoDecimals, kTwoDecimals},
    {"TAf", kTwoDecimals, kTwoDecimals},
    {"TAfp", "#,##0.00; -#,##0.00", "#,##0.00; -#,##0.00"},
    {"ToleranciaMaxima", kTwoDecimals, kTwoDecimals},
    {"Desvio", "#,##0.000; -#,##0.000", "#,##0.000; -#,##0.000"},
    {"ToleranciaMinima", kTwoDecimals, kTwoDecimals, true},
    {"Minimo", kTwoDecimals, kTwoDecimals, true},
    {"Maximo", kTwoDecimals, kTwoDecimals, true},
}};

}  // namespace

const std::array<DatasetField, 4>& WavefrontDatasetFields() {
    return kWavefrontFields;
}

const std::array<DatasetField, 9>& AberrationDatasetFields() {
    return kAberrationFields;
}

ChartDatasets ChartDatasetsOf(const ReductionResult& r, const ZoneGeometry& g) {
    const std::size_t n = g.Hx.size();
    ChartDatasets datasets;
    datasets.dtstFrenteOnda.open = true;
    datasets.dtstGraficos.open = true;
    datasets.dtstFrenteOnda.records.reserve(n + 1);
    datasets.dtstGraficos.records.reserve(n);
    datasets.dtstFrenteOnda.records.push_back({});
    for (std::size_t i = 0; i < n; ++i) {
        datasets.dtstFrenteOnda.records.push_back(
            {g.Hx[i], r.Wavefront[i], r.ParabolaWavefront[i], -r.AdjustedReduction[i]});
        datasets.dtstGraficos.records.push_back(
            {g.Hx[i], g.Hm[i], r.TAf[i], r.TAfOverP[i], r.Tolerance[i], r.AdjustedReduction[i]});
    }
    return datasets;
}

void CloseChartDatasets(ChartDatasets& datasets) {
    datasets.dtstFrenteOnda = {};
    datasets.dtstGraficos = {};
}

}  // namespace zelvaro
