// Opening and saving the project file of a large test: 999 zones, 2,000 row versions (1,000
// runs, each edited once), readings with 16 to 17 significant digits, about 40 MB. Targets:
// under 1 s each way, and a peak below five times the file's size.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <string_view>

#include "bench/large_project.h"
#include "data/project.h"

namespace zelvaro {
namespace {

constexpr std::string_view kPeakOption = "--peak";

long statusKb(const char* field) {
    long kb = -1;
    if (FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        const std::size_t length = std::strlen(field);
        while (std::fgets(line, sizeof line, status)) {
            if (std::strncmp(line, field, length) == 0) kb = std::atol(line + length);
        }
        std::fclose(status);
    }
    return kb;
}

// From here on VmHWM counts only what comes after.
void resetPeak() {
    if (FILE* refs = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", refs);
        std::fclose(refs);
    }
}

// By how much `work` raises the peak resident memory above what the process holds, in kB.
template <typename Work>
long peakDuring(Work work) {
    resetPeak();
    const long before = statusKb("VmRSS:");
    work();
    return statusKb("VmHWM:") - before;
}

// In a fresh process started with "--peak FILE": prints the peaks of opening FILE and of then
// saving it again, in kB.
int reportPeaks(const char* file) {
    Project project(Separators::brazilian(), fixedClock);
    const QString path = QString::fromUtf8(file);
    const long openKb = peakDuring([&] { project.load(path); });
    const long saveKb = peakDuring([&] { project.save(path + QStringLiteral(".copia")); });
    std::printf("%ld %ld\n", openKb, saveKb);
    return 0;
}

struct Peaks {
    long openKb = -1;
    long saveKb = -1;
};

Peaks peaksInFreshProcess(const QString& file) {
    const std::string command =
        QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget().toStdString() + " " +
        std::string(kPeakOption) + " " + file.toStdString();
    Peaks peaks;
    FILE* child = popen(command.c_str(), "r");
    if (!child) return peaks;
    if (std::fscanf(child, "%ld %ld", &peaks.openKb, &peaks.saveKb) != 2) peaks = Peaks{};
    if (pclose(child) != 0) peaks = Peaks{};
    return peaks;
}

double fileMb(const QString& file) {
    return static_cast<double>(QFileInfo(file).size()) / 1e6;
}

void BM_OpenProjectFile(benchmark::State& state) {
    const QString& file = largeFile();
    for (auto _ : state) {
        Project project(Separators::brazilian(), fixedClock);
        project.load(file);
        benchmark::DoNotOptimize(project.mirror().result().Rms);
    }
    state.counters["file_MB"] = fileMb(file);
}
BENCHMARK(BM_OpenProjectFile)->Unit(benchmark::kMillisecond);

void BM_SaveProjectFile(benchmark::State& state) {
    const QString& file = largeFile();
    Project project(Separators::brazilian(), fixedClock);
    project.load(file);
    const QString copy = file + QStringLiteral(".copia");
    for (auto _ : state) project.save(copy);
    state.counters["file_MB"] = fileMb(copy);
}
BENCHMARK(BM_SaveProjectFile)->Unit(benchmark::kMillisecond);

// Peaks in a fresh process: opening counts the file's bytes, the table read from them and the
// reduction; saving counts what the save adds to the open test it writes.
void BM_PeakMemory(benchmark::State& state) {
    const QString& file = largeFile();
    Peaks peaks;
    for (auto _ : state) peaks = peaksInFreshProcess(file);
    if (peaks.openKb < 0) {
        state.SkipWithError("the fresh process did not report its peaks");
        return;
    }
    const double mb = fileMb(file);
    const double openMb = static_cast<double>(peaks.openKb) * 1024 / 1e6;
    const double saveMb = static_cast<double>(peaks.saveKb) * 1024 / 1e6;
    state.counters["file_MB"] = mb;
    state.counters["open_peak_MB"] = openMb;
    state.counters["save_peak_MB"] = saveMb;
    state.counters["open_peak_per_file"] = openMb / mb;
    state.counters["save_peak_per_file"] = saveMb / mb;
}
BENCHMARK(BM_PeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelvaro

int main(int argc, char** argv) {
    if (argc == 3 && argv[1] == zelvaro::kPeakOption) return zelvaro::reportPeaks(argv[2]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
