#include "chart_rules_test.h"

#include <QTest>
#include <optional>
#include <vector>

#include "ui/charts/chart_description.h"
#include "ui/charts/drag_zoom.h"
#include "ui/charts/label_axis.h"
#include "ui/charts/pattern_ticker.h"
#include "ui/charts/point_hit.h"
#include "ui/charts/series_binding.h"

Q_DECLARE_METATYPE(zelvaro::DragOutcome)
Q_DECLARE_METATYPE(zelvaro::Separators)

namespace zelvaro {

void ChartRulesTest::rubberBand_data() {
    QTest::addColumn<int>("across");
    QTest::addColumn<int>("down");
    QTest::addColumn<DragOutcome>("outcome");
    QTest::newRow("lower right") << 17 << 17 << DragOutcome::ZoomIn;
    QTest::newRow("16 across is too short") << 16 << 40 << DragOutcome::Nothing;
    QTest::newRow("16 down is too short") << 40 << 16 << DragOutcome::Nothing;
    QTest::newRow("upper left") << -17 << -17 << DragOutcome::FullView;
    QTest::newRow("upper right") << 40 << -40 << DragOutcome::FullView;
    QTest::newRow("lower left") << -40 << 40 << DragOutcome::FullView;
    QTest::newRow("short upper left") << -10 << -40 << DragOutcome::Nothing;
}

void ChartRulesTest::rubberBand() {
    QFETCH(int, across);
    QFETCH(int, down);
    QFETCH(DragOutcome, outcome);
    QCOMPARE(RubberBandOutcome(100, 80, 100 + across, 80 + down), outcome);
}

namespace {

// Series 0: a line through (10,100) (30,60) (50,60); series 1: a line through (30,60)
// (70,20); series 2: bars at x 100 and 140, 10 pixels wide, zero at y 100, one up to 40 and
// one down to 130.
std::vector<DrawnSeries> ThreeSeries() {
    return {
        {SeriesKind::Line, {{10, 100}, {30, 60}, {50, 60}}, 0, 0},
        {SeriesKind::Line, {{30, 60}, {70, 20}}, 0, 0},
        {SeriesKind::Bar, {{100, 40}, {140, 130}}, 100, 5},
    };
}

}  // namespace

void ChartRulesTest::hitSeries_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("series");  // -1: no hit
    QTest::addColumn<int>("point");
    QTest::newRow("marker") << 10.0 << 100.0 << 0 << 0;
    QTest::newRow("marker's corner") << 52.0 << 58.0 << 0 << 2;
    QTest::newRow("segment gives its left point") << 40.0 << 61.0 << 0 << 1;
    QTest::newRow("steep segment") << 20.0 << 80.0 << 0 << 0;
    QTest::newRow("shared point: higher series wins") << 30.0 << 60.0 << 1 << 0;
    QTest::newRow("near the line but off it") << 40.0 << 66.0 << -1 << 0;
    QTest::newRow("bar above zero") << 104.0 << 70.0 << 2 << 0;
    QTest::newRow("bar below zero") << 137.0 << 120.0 << 2 << 1;
    QTest::newRow("above a bar") << 100.0 << 35.0 << -1 << 0;
    QTest::newRow("between bars") << 120.0 << 100.0 << -1 << 0;
}

void ChartRulesTest::hitSeries() {
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(int, series);
    QFETCH(int, point);
    const std::optional<SeriesHit> hit = HitSeries(ThreeSeries(), {x, y});
    QCOMPARE(hit.has_value(), series >= 0);
    if (!hit) return;
    QCOMPARE(hit->series, series);
    QCOMPARE(hit->point, point);
}

void ChartRulesTest::tickLabels_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<Separators>("separators");
    QTest::addColumn<bool>("multiLine");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("label");
    const Separators br = Separators::brazilian();
    const Separators en = Separators::english();
    QTest::newRow("left axis") << "#,##0.0#####" << br << false << 0.5 << "0,5";
    QTest::newRow("left axis, long") << "#,##0.0#####" << br << false << 1234.5678 << "1.234,5678";
    QTest::newRow("left axis, English")
        << "#,##0.0#####" << en << false << 1234.5678 << "1,234.5678";
    QTest::newRow("near zero") << "#,##0.0#####" << br << false << -1e-17 << "0,0";
    QTest::newRow("bottom axis") << "#,##0.0#" << br << false << 1.0 << "1,0";
    QTest::newRow("blanks break lines") << "#,##0.00; -#,##0.00" << br << true << -1.5 << "\n-1,50";
    QTest::newRow("blanks kept") << "#,##0.00; -#,##0.00" << br << false << -1.5 << " -1,50";
}

