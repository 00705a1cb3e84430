#pragma once

#include <QString>
#include <QTemporaryDir>
#include <random>

#include "data/project.h"

namespace zelvaro {

// The large test of the benchmarks: a 400 mm f/4 mirror of 999 zones and 1,000 runs, each
// edited once (2,000 row versions), readings with 16 to 17 significant digits.
inline constexpr int kZones = 999;
inline constexpr int kRuns = 1000;

inline LocalDateTime fixedClock() {
    return *LocalDateTime::make(2024, 3, 15, 50587123);
}

inline void typeLargeTest(Project& project) {
    project.mirror().setD(400);
    project.mirror().setR(3200);
    project.mirror().setZoneCount(kZones);
    MeasurementTable& table = project.table();
    std::mt19937_64 random(2024);
    std::uniform_real_distribution<double> reading(0.0, 3.0);
    for (int run = 0; run < kRuns; ++run) {
        table.append();
        for (int zone = 0; zone < kZones; ++zone) {
            table.setNumber(TableSchema::zoneColumn(zone), reading(random));
        }
        table.setConstantK(0.25);
        table.setMemo(QStringLiteral("Leituras da noite, espelho de 400 mm"));
        table.post();
    }
    for (int run = 0; run < kRuns; ++run) {
        table.moveTo(run);
        table.edit();
        table.setNumber(TableSchema::zoneColumn(0), reading(random));
        table.post();
    }
}

// The large test's file, written once.
inline const QString& largeFile() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("grande.pbl"));
        Project project(Separators::brazilian(), fixedClock);
        typeLargeTest(project);
        project.save(file);
        return file;
    }();
    return path;
}

}  // namespace zelvaro
