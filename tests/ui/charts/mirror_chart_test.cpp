#include "mirror_chart_test.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <memory>
#include <vector>

#include "data/project.h"
#include "data/table_schema.h"
#include "format/format_pattern.h"
#include "tests/fixtures/worked_example.h"
#include "ui/charts/mirror_chart.h"

Q_DECLARE_METATYPE(zelvaro::Separators)

namespace zelvaro {

namespace {

using fixtures::ReduceWorkedExample;

// The four charts of the main window over one project.
struct Charts {
    Project project{Separators::brazilian()};
    std::vector<std::unique_ptr<MirrorChart>> charts;

    Charts() {
        for (const ChartDescription& description : MainWindowCharts()) {
            charts.push_back(std::make_unique<MirrorChart>(description));
            charts.back()->resize(406, 276);
        }
    }
    MirrorChart& chart(int index) { return *charts.at(index); }
    void rebuild() {
        for (auto& chart : charts) {
            chart->rebuild(project.mirror().chartDatasets(), project.mirror().separators());
        }
    }
    void reduce() {
        ReduceWorkedExample(project);
        rebuild();
    }
};

QString TwoDecimals(double value) {
    return QString::fromStdString(
        FormatPattern("#,##0.00;-#,##0.00", value, Separators::brazilian()));
}

QByteArray NameOf(const ChartDescription& description) {
    return QByteArray(description.name.data(), static_cast<int>(description.name.size()));
}

void ExpectSamePoints(const MirrorChart& copy, const MirrorChart& source) {
    QCOMPARE(copy.seriesCount(), source.seriesCount());
    for (int series = 0; series < source.seriesCount(); ++series) {
        const auto& expected = source.seriesData(series).points();
        const auto& linked = copy.seriesData(series).points();
        QVERIFY(copy.seriesData(series).isLinked());
        QCOMPARE(linked.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(linked[i].x, expected[i].x);
            QCOMPARE(linked[i].y, expected[i].y);
            QCOMPARE(linked[i].label, expected[i].label);
        }
    }
}

void ExpectEmpty(MirrorChart& chart) {
    for (int series = 0; series < chart.seriesCount(); ++series) {
        QVERIFY(chart.seriesData(series).points().empty());
        QVERIFY(chart.markTexts(series).isEmpty());
    }
    QCOMPARE(chart.legend->itemCount(), chart.seriesCount());
}

// A dataset of the wavefront with the reference curve at 0, 0.5, 1234.5 and 2, and the
// wavefront well away from it.
ChartDatasets KnownCurve() {
    ChartDatasets datasets;
    datasets.dtstFrenteOnda.open = true;
    datasets.dtstFrenteOnda.records = {
        {0, 0, 0, 0}, {10, -1000, 0.5, 0}, {20, -1000, 1234.5, 0}, {30, -1000, 2, 0}};
    return datasets;
}

}  // namespace

void MirrorChartTest::emptyBeforeAnyReduction() {
    Charts charts;
    charts.rebuild();
    for (int chart = 0; chart < 4; ++chart) ExpectEmpty(charts.chart(chart));
    auto* item = qobject_cast<QCPPlottableLegendItem*>(charts.chart(2).legend->item(1));
    QVERIFY(item);
    QCOMPARE(item->plottable()->name(), QString("Mínima"));
}

void MirrorChartTest::seriesAfterReduction_data() {
    QTest::addColumn<int>("chart");
    QTest::addColumn<int>("series");
    QTest::addColumn<bool>("origin");  // the mirror's centre comes first
    QTest::newRow("Curva de referência") << 0 << 0 << true;
    QTest::newRow("Frente de onda") << 0 << 1 << true;
    QTest::newRow("Aberração transversal") << 1 << 0 << false;
    QTest::newRow("Máxima") << 2 << 0 << false;
    QTest::newRow("Mínima") << 2 << 1 << false;
    QTest::newRow("Desvio") << 2 << 2 << false;
    QTest::newRow("Redução") << 3 << 0 << true;
}

void MirrorChartTest::seriesAfterReduction() {
    QFETCH(int, chart);
    QFETCH(int, series);
    QFETCH(bool, origin);
    Charts charts;
    charts.reduce();
    const ZoneGeometry& geometry = charts.project.mirror().geometry();
    const ReductionResult& result = charts.project.mirror().result();
    const std::vector<ChartPoint>& points = charts.chart(chart).seriesData(series).points();
    const std::size_t first = origin ? 1 : 0;
    QCOMPARE(points.size(), 5 + first);
    if (origin) {
        QCOMPARE(points[0].x, 0.0);
        QCOMPARE(points[0].y, 0.0);
    }
    const std::vector<double>* expectedY[4][3] = {
        {&result.ParabolaWavefront, &result.Wavefront},
        {&result.TAfOverP},
        {&result.Tolerance, nullptr, &result.AdjustedReduction},
        {&result.AdjustedReduction}};
    const std::vector<double>& xs = chart == 1 ? geometry.Hm : geometry.Hx;
    const bool labelled = !(chart == 0 && series == 1);
    for (std::size_t zone = 0; zone < 5; ++zone) {
        const ChartPoint& point = points[zone + first];
        QCOMPARE(point.x, xs[zone]);
        const double y = chart == 2 && series == 1 ? -result.Tolerance[zone]
                         : chart == 3              ? -result.AdjustedReduction[zone]
                                                   : (*expectedY[chart][series])[zone];
        QCOMPARE(point.y, y);
        QCOMPARE(QString::fromStdString(point.label), labelled ? TwoDecimals(xs[zone]) : "");
    }
}

void MirrorChartTest::bottomAxisShowsTheLabels() {
    Charts charts;
    charts.reduce();
    const ZoneGeometry& geometry = charts.project.mirror().geometry();
    QStringList hx{"0,00"};
    QStringList hm;
    for (int zone = 0; zone < 5; ++zone) {
        hx << TwoDecimals(geometry.Hx[zone]);
        hm << TwoDecimals(geometry.Hm[zone]);
    }
    QCOMPARE(charts.chart(0).bottomLabels(), hx);
    QCOMPARE(charts.chart(1).bottomLabels(), hm);
    QCOMPARE(charts.chart(2).bottomLabels(), hx.mid(1));
    QCOMPARE(charts.chart(3).bottomLabels(), hx);
}

void MirrorChartTest::toleranceBandIsSymmetric() {
    Charts charts;
    charts.reduce();
    const auto& maximum = charts.chart(2).seriesData(0).points();
    const auto& minimum = charts.chart(2).seriesData(1).points();
    QCOMPARE(maximum.size(), minimum.size());
    for (std::size_t i = 0; i < maximum.size(); ++i) {
        QCOMPARE(minimum[i].y, -maximum[i].y);
        QVERIFY(maximum[i].y > 0);
    }
}

void MirrorChartTest::emptyAfterZoneCountChange() {
    Charts charts;
    charts.reduce();
    charts.project.mirror().setZoneCount(6);
    charts.rebuild();
    for (int chart = 0; chart < 4; ++chart) ExpectEmpty(charts.chart(chart));
    QCOMPARE(charts.chart(0).bottomLabels(), QStringList());
}

void MirrorChartTest::linkedCopyFollowsItsSource() {
    Charts charts;
    const ChartDescription& description = MainWindowCharts()[0];
    auto copy = std::make_unique<MirrorChart>(description, charts.chart(0));
    charts.reduce();
    ExpectSamePoints(*copy, charts.chart(0));
    QCOMPARE(copy->seriesData(1).points().size(), std::size_t{6});
    QCOMPARE(copy->bottomLabels(), charts.chart(0).bottomLabels());

    charts.project.mirror().setZoneCount(3);
    charts.rebuild();
    ExpectEmpty(*copy);

    // The copy's own rebuild takes nothing from the datasets.
    charts.reduce();
    copy->rebuild(ChartDatasets{}, Separators::brazilian());
    QCOMPARE(copy->seriesData(1).points().size(), std::size_t{6});

    // A source that goes leaves the copy with its last points.
    charts.charts.at(0).reset();
    QCOMPARE(copy->seriesData(1).points().size(), std::size_t{6});
}

// Each copy, even a copy of a copy, redraws once per rebuild of a three-series source.
void MirrorChartTest::linkedCopiesRedrawOncePerRebuild() {
    Charts charts;
    MirrorChart& source = charts.chart(2);
    QCOMPARE(source.seriesCount(), 3);
    MirrorChart copy(source.description(), source);
    MirrorChart copyOfCopy(source.description(), copy);
    QSignalSpy copyDrawn(&copy, &QCustomPlot::afterReplot);
    QSignalSpy copyOfCopyDrawn(&copyOfCopy, &QCustomPlot::afterReplot);
    ReduceWorkedExample(charts.project);
    source.rebuild(charts.project.mirror().chartDatasets(), charts.project.mirror().separators());
    QCOMPARE(copyDrawn.count(), 1);
    QCOMPARE(copyOfCopyDrawn.count(), 1);
    QCOMPARE(copyOfCopy.markTexts(2), source.markTexts(2));
    QCOMPARE(copyOfCopy.bottomLabels(), source.bottomLabels());
}

void MirrorChartTest::marksSwitchPersistsAcrossRebuilds() {
    Charts charts;
    charts.reduce();
    MirrorChart& wavefront = charts.chart(0);
    QCOMPARE(wavefront.markTexts(0), QStringList());
    QCOMPARE(wavefront.markTexts(1).size(), 6);
    QCOMPARE(wavefront.markTexts(1).first(), QString("0,00000"));
    QCOMPARE(charts.chart(2).markTexts(2).size(), 5);

    wavefront.setMarksVisible(false);
    QCOMPARE(wavefront.markTexts(1), QStringList());
    charts.reduce();
    QVERIFY(!wavefront.marksVisible());
    QCOMPARE(wavefront.markTexts(1), QStringList());
    QCOMPARE(charts.chart(2).markTexts(2).size(), 5);

    wavefront.setMarksVisible(true);
    QCOMPARE(wavefront.markTexts(1).size(), 6);
    QCOMPARE(wavefront.markTexts(0), QStringList());
}

void MirrorChartTest::valueFormatReachesTheMarks() {
    MirrorChart chart(MainWindowCharts()[3]);
    ChartDatasets datasets = KnownCurve();
    datasets.dtstFrenteOnda.records[1].Reducao = 0.123456;
    chart.rebuild(datasets, Separators::brazilian());
    QCOMPARE(chart.markTexts(0).at(1), QString("0,1235"));
    chart.setValueFormat("#.##0E+00;-#.##0E-00");
    QCOMPARE(chart.markTexts(0).at(1), QString("1,235E-01"));
    chart.rebuild(datasets, Separators::english());
    QCOMPARE(chart.markTexts(0).at(1), QString("1.235E-01"));
}

void MirrorChartTest::pressReadsTheValue_data() {
    QTest::addColumn<Separators>("separators");
    QTest::addColumn<int>("point");
    QTest::addColumn<bool>("onSegment");  // press halfway to the next point
    QTest::addColumn<QString>("tooltip");
    const Separators br = Separators::brazilian();
    const Separators en = Separators::english();
    QTest::newRow("one half") << br << 1 << false << "0,500000";
    QTest::newRow("one half, English") << en << 1 << false << "0.500000";
    QTest::newRow("grouping") << br << 2 << false << "1.234,500000";
    QTest::newRow("grouping, English") << en << 2 << false << "1,234.500000";
    QTest::newRow("segment gives its left point") << br << 2 << true << "1.234,500000";
}

void MirrorChartTest::pressReadsTheValue() {
    QFETCH(Separators, separators);
    QFETCH(int, point);
    QFETCH(bool, onSegment);
    QFETCH(QString, tooltip);
    MirrorChart chart(MainWindowCharts()[0]);
    chart.setMarksVisible(false);
    chart.resize(406, 276);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    chart.rebuild(KnownCurve(), separators);
    QSignalSpy clicked(&chart, &MirrorChart::seriesClicked);
    const auto pixels = chart.drawnSeries().at(0).points;
    QPointF at(pixels[point].x, pixels[point].y);
    if (onSegment) at = (at + QPointF(pixels[point + 1].x, pixels[point + 1].y)) / 2;
    QTest::mousePress(&chart, Qt::LeftButton, {}, at.toPoint());
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, at.toPoint());
    QCOMPARE(chart.toolTip(), tooltip);
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked[0][0].toInt(), 0);
    QCOMPARE(clicked[0][1].toInt(), point);
    chart.rebuild(KnownCurve(), separators);
    QCOMPARE(chart.toolTip(), tooltip);
}

