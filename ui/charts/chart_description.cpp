#include "ui/charts/chart_description.h"

namespace zelvaro {

namespace {

constexpr std::string_view kBottomLabels = "#,##0.0#";
constexpr std::string_view kLeftLabels = "#,##0.0#####";
// The results window's axes.
constexpr std::string_view kUpToThree = "#,##0.###";
constexpr std::string_view kUpToOne = "#,##0.#";
constexpr std::string_view kFiveDecimals = "#,##0.00000";
constexpr std::string_view kFourDecimals = "#,##0.0000";

constexpr FieldBinding Wavefront(std::string_view y, std::string_view label) {
    return {ChartDatasetId::dtstFrenteOnda, "Hx", y, label};
}

constexpr FieldBinding Aberration(std::string_view x, std::string_view y) {
    return {ChartDatasetId::dtstGraficos, x, y, x};
}

// The series of each chart, the same in both windows.
std::array<std::vector<SeriesDescription>, 4> ChartSeries() {
    using K = SeriesKind;
    return {{
        {{"Series1", K::Line, "Curva de referência", kChartGreen, Wavefront("yParabola", "Hx"),
          false, kFiveDecimals, false},
         {"Series2", K::Line, "Frente de onda", kChartRed, Wavefront("y", ""), true,
          kFiveDecimals}},
        {{"LineSeries1", K::Bar, "Aberração transversal", kChartRed, Aberration("Hm", "TAfp"), true,
          kFourDecimals}},
        {{"BarSeries1", K::Line, "Máxima", kChartGreen, Aberration("Hx", "ToleranciaMaxima"), false,
          kFourDecimals},
         {"Series3", K::Line, "Mínima", kChartGreen, Aberration("Hx", "ToleranciaMinima"), false,
          kFourDecimals},
         {"Series4", K::Line, "Desvio", kChartRed, Aberration("Hx", "Desvio"), true,
          kFourDecimals}},
        {{"LineSeries4", K::Line, "Redução", kChartRed, Wavefront("Reducao", "Hx"), true,
          kFourDecimals}},
    }};
}

std::array<ChartDescription, 4> BuildMainCharts() {
    auto series = ChartSeries();
    return {{
        {"DBChart1",
         "Frente de onda",
         kChartTitleBlue,
         "Gráfico do perfil de frente de onda",
         9,
         {0, 5},
         {"Hx", kBottomLabels, false},
         {"Frente de Onda", kLeftLabels, false},
         std::move(series[0])},
        {"DBChart2",
         "Aberração Transversal",
         kChartTitleBlue,
         "Gráfica da aberração transversal",
         10,
         {414, 5},
         {"Hm", kBottomLabels, true},
         {"TAf", kLeftLabels, false},
         std::move(series[1])},
        {"DBChart3",
         "Millies-LaCroix",
         kChartTitleBlue,
         "Gráfico de Millies-LaCroix",
         11,
         {828, 5},
         {"Hx", kBottomLabels, true},
         {"", kLeftLabels, false},
         std::move(series[2])},
        {"DBChart4",
         "Correções",
         kChartTitleBlue,
         "Gráfico das correções",
         12,
         {1242, 6},
         {"Hx", kBottomLabels, true},
         {"Redução ajustada", kLeftLabels, false},
         std::move(series[3])},
    }};
}

std::array<ChartDescription, 4> BuildResultsCharts() {
    auto series = ChartSeries();
    constexpr bool kReadsClickedValues = false;
    constexpr bool kHasContextMenu = false;
    return {{
        {"DBChart1",
         "Frente de onda",
         kChartTitleBlack,
         "",
         0,
         {15, 35},
         {"Hx", kUpToThree, false},
         {"Frente de Onda", kUpToThree, false},
         std::move(series[0]),
         kReadsClickedValues,
         kHasContextMenu},
        {"DBChart2",
         "Aberração Transversal",
         kChartTitleBlack,
         "",
         0,
         {425, 35},
         {"Hm", kUpToOne, true},
         {"TAf", kUpToOne, false},
         std::move(series[1]),
         kReadsClickedValues,
         kHasContextMenu},
        {"DBChart3",
         "Millies-LaCroix",
         kChartTitleBlack,
         "",
         0,
         {15, 315},
         {"Hx", kUpToOne, true},
         {"", kUpToOne, false},
         std::move(series[2]),
         kReadsClickedValues,
         kHasContextMenu},
        {"DBChart4",
         "Correções",
         kChartTitleBlack,
         "",
         0,
         {425, 315},
         {"Hx", kUpToThree, true},
         {"Redução ajustada", kUpToThree, false},
         std::move(series[3]),
         kReadsClickedValues,
         kHasContextMenu},
    }};
}

}  // namespace

const std::array<ChartDescription, 4>& MainWindowCharts() {
    static const std::array<ChartDescription, 4> charts = BuildMainCharts();
    return charts;
}

const std::array<ChartDescription, 4>& ResultsWindowCharts() {
    static const std::array<ChartDescription, 4> charts = BuildResultsCharts();
    return charts;
}

}  // namespace zelvaro
