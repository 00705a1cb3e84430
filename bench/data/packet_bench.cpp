// Saving and opening the packet of a large test: 999 zones, 2,000 row versions (1,000 rows,
// each edited once), every reading with 16 significant digits. Targets: under 1 s each way,
// and a peak below five times the packet's size.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>

#include "data/measurement_table.h"
#include "data/packet_reader.h"

namespace zelvaro {
namespace {

constexpr int kZones = 999;
constexpr int kRows = 1000;

LocalDateTime fixedClock() {
    return *LocalDateTime::make(2024, 3, 15, 50587123);
}

void fillLargeTable(MeasurementTable& table) {
    std::mt19937_64 random(2024);
    std::uniform_real_distribution<double> reading(0.0, 3.0);
    table.rebuild(kZones);
    for (int row = 0; row < kRows; ++row) {
        table.append();
        for (int zone = 0; zone < kZones; ++zone)
            table.setNumber(TableSchema::zoneColumn(zone), reading(random));
        table.setConstantK(0.25);
        table.setMemo("Leituras da noite, espelho de 200 mm");
        table.post();
    }
    for (int row = 0; row < kRows; ++row) {
        table.moveTo(row);
        table.edit();
        table.setNumber(TableSchema::zoneColumn(0), reading(random));
        table.post();
    }
}

const QByteArray& largePacket() {
    static const QByteArray packet = [] {
        MeasurementTable table(fixedClock);
        fillLargeTable(table);
        return table.savePacket();
    }();
    return packet;
}

constexpr std::string_view kPeakOption = "--peak";

long residentKb() {
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long peakKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// In a fresh process started with "--peak save" or "--peak <packet file>": prints by how much
// the work raised the peak resident memory above the process's start, in kB.
int reportPeak(std::string_view what) {
    const long before = residentKb();
    if (what == "save") {
        MeasurementTable table(fixedClock);
        fillLargeTable(table);
        benchmark::DoNotOptimize(table.savePacket().size());
    } else {
        QFile file(QString::fromUtf8(what.data(), static_cast<qsizetype>(what.size())));
        if (!file.open(QIODevice::ReadOnly)) return 1;
        const QByteArray packet = file.readAll();
        MeasurementTable table(fixedClock);
        table.loadPacket(packet);
        benchmark::DoNotOptimize(table.rowCount());
    }
    std::printf("%ld\n", peakKb() - before);
    return 0;
}

// Runs this program again with "--peak <what>" and returns what it reports, -1 on failure.
long peakInFreshProcess(const std::string& what) {
    const std::string command = QFileInfo("/proc/self/exe").symLinkTarget().toStdString() + " " +
                                std::string(kPeakOption) + " " + what;
    FILE* child = popen(command.c_str(), "r");
    if (!child) return -1;
    long kb = -1;
    if (std::fscanf(child, "%ld", &kb) != 1) kb = -1;
    return pclose(child) == 0 ? kb : -1;
}

void BM_SavePacket(benchmark::State& state) {
    MeasurementTable table(fixedClock);
    fillLargeTable(table);
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray packet = table.savePacket();
        bytes = packet.size();
        benchmark::DoNotOptimize(packet.constData());
    }
    state.counters["packet_MB"] = static_cast<double>(bytes) / 1e6;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytes);
}
BENCHMARK(BM_SavePacket)->Unit(benchmark::kMillisecond);

void BM_OpenPacket(benchmark::State& state) {
    const QByteArray& packet = largePacket();
    for (auto _ : state) {
        MeasurementTable table(fixedClock);
        table.loadPacket(packet);
        benchmark::DoNotOptimize(table.rowCount());
    }
    state.counters["packet_MB"] = static_cast<double>(packet.size()) / 1e6;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * packet.size());
}
BENCHMARK(BM_OpenPacket)->Unit(benchmark::kMillisecond);

// Peaks in fresh processes: saving counts building the table and the packet it produces;
// opening counts the packet file's bytes read into memory and the table read from them.
void BM_PeakMemory(benchmark::State& state) {
    const QByteArray& packet = largePacket();
    QTemporaryFile file;
    if (!file.open() || file.write(packet) != packet.size() || !file.flush()) {
        state.SkipWithError("cannot write the packet file");
        return;
    }
    long saveKb = 0;
    long openKb = 0;
    for (auto _ : state) {
        saveKb = peakInFreshProcess("save");
        openKb = peakInFreshProcess(file.fileName().toStdString());
    }
    const double packetMb = static_cast<double>(packet.size()) / 1e6;
    const double saveMb = static_cast<double>(saveKb) * 1024 / 1e6;
    const double openMb = static_cast<double>(openKb) * 1024 / 1e6;
    state.counters["packet_MB"] = packetMb;
    state.counters["save_peak_MB"] = saveMb;
    state.counters["open_peak_MB"] = openMb;
    state.counters["save_peak_per_packet"] = saveMb / packetMb;
    state.counters["open_peak_per_packet"] = openMb / packetMb;
}
BENCHMARK(BM_PeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelvaro

int main(int argc, char** argv) {
    if (argc == 3 && argv[1] == zelvaro::kPeakOption) return zelvaro::reportPeak(argv[2]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
