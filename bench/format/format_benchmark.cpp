// The formatters on the values of a reduction table: magnitudes from 1e-7 to 1e4, both signs.
// A 999-zone table formats 20,000 cells, so each call must stay well under a microsecond.

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "format/exact_digits.h"
#include "format/format_pattern.h"
#include "format/format_string.h"

namespace zelvaro {
namespace {

const std::vector<long double>& tableValues() {
    static const std::vector<long double> values = [] {
        std::mt19937_64 random(1);
        std::uniform_real_distribution<double> decade(-7, 4);
        std::vector<long double> result(4096);
        for (std::size_t i = 0; i < result.size(); ++i) {
            const long double magnitude = std::pow(10.0L, static_cast<long double>(decade(random)));
            result[i] = i % 2 == 0 ? magnitude : -magnitude;
        }
        return result;
    }();
    return values;
}

template <typename Format>
void runOverValues(benchmark::State& state, Format format) {
    const std::vector<long double>& values = tableValues();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(format(values[i]));
        i = (i + 1) % values.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_FormatStringNineDecimals(benchmark::State& state) {
    const Separators seps = Separators::brazilian();
    runOverValues(state, [&](long double value) { return FormatString("%.9f", {value}, seps); });
}
BENCHMARK(BM_FormatStringNineDecimals);

void BM_FormatPatternField(benchmark::State& state) {
    const Separators seps = Separators::brazilian();
    runOverValues(state, [&](long double value) {
        return FormatPattern("#,##0.00000;-#,##0.00000", value, seps);
    });
}
BENCHMARK(BM_FormatPatternField);

// The 18-digit conversion alone, and the C library's, for comparison.
void BM_Digits18(benchmark::State& state) {
    runOverValues(state, [](long double value) { return digits18(std::fabs(value)); });
}
BENCHMARK(BM_Digits18);

void BM_PrintfDigits18(benchmark::State& state) {
    runOverValues(state, [](long double value) { return printfDigits18(std::fabs(value)); });
}
BENCHMARK(BM_PrintfDigits18);

}  // namespace
}  // namespace zelvaro