void MirrorChartTest::pressOffTheSeriesKeepsTheHint() {
    MirrorChart chart(MainWindowCharts()[0]);
    chart.resize(406, 276);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    chart.rebuild(KnownCurve(), Separators::brazilian());
    QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(chart.toolTip(), QString("Gráfico do perfil de frente de onda"));
}

void MirrorChartTest::rubberBandZoomsAndRestores() {
    MirrorChart chart(MainWindowCharts()[0]);
    chart.setMarksVisible(false);
    chart.resize(406, 276);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    chart.rebuild(KnownCurve(), Separators::brazilian());
    const QCPRange full = chart.xAxis->range();
    const QRect plot = chart.axisRect()->rect();
    const QPoint from = plot.topLeft() + QPoint(5, 5);
    const auto drag = [&chart](QPoint start, QPoint end) {
        QTest::mousePress(&chart, Qt::LeftButton, {}, start);
        QTest::mouseMove(&chart, end);
        QTest::mouseRelease(&chart, Qt::LeftButton, {}, end);
    };
    drag(from, from + QPoint(60, 60));
    QVERIFY(chart.xAxis->range().size() < full.size() / 2);
    drag(from + QPoint(60, 60), from);
    QCOMPARE(chart.xAxis->range(), full);
    drag(from, from + QPoint(16, 60));
    QCOMPARE(chart.xAxis->range(), full);
}