void ChartRulesTest::tickLabels() {
    QFETCH(QString, pattern);
    QFETCH(Separators, separators);
    QFETCH(bool, multiLine);
    QFETCH(double, value);
    QFETCH(QString, label);
    PatternTicker ticker(pattern.toStdString(), separators);
    ticker.setMultiLine(multiLine);
    QCOMPARE(ticker.labelOf(value), label);
}

void ChartRulesTest::tickerFeedsTheAxis() {
    PatternTicker ticker("#,##0.0#", Separators::brazilian());
    ticker.setTickCount(4);
    QVector<double> ticks;
    QVector<QString> labels;
    ticker.generate(QCPRange(0, 3000), QLocale::c(), 'g', 6, ticks, nullptr, &labels);
    QVERIFY(!ticks.isEmpty());
    QCOMPARE(labels.size(), ticks.size());
    for (int i = 0; i < ticks.size(); ++i) QCOMPARE(labels[i], ticker.labelOf(ticks[i]));
    QVERIFY(labels.contains("1.000,0"));
}

void ChartRulesTest::labelAxisDrawsAsThePlainAxis_data() {
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<int>("fontPixels");
    QTest::newRow("one line") << QStringList{"0,00", "44,72", "1.063,25", "-0,5"} << 9;
    QTest::newRow("several lines") << QStringList{"12,5", "1\n234,5", "a\nb\nc", "x "} << 9;
    QTest::newRow("larger font") << QStringList{"7", "77,7", "7\n7"} << 13;
    QTest::newRow("crowded") << QStringList{"10", "11", "12", "13", "14", "15", "16", "17"} << 9;
    // Several labels and grid lines to a pixel column.
    QStringList thousand;
    for (int i = 0; i < 1000; ++i) thousand << QString::number(i) + QStringLiteral(",25");
    QTest::newRow("a thousand") << thousand << 9;
}

// Drawn twice in a row, so the second drawing is the one from the kept layouts.
void ChartRulesTest::labelAxisDrawsAsThePlainAxis() {
    QFETCH(QStringList, labels);
    QFETCH(int, fontPixels);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(fontPixels);
    QSharedPointer<QCPAxisTickerText> ticker(new QCPAxisTickerText);
    for (int i = 0; i < labels.size(); ++i) ticker->addTick(i * 1.37, labels[i]);
    std::vector<QImage> images;
    for (const bool replaced : {false, true}) {
        QCustomPlot plot;
        plot.resize(300, 200);
        plot.setPlottingHint(QCP::phCacheLabels, false);
        if (replaced) ReplaceBottomAxis(plot);
        plot.xAxis->setTicker(ticker);
        plot.xAxis->setTickLabelFont(font);
        plot.xAxis->setRange(-0.5, labels.size() * 1.37);
        plot.replot();
        plot.replot();
        images.push_back(plot.toPixmap(300, 200).toImage());
    }
    QCOMPARE(images[1], images[0]);
}

void ChartRulesTest::everyBindingNamesFieldsOfItsDataset() {
    ChartDatasets datasets;
    datasets.dtstFrenteOnda = {true, {{}}};
    datasets.dtstGraficos = {true, {{}}};
    for (const ChartDescription& chart : MainWindowCharts()) {
        for (const SeriesDescription& series : chart.series) {
            const auto points = PointsOf(series.binding, datasets, Separators::brazilian());
            QCOMPARE(points.size(), std::size_t{1});
            QCOMPARE(points[0].label.empty(), series.binding.labelField.empty());
        }
    }
    const FieldBinding wrong{ChartDatasetId::dtstFrenteOnda, "Hx", "Desvio", ""};
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             PointsOf(wrong, datasets, Separators::brazilian()));
}

void ChartRulesTest::valueSeriesAreTheOnesTheMarksSwitchTurns() {
    const int expected[] = {1, 0, 2, 0};
    for (int chart = 0; chart < 4; ++chart) {
        const auto& series = MainWindowCharts()[chart].series;
        for (int index = 0; index < static_cast<int>(series.size()); ++index) {
            QCOMPARE(series[index].valueSeries, index == expected[chart]);
        }
    }
}

}  // namespace zelvaro
