// The four charts of the main window over a reduced 999-zone project, shown offscreen at
// 406 x 276: rebuilt from the chart datasets and painted, with the marks on and off, alone
// and with four linked copies following them. A reduction refreshes all eight in under 100 ms.
//
// With --png=<dir> the charts of the five-zone example and of the 999-zone project are
// written there as PNG files instead, to compare by eye before and after a change.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QWidget>
#include <memory>
#include <random>
#include <vector>

#include "bench/large_project.h"
#include "data/project.h"
#include "data/table_schema.h"
#include "tests/fixtures/worked_example.h"
#include "ui/charts/mirror_chart.h"

namespace zelvaro {
namespace {

// D 400, R 3200, 999 zones and one row of readings scattered around the theoretical ones.
void ReduceLargeMirror(Project& project) {
    Mirror& mirror = project.mirror();
    mirror.setD(400);
    mirror.setR(3200);
    mirror.setZoneCount(kZones);
    const std::vector<double>& ideal = mirror.geometry().Ac;
    MeasurementTable& table = project.table();
    table.append();
    std::mt19937_64 random(2024);
    std::uniform_real_distribution<double> error(-0.02, 0.02);
    for (int zone = 0; zone < kZones; ++zone) {
        table.setNumber(TableSchema::zoneColumn(zone), ideal[zone] + error(random));
    }
    table.post();
    project.reduce();
}

// The four charts side by side in one shown window, optionally with four linked copies in
// a second one.
struct ShownCharts {
    QWidget window;
    QWidget copyWindow;
    std::vector<std::unique_ptr<MirrorChart>> charts;
    std::vector<std::unique_ptr<MirrorChart>> copies;

    explicit ShownCharts(bool withCopies) {
        for (const ChartDescription& description : MainWindowCharts()) {
            const ChartPlacement& at = description.placement;
            charts.push_back(std::make_unique<MirrorChart>(description, &window));
            charts.back()->setGeometry(at.x, at.y, at.width, at.height);
            if (withCopies) {
                copies.push_back(
                    std::make_unique<MirrorChart>(description, *charts.back(), &copyWindow));
                copies.back()->setGeometry(at.x, at.y, at.width, at.height);
            }
        }
        show(window);
        if (withCopies) show(copyWindow);
    }
    static void show(QWidget& w) {
        w.resize(1650, 290);
        w.show();
        if (!QTest::qWaitForWindowExposed(&w)) qFatal("the charts never showed");
    }
    void setMarksVisible(bool visible) {
        for (auto& chart : charts) chart->setMarksVisible(visible);
    }
    void rebuild(const Project& project) {
        for (auto& chart : charts) {
            chart->rebuild(project.mirror().chartDatasets(), project.mirror().separators());
        }
    }
    void paint() {
        window.repaint();
        if (!copies.empty()) copyWindow.repaint();
    }
};

const Project& LargeProject() {
    static Project* project = [] {
        auto* reduced = new Project(Separators::brazilian(), fixedClock);
        ReduceLargeMirror(*reduced);
        return reduced;
    }();
    return *project;
}

void RebuildAndPaint(benchmark::State& state, bool withCopies) {
    const Project& project = LargeProject();
    ShownCharts shown(withCopies);
    shown.setMarksVisible(state.range(0) != 0);
    for (auto _ : state) {
        shown.rebuild(project);
        shown.paint();
    }
    state.SetLabel(state.range(0) != 0 ? "marks on" : "marks off");
}

void FourCharts(benchmark::State& state) {
    RebuildAndPaint(state, false);
}
BENCHMARK(FourCharts)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

void FourChartsAndLinkedCopies(benchmark::State& state) {
    RebuildAndPaint(state, true);
}
BENCHMARK(FourChartsAndLinkedCopies)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

void WritePng(const Project& project, const QString& dir, const QString& prefix) {
    ShownCharts shown(false);
    shown.rebuild(project);
    shown.paint();
    for (std::size_t i = 0; i < shown.charts.size(); ++i) {
        shown.charts[i]->grab().save(
            QDir(dir).filePath(QStringLiteral("%1-chart%2.png").arg(prefix).arg(i + 1)));
    }
}

void WritePngs(const QString& dir) {
    QDir().mkpath(dir);
    Project small(Separators::brazilian(), fixedClock);
    fixtures::ReduceWorkedExample(small);
    WritePng(small, dir, QStringLiteral("5zones"));
    WritePng(LargeProject(), dir, QStringLiteral("999zones"));
}

}  // namespace
}  // namespace zelvaro

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString pngOption = QStringLiteral("--png=");
    for (const QString& argument : QCoreApplication::arguments()) {
        if (argument.startsWith(pngOption)) {
            zelvaro::WritePngs(argument.mid(pngOption.size()));
            return 0;
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