void MirrorChartTest::resultsChartFollowsItsMainChart_data() {
    QTest::addColumn<int>("chart");
    for (int chart = 0; chart < 4; ++chart) {
        QTest::newRow(NameOf(ResultsWindowCharts()[chart])) << chart;
    }
}

void MirrorChartTest::resultsChartFollowsItsMainChart() {
    QFETCH(int, chart);
    Charts charts;
    MirrorChart& main = charts.chart(chart);
    MirrorChart results(ResultsWindowCharts()[chart], main);
    results.resize(406, 276);
    charts.reduce();
    ExpectSamePoints(results, main);
    QVERIFY(!results.seriesData(0).points().empty());
    QCOMPARE(results.bottomLabels(), main.bottomLabels());

    charts.project.mirror().setZoneCount(6);
    charts.rebuild();
    ExpectEmpty(results);
    QCOMPARE(results.bottomLabels(), QStringList());
}

void MirrorChartTest::resultsMarksIgnoreTheMainSwitch() {
    Charts charts;
    std::vector<std::unique_ptr<MirrorChart>> results;
    for (int chart = 0; chart < 4; ++chart) {
        results.push_back(
            std::make_unique<MirrorChart>(ResultsWindowCharts()[chart], charts.chart(chart)));
    }
    charts.reduce();
    std::vector<QStringList> shown;
    for (int chart = 0; chart < 4; ++chart) {
        for (int series = 0; series < charts.chart(chart).seriesCount(); ++series) {
            shown.push_back(charts.chart(chart).markTexts(series));
        }
        charts.chart(chart).setMarksVisible(false);
    }
    charts.reduce();
    std::size_t next = 0;
    for (int chart = 0; chart < 4; ++chart) {
        for (int series = 0; series < results[chart]->seriesCount(); ++series) {
            const bool valueSeries = ResultsWindowCharts()[chart].series[series].valueSeries;
            QCOMPARE(charts.chart(chart).markTexts(series), QStringList());
            QCOMPARE(results[chart]->markTexts(series).isEmpty(), !valueSeries);
            QCOMPARE(results[chart]->markTexts(series), shown.at(next++));
        }
    }
}

