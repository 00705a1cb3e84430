#include <benchmark/benchmark.h>

#include <cmath>

#include "core/compute_reduction.h"
#include "core/mirror.h"
#include "core/reduction_table.h"

namespace zelvaro {
namespace {

// A table without rows: every reading is 0 and nothing is stored.
class NoRows : public MeasurementRows {
  public:
    void rebuild(int) override {}
    int rowCount() const override { return 0; }
    bool isBrowsing() const override { return true; }
    void edit() override {}
    void post() override {}
    std::optional<double> reading(int) const override { return std::nullopt; }
    std::optional<double> constantK() const override { return std::nullopt; }
    std::optional<double> parabolaZone() const override { return std::nullopt; }
    void setConstantK(double) override {}
    void setParabolaZone(int) override {}
};

// A 400 mm f/4 mirror of 999 zones, reset and wired as its owner leaves it.
struct LargeMirror {
    NoRows rows;
    Mirror mirror{rows};
    Readings readings;

    LargeMirror() {
        mirror.ResetToDefaults();
        mirror.setD(400);
        mirror.setR(3200);
        mirror.setZoneCount(999);
        const ZoneGeometry& g = mirror.geometry();
        for (std::size_t i = 0; i < g.Ac.size(); ++i) {
            readings.push_back(g.Ac[i] + 1e-4 * std::sin(0.01 * static_cast<double>(i)));
        }
    }
    MirrorParameters parameters() const {
        MirrorParameters parameters = mirror.parameters();
        parameters.ParabolaZoneIndex = 998;
        return parameters;
    }
};

void BM_ComputeReduction999Zones(benchmark::State& state) {
    const LargeMirror mirror;
    const MirrorParameters parameters = mirror.parameters();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            ComputeReduction(parameters, mirror.mirror.geometry(), mirror.readings));
    }
}
BENCHMARK(BM_ComputeReduction999Zones)->Unit(benchmark::kMicrosecond);

void BM_ReductionTableTexts999Zones(benchmark::State& state) {
    const LargeMirror mirror;
    const ReductionResult result =
        ComputeReduction(mirror.parameters(), mirror.mirror.geometry(), mirror.readings);
    const Separators separators = Separators::brazilian();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReductionTableTexts(result, mirror.mirror.geometry(),
                                                     mirror.readings, "%.9f", separators));
    }
}
BENCHMARK(BM_ReductionTableTexts999Zones)->Unit(benchmark::kMillisecond);

// One keystroke in D: derived values, equal-area radii and geometry for 999 zones.
void BM_DiameterKeystroke999Zones(benchmark::State& state) {
    LargeMirror mirror;
    long double diameter = 400;
    for (auto _ : state) {
        diameter = diameter == 400 ? 401 : 400;
        mirror.mirror.setD(diameter);
    }
}
BENCHMARK(BM_DiameterKeystroke999Zones)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelvaro
