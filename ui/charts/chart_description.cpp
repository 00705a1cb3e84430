#include "ui/charts/chart_description.h"

namespace zelvaro {

namespace {

constexpr std::string_view kBottomLabels = "#,##0.0#";
constexpr std::string_view kLeftLabels = "#,##0.0#####";
constexpr std::string_view kFiveDecimals = "#,##0.00000";
constexpr std::string_view kFourDecimals = "#,##0.0000";

constexpr FieldBinding Wavefront(std::string_view y, std::string_view label) {
    return {ChartDatasetId::dtstFrenteOnda, "Hx", y, label};
}

constexpr FieldBinding Aberration(std::string_view x, std::string_view y) {
    return {ChartDatasetId::dtstGraficos, x, y, x};
}

std::array<ChartDescription, 4> BuildCharts() {
    using K = SeriesKind;
    return {{
        {"DBChart1",
         "Frente de onda",
         kChartTitleBlue,
         "Gráfico do perfil de frente de onda",
         9,
         {0, 5},
         {"Hx", kBottomLabels, false},
         {"Frente de Onda", kLeftLabels, false},
         {{"Series1", K::Line, "Curva de referência", kChartGreen, Wavefront("yParabola", "Hx"),
           false, kFiveDecimals, false},
          {"Series2", K::Line, "Frente de onda", kChartRed, Wavefront("y", ""), true,
           kFiveDecimals}}},
        {"DBChart2",
         "Aberração Transversal",
         kChartTitleBlue,
         "Gráfica da aberração transversal",
         10,
         {414, 5},
         {"Hm", kBottomLabels, true},
         {"TAf", kLeftLabels, false},
         {{"LineSeries1", K::Bar, "Aberração transversal", kChartRed, Aberration("Hm", "TAfp"),
           true, kFourDecimals}}},
        {"DBChart3",
         "Millies-LaCroix",
         kChartTitleBlue,
         "Gráfico de Millies-LaCroix",
         11,
         {828, 5},
         {"Hx", kBottomLabels, true},
         {"", kLeftLabels, false},
         {{"BarSeries1", K::Line, "Máxima", kChartGreen, Aberration("Hx", "ToleranciaMaxima"),
           false, kFourDecimals},
          {"Series3", K::Line, "Mínima", kChartGreen, Aberration("Hx", "ToleranciaMinima"), false,
           kFourDecimals},
          {"Series4", K::Line, "Desvio", kChartRed, Aberration("Hx", "Desvio"), true,
           kFourDecimals}}},
        {"DBChart4",
         "Correções",
         kChartTitleBlue,
         "Gráfico das correções",
         12,
         {1242, 6},
         {"Hx", kBottomLabels, true},
         {"Redução ajustada", kLeftLabels, false},
         {{"LineSeries4", K::Line, "Redução", kChartRed, Wavefront("Reducao", "Hx"), true,
           kFourDecimals}}},
    }};
}

}  // namespace

const std::array<ChartDescription, 4>& MainWindowCharts() {
    static const std::array<ChartDescription, 4> charts = BuildCharts();
    return charts;
}

}  // namespace zelvaro