// A copy shows the source's separators, and its own number pattern where it has one.
void MirrorChartTest::copyMarksReadAsTheirOwnFormatSays_data() {
    QTest::addColumn<QString>("copyFormat");  // empty: the source's
    QTest::addColumn<Separators>("separators");
    QTest::addColumn<QString>("mark");
    const Separators br = Separators::brazilian();
    const Separators en = Separators::english();
    QTest::newRow("source's format") << "" << br << "1.234,5000";
    QTest::newRow("source's format, English") << "" << en << "1,234.5000";
    QTest::newRow("own format") << "#,##0.0" << br << "1.234,5";
    QTest::newRow("own format, English") << "#,##0.0" << en << "1,234.5";
}

void MirrorChartTest::copyMarksReadAsTheirOwnFormatSays() {
    QFETCH(QString, copyFormat);
    QFETCH(Separators, separators);
    QFETCH(QString, mark);
    MirrorChart main(MainWindowCharts()[3]);
    MirrorChart results(ResultsWindowCharts()[3], main);
    if (!copyFormat.isEmpty()) results.setValueFormat(copyFormat.toStdString());
    ChartDatasets datasets = KnownCurve();
    datasets.dtstFrenteOnda.records[2].Reducao = 1234.5;
    main.rebuild(datasets, separators);
    QCOMPARE(results.markTexts(0).at(2), mark);
}

