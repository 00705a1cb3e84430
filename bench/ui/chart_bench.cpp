// The four charts of the main window over a reduced 999-zone project, shown offscreen at
// 406 x 276: rebuilt from the chart datasets and painted, with the marks on and off, alone
// and with the results window's four linked copies following them (their marks always on).
// A reduction refreshes all eight in under 100 ms.
//
// With --png=<dir> the main and results charts of the five-zone example and of the 999-zone
// project are written there as PNG files instead, to compare by eye before and after a
// change.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QSize>
#include <QTest>
#include <QWidget>
#include <cstdint>
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

// D 400, R 3200, 999 zones and one row of readings scattered around the theoretical ones,
// differently for each seed.
void ReduceLargeMirror(Project& project, std::uint64_t seed = 2024) {
    Mirror& mirror = project.mirror();
    mirror.setD(400);
    mirror.setR(3200);
    mirror.setZoneCount(kZones);
    const std::vector<double>& ideal = mirror.geometry().Ac;
    MeasurementTable& table = project.table();
    table.append();
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> error(-0.02, 0.02);
    for (int zone = 0; zone < kZones; ++zone) {
        table.setNumber(TableSchema::zoneColumn(zone), ideal[zone] + error(random));
    }
    table.post();
    project.reduce();
}

// The four charts side by side in one shown window, optionally with the results window's
// four linked copies in a second one.
struct ShownCharts {
    QWidget window;
    QWidget copyWindow;
    std::vector<std::unique_ptr<MirrorChart>> charts;
    std::vector<std::unique_ptr<MirrorChart>> copies;

    explicit ShownCharts(bool withCopies) {
        for (std::size_t i = 0; i < MainWindowCharts().size(); ++i) {
            charts.push_back(std::make_unique<MirrorChart>(MainWindowCharts()[i], &window));
            place(*charts.back());
            if (withCopies) {
                copies.push_back(std::make_unique<MirrorChart>(ResultsWindowCharts()[i],
                                                               *charts.back(), &copyWindow));
                place(*copies.back());
            }
        }
        show(window, QSize(1650, 290));
        if (withCopies) show(copyWindow, QSize(846, 821));
    }
    static void place(MirrorChart& chart) {
        const ChartPlacement& at = chart.description().placement;
        chart.setGeometry(at.x, at.y, at.width, at.height);
    }
    static void show(QWidget& w, QSize size) {
        w.resize(size);
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

// Reductions of the same mirror from other readings: each shows other values in other places.
const std::vector<std::unique_ptr<Project>>& OtherReductions() {
    static const auto projects = [] {
        std::vector<std::unique_ptr<Project>> reduced;
        for (std::uint64_t seed = 1; seed <= 16; ++seed) {
            reduced.push_back(std::make_unique<Project>(Separators::brazilian(), fixedClock));
            ReduceLargeMirror(*reduced.back(), seed);
        }
        return reduced;
    }();
    return projects;
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

// Each refresh shows a new reduction, so nothing drawn before comes back as it was.
void FourChartsAndLinkedCopiesNewValues(benchmark::State& state) {
    const auto& projects = OtherReductions();
    ShownCharts shown(true);
    std::size_t next = 0;
    for (auto _ : state) {
        shown.rebuild(*projects[next++ % projects.size()]);
        shown.paint();
    }
    state.SetLabel("marks on");
}
BENCHMARK(FourChartsAndLinkedCopiesNewValues)->Unit(benchmark::kMillisecond)->UseRealTime();

void WritePng(const Project& project, const QString& dir, const QString& prefix) {
    ShownCharts shown(true);
    shown.rebuild(project);
    shown.paint();
    for (std::size_t i = 0; i < shown.charts.size(); ++i) {
        shown.charts[i]->grab().save(
            QDir(dir).filePath(QStringLiteral("%1-chart%2.png").arg(prefix).arg(i + 1)));
        shown.copies[i]->grab().save(
            QDir(dir).filePath(QStringLiteral("%1-results%2.png").arg(prefix).arg(i + 1)));
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