// On the main chart a press on a series reads its value and starts no drag; on the results
// chart it is the start of an ordinary rubber band.
void MirrorChartTest::pressOnASeries_data() {
    QTest::addColumn<bool>("onResults");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("zooms");
    QTest::newRow("main") << false << "0,500000" << 1 << false;
    QTest::newRow("results") << true << "" << 0 << true;
}

void MirrorChartTest::pressOnASeries() {
    QFETCH(bool, onResults);
    QFETCH(QString, tooltip);
    QFETCH(int, clicks);
    QFETCH(bool, zooms);
    MirrorChart main(MainWindowCharts()[0]);
    MirrorChart results(ResultsWindowCharts()[0], main);
    MirrorChart& chart = onResults ? results : main;
    chart.resize(406, 276);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    main.rebuild(KnownCurve(), Separators::brazilian());
    QSignalSpy clicked(&chart, &MirrorChart::seriesClicked);
    const QCPRange full = chart.xAxis->range();
    const PixelPoint pixel = chart.drawnSeries().at(0).points.at(1);
    const QPoint at = QPointF(pixel.x, pixel.y).toPoint();
    QTest::mousePress(&chart, Qt::LeftButton, {}, at);
    QTest::mouseMove(&chart, at + QPoint(60, 60));
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, at + QPoint(60, 60));
    QCOMPARE(chart.toolTip(), tooltip);
    QCOMPARE(clicked.size(), clicks);
    QCOMPARE(chart.xAxis->range().size() < full.size() / 2, zooms);
}

void MirrorChartTest::rightClickReachesTheHoldersMenu_data() {
    QTest::addColumn<bool>("onResults");
    QTest::addColumn<int>("drag");  // pixels the pointer moves before the release
    QTest::addColumn<int>("menus");
    QTest::newRow("main") << false << 0 << 1;
    QTest::newRow("main, scrolling") << false << 40 << 0;
    QTest::newRow("results") << true << 0 << 0;
}

void MirrorChartTest::rightClickReachesTheHoldersMenu() {
    QFETCH(bool, onResults);
    QFETCH(int, drag);
    QFETCH(int, menus);
    QWidget holder;
    holder.setContextMenuPolicy(Qt::CustomContextMenu);
    MirrorChart main(MainWindowCharts()[0], onResults ? nullptr : &holder);
    MirrorChart results(ResultsWindowCharts()[0], main, onResults ? &holder : nullptr);
    MirrorChart& chart = onResults ? results : main;
    chart.setGeometry(10, 20, 406, 276);
    holder.resize(420, 300);
    holder.show();
    QVERIFY(QTest::qWaitForWindowExposed(&holder));
    QSignalSpy requested(&holder, &QWidget::customContextMenuRequested);
    const QPoint at(30, 30);
    QTest::mousePress(&chart, Qt::RightButton, {}, at);
    QTest::mouseMove(&chart, at + QPoint(drag, 0));
    QTest::mouseRelease(&chart, Qt::RightButton, {}, at + QPoint(drag, 0));
    QCOMPARE(requested.size(), menus);
    if (menus > 0) QCOMPARE(requested[0][0].toPoint(), QPoint(40, 50));
}

void MirrorChartTest::resultsLeftAxisHasItsOwnFormat_data() {
    QTest::addColumn<int>("chart");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("DBChart1") << 0 << "Frente de Onda"
                              << "#,##0.###";
    QTest::newRow("DBChart2") << 1 << "TAf"
                              << "#,##0.#";
    QTest::newRow("DBChart3") << 2 << ""
                              << "#,##0.#";
    QTest::newRow("DBChart4") << 3 << "Redução ajustada"
                              << "#,##0.###";
}

void MirrorChartTest::resultsLeftAxisHasItsOwnFormat() {
    QFETCH(int, chart);
    QFETCH(QString, title);
    QFETCH(QString, pattern);
    Charts charts;
    MirrorChart results(ResultsWindowCharts()[chart], charts.chart(chart));
    results.resize(406, 276);
    charts.reduce();
    QCOMPARE(results.yAxis->label(), title);
    const QVector<double> ticks = results.yAxis->tickVector();
    const QVector<QString> labels = results.yAxis->tickVectorLabels();
    QVERIFY(ticks.size() > 1);
    for (int i = 0; i < ticks.size(); ++i) {
        QCOMPARE(labels[i], QString::fromStdString(FormatPattern(pattern.toStdString(), ticks[i],
                                                                 Separators::brazilian())));
    }
}

}  // namespace zelvaro
