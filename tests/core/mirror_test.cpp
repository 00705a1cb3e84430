#include "core/mirror.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "core/mirror_formulas.h"
#include "core/reduction_errors.h"
#include "core/tester_formulas.h"
#include "example_mirror.h"
#include "format/format_string.h"

namespace zelvaro {
namespace {

using fixtures::ExampleMirror;
using fixtures::ExpectArrays;
using fixtures::FakeRows;
using fixtures::Shows;
using fixtures::WiredMirror;
using C = MirrorChange;

struct Recorder : MirrorObserver {
    std::vector<MirrorChange> changes;
    void mirrorChanged(MirrorChange change) override { changes.push_back(change); }
};

// Records what one step changes.
template <typename Step>
std::vector<MirrorChange> ChangesOf(Mirror& mirror, Step step) {
    Recorder recorder;
    mirror.addObserver(&recorder);
    step();
    mirror.removeObserver(&recorder);
    return recorder.changes;
}

FakeRows::Row ExampleRow(double k = 0, int parabolaZone = 4) {
    FakeRows::Row row{{"ConstanteK", k}, {"ZonaReferencia", parabolaZone}};
    for (std::size_t i = 0; i < fixtures::kExampleReadings.size(); ++i) {
        row["Zona" + std::to_string(i + 1)] = fixtures::kExampleReadings[i];
    }
    return row;
}

TEST(Mirror, StartValuesWithoutTouchingTheTable) {
    FakeRows rows;
    Mirror mirror(rows);
    const MirrorParameters& m = mirror.parameters();
    EXPECT_EQ(rows.rebuilds, 0);
    EXPECT_EQ(m.D, 0);
    EXPECT_EQ(m.R, 0);
    EXPECT_EQ(m.ZoneCount, 1);
    EXPECT_EQ(m.Lambda, 0.00056L);
    EXPECT_EQ(m.b, -1);
    EXPECT_EQ(m.k, 0);
    EXPECT_EQ(mirror.geometry().Hx.size(), 1u);
    EXPECT_EQ(mirror.geometry().Hm.size(), 1u);
    EXPECT_EQ(mirror.geometry().Ac.size(), 1u);
    EXPECT_FALSE(mirror.isReduced());
    EXPECT_TRUE(mirror.autoRadii());
    EXPECT_EQ(mirror.fractionalFormat(), "%.9f");
}

TEST(Mirror, WorkedMirror) {
    ExampleMirror mirror;
    const MirrorParameters& m = mirror.model.parameters();
    EXPECT_EQ(m.f, 1000);
    EXPECT_EQ(m.fD, 5);
    EXPECT_EQ(m.At, 31415.926535897932L);
    EXPECT_NEAR(static_cast<double>(m.Az), 6283.185307179587, 1e-12);
    EXPECT_EQ(m.Az * 1e12L, std::round(m.Az * 1e12L)) << "kept to twelve decimals";
    EXPECT_EQ(m.p, 0.003416L);
    const ZoneGeometry& g = mirror.model.geometry();
    ExpectArrays({
        {"Hx", g.Hx, {"44.72136", "63.24555", "77.45967", "89.44272", "100.00000"}},
        {"Hm", g.Hm, {"22.36068", "53.98346", "70.35261", "83.45119", "94.72136"}},
        {"Ac", g.Ac, {"0.250016", "1.457638", "2.476276", "3.485082", "4.491099"}},
    });
}

struct GeometryCase {
    const char* name;
    void (*change)(Mirror&);
    void (*check)(const Mirror&);
};

void ExpectZeros(const std::vector<double>& values, const char* what) {
    for (double value : values) EXPECT_EQ(value, 0) << what;
}

const GeometryCase kGeometryCases[] = {
    {"D 0", [](Mirror& t) { t.setD(0); },
     [](const Mirror& t) {
         EXPECT_EQ(t.parameters().fD, 0);
         EXPECT_EQ(t.parameters().At, 0);
         EXPECT_EQ(t.parameters().Az, 0);
         EXPECT_EQ(t.parameters().p, 0);
         ExpectZeros(t.geometry().Hx, "Hx");
         ExpectZeros(t.geometry().Hm, "Hm");
         ExpectZeros(t.geometry().Ac, "Ac");
     }},
    {"R 0", [](Mirror& t) { t.setR(0); },
     [](const Mirror& t) {
         EXPECT_EQ(t.parameters().f, 0);
         EXPECT_EQ(t.parameters().fD, 0);
         EXPECT_EQ(t.parameters().p, 0);
         EXPECT_NE(t.geometry().Hx[4], 0);
         ExpectZeros(t.geometry().Ac, "Ac");
     }},
    {"one zone", [](Mirror& t) { t.setZoneCount(1); },
     [](const Mirror& t) {
         ASSERT_EQ(t.geometry().Hx.size(), 1u);
         EXPECT_DOUBLE_EQ(t.geometry().Hx[0], 100);
         EXPECT_DOUBLE_EQ(t.geometry().Hm[0], 50);
     }},
    {"sphere", [](Mirror& t) { t.setB(0); },
     [](const Mirror& t) { ExpectZeros(t.geometry().Ac, "Ac"); }},
    {"moving source: a paraboloid reads h²/2R", [](Mirror& t) { t.setMovingSource(true); },
     [](const Mirror& t) {
         const ZoneGeometry& g = t.geometry();
         EXPECT_DOUBLE_EQ(g.Hx[4], 100);
         for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(g.Ac[i], g.Hm[i] * g.Hm[i] / 4000);
     }},
    {"moving source and back: the fixed-source readings again",
     [](Mirror& t) {
         t.setMovingSource(true);
         t.setMovingSource(false);
     },
     [](const Mirror& t) {
         ExpectArrays({{"Ac",
                        t.geometry().Ac,
                        {"0.250016", "1.457638", "2.476276", "3.485082", "4.491099"}}});
     }},
    {"a new zone count: geometry of the new radii at once", [](Mirror& t) { t.setZoneCount(8); },
     [](const Mirror& t) {
         const ZoneGeometry& g = t.geometry();
         ASSERT_EQ(g.Hx.size(), 8u);
         EXPECT_EQ(t.readings().size(), 8u);
         for (int i = 0; i < 8; ++i) {
             EXPECT_EQ(g.Hx[i], static_cast<double>(CalcAutoRadius(i, t.parameters().Az)));
             const double inner = i == 0 ? 0 : g.Hx[i - 1];
             EXPECT_DOUBLE_EQ(g.Hm[i], (g.Hx[i] + inner) / 2);
             EXPECT_EQ(g.Ac[i], static_cast<double>(CalcIdealAberration(TesterType::FixedSource, -1,
                                                                        g.Hm[i], 2000)));
         }
         EXPECT_DOUBLE_EQ(g.Hx[7], 100);
     }},
    {"radii typed in: geometry follows when the editor is left",
     [](Mirror& t) {
         t.setZoneRadius(0, 40);
         t.leaveZoneRadiusEditor();
     },
     [](const Mirror& t) {
         EXPECT_EQ(t.geometry().Hx[0], 40);
         EXPECT_EQ(t.geometry().Hm[0], 20);
         EXPECT_EQ(t.geometry().Hm[1], (40 + t.geometry().Hx[1]) / 2);
     }},
    {"radii from a file",
     [](Mirror& t) {
         t.setZoneRadii({10, 20, 30, 40, 50, 60});
     },
     [](const Mirror& t) {
         EXPECT_EQ(t.geometry().Hx, (std::vector<double>{10, 20, 30, 40, 50}));
         EXPECT_EQ(t.geometry().Hm, (std::vector<double>{5, 15, 25, 35, 45}));
         EXPECT_EQ(t.geometry().Ac[0],
                   static_cast<double>(CalcIdealAberration(TesterType::FixedSource, -1, 5, 2000)));
     }},
};

TEST(Mirror, GeometryEdgeCases) {
    for (const GeometryCase& c : kGeometryCases) {
        SCOPED_TRACE(c.name);
        ExampleMirror mirror;
        c.change(mirror.model);
        c.check(mirror.model);
    }
}

TEST(Mirror, AHeaderFromAFileSetsTheSource) {
    struct Case {
        const char* name;
        bool movingBefore;
        TesterType tester;
        std::vector<const char*> Ac;
    } cases[] = {
        {"a moving source",
         false,
         TesterType::MovingSource,
         {"0.125", "0.728553", "1.237372", "1.741025", "2.243034"}},
        {"a fixed source after a moving one",
         true,
         TesterType::FixedSource,
         {"0.250016", "1.457638", "2.476276", "3.485082", "4.491099"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WiredMirror wired;
        wired.model.setMovingSource(c.movingBefore);
        MirrorHeader header;
        header.D = 200;
        header.R = 2000;
        header.zoneCount = 5;
        header.Lambda = 0.00056L;
        header.b = -1;
        header.tester = c.tester;
        wired.model.loadHeader(header);
        EXPECT_EQ(wired.model.parameters().Tester, c.tester);
        ExpectArrays({{"Ac", wired.model.geometry().Ac, c.Ac}});
    }
}

TEST(Mirror, TooFewRadiiFromAFileAreRefused) {
    ExampleMirror mirror;
    EXPECT_THROW(mirror.model.setZoneRadii({10, 20}), std::invalid_argument);
}

TEST(Mirror, ChainsRunWhenTheFieldTextChanges) {
    ExampleMirror mirror;
    Mirror& t = mirror.model;
    struct Case {
        const char* name;
        void (*step)(Mirror&);
        std::vector<MirrorChange> changes;
    } cases[] = {
        {"D", [](Mirror& t) { t.setD(250); }, {C::D, C::fD, C::At, C::Az, C::p, C::ZoneRadiusList}},
        {"the same D", [](Mirror& t) { t.setD(250); }, {}},
        {"a D that differs past the twelfth decimal",
         [](Mirror& t) { t.setD(250.0000000000001L); },
         {}},
        {"a D that differs in the twelfth decimal",
         [](Mirror& t) { t.setD(250.000000000001L); },
         {C::D, C::At, C::Az, C::ZoneRadiusList}},
        {"R", [](Mirror& t) { t.setR(1500); }, {C::R, C::f, C::fD, C::p}},
        {"Lambda", [](Mirror& t) { t.setLambda(0.00065L); }, {C::Lambda, C::p}},
        {"b only", [](Mirror& t) { t.setB(0); }, {C::b}},
        {"k only", [](Mirror& t) { t.setK(0.25L); }, {C::k}},
        {"moving source", [](Mirror& t) { t.setMovingSource(true); }, {C::TesterType}},
        {"moving source again", [](Mirror& t) { t.setMovingSource(true); }, {}},
        {"origin zone", [](Mirror& t) { t.setReductionZoneIndex(3); }, {C::ReductionZoneIndex}},
        {"automatic radii switched", [](Mirror& t) { t.setAutoRadii(false); }, {}},
    };
    for (const Case& c : cases) {
        const MirrorParameters before = t.parameters();
        EXPECT_EQ(ChangesOf(t, [&] { c.step(t); }), c.changes) << c.name;
        if (c.changes.size() == 1) {
            EXPECT_EQ(t.parameters().f, before.f) << c.name;
            EXPECT_EQ(t.parameters().fD, before.fD) << c.name;
            EXPECT_EQ(t.parameters().At, before.At) << c.name;
            EXPECT_EQ(t.parameters().Az, before.Az) << c.name;
            EXPECT_EQ(t.parameters().p, before.p) << c.name;
        }
    }
    EXPECT_EQ(t.parameters().k, 0.25L);
    EXPECT_EQ(t.parameters().b, 0);
}

TEST(Mirror, ZoneCountField) {
    struct Case {
        const char* name;
        long double value;
        int zoneCount;
    } cases[] = {
        {"whole", 12, 12},
        {"cut toward zero", 2.5L, 2},
        {"just below the next zone", 3.9999999999999L, 4},
        {"0 is held at the lower bound", 0, 1},
        {"negative", -7, 1},
        {"above the upper bound", 1000, 999},
        {"not a number", std::numeric_limits<long double>::quiet_NaN(), 1},
    };
    for (const Case& c : cases) {
        ExampleMirror mirror;
        mirror.model.setZoneCount(c.value);
        EXPECT_EQ(mirror.model.parameters().ZoneCount, c.zoneCount) << c.name;
        EXPECT_EQ(mirror.rows.zoneColumns, c.zoneCount) << c.name;
    }
}

TEST(Mirror, ZoneCountRebuildsWhenItsTextChanges) {
    ExampleMirror mirror;
    const int rebuilds = mirror.rows.rebuilds;
    mirror.model.setZoneCount(2.5L);
    mirror.model.setZoneCount(2);
    EXPECT_EQ(mirror.rows.rebuilds, rebuilds + 2) << "2,5 and 2 are different texts";
    mirror.model.setZoneCount(2);
    EXPECT_EQ(mirror.rows.rebuilds, rebuilds + 2);
}

TEST(Mirror, ZoneCountChainInOrder) {
    ExampleMirror mirror;
    mirror.model.setK(0.5L);
    EXPECT_EQ(ChangesOf(mirror.model, [&] { mirror.model.setZoneCount(8); }),
              (std::vector<MirrorChange>{C::ZoneCount, C::ChartDatasetsClosed, C::Az,
                                         C::OriginZoneList, C::k, C::MeasurementTable,
                                         C::ReductionTableColumns, C::ZoneRadiusList}));
}

TEST(Mirror, RebuildClearsKAndTheParabolaZoneButKeepsTheOriginZone) {
    ExampleMirror mirror;
    Mirror& t = mirror.model;
    t.setReductionZoneIndex(3);
    t.selectParabolaZone(3);
    t.setK(0.5L);
    ASSERT_EQ(t.parameters().ParabolaZoneIndex, 2);
    t.setZoneCount(3);
    EXPECT_EQ(t.parameters().k, 0);
    EXPECT_EQ(t.parameters().ParabolaZoneIndex, 0);
    EXPECT_EQ(t.parameters().ReductionZoneIndex, 3);
    EXPECT_EQ(t.originZoneSelection(), -1) << "origin zone 4 of 3";
    EXPECT_EQ(mirror.rows.rowCount(), 0);
    EXPECT_FALSE(t.chartDatasets().dtstFrenteOnda.open);
    EXPECT_FALSE(t.chartDatasets().dtstGraficos.open);
    ASSERT_EQ(t.reductionTableCells().size(), 20u);
    for (const auto& row : t.reductionTableCells()) EXPECT_EQ(row.size(), 3u);
    EXPECT_EQ(t.result().Wavefront, std::vector<double>(3, 0.0));
}

TEST(Mirror, Lists) {
    ExampleMirror mirror;
    mirror.model.setReductionZoneIndex(1);
    const auto radii = mirror.model.zoneRadiusList();
    ASSERT_EQ(radii.size(), 5u);
    EXPECT_EQ(radii[0].key, "H1");
    EXPECT_EQ(radii[0].value, "44,72136");
    EXPECT_EQ(radii[4].key, "H5");
    EXPECT_EQ(radii[4].value, "100,00000");
    EXPECT_EQ(mirror.model.originZoneList(),
              (std::vector<std::string>{"Zona 1", "Zona 2", "Zona 3", "Zona 4", "Zona 5"}));
    EXPECT_EQ(mirror.model.originZoneSelection(), 1);
    mirror.model.setSeparators(Separators::english());
    EXPECT_EQ(mirror.model.zoneRadiusList()[0].value, "44.72136");
}

TEST(Mirror, AutomaticRadiiOffGivesZeros) {
    ExampleMirror mirror;
    mirror.model.setAutoRadii(false);
    EXPECT_DOUBLE_EQ(mirror.model.geometry().Hx[4], 100) << "nothing refilled yet";
    mirror.model.setD(300);
    ExpectZeros(mirror.model.geometry().Hx, "Hx");
    ExpectZeros(mirror.model.geometry().Hm, "Hm");
    for (const ZoneRadiusEntry& entry : mirror.model.zoneRadiusList()) {
        EXPECT_EQ(entry.value, "0,00000");
    }
}

TEST(Mirror, ResetToDefaultsInOrder) {
    ExampleMirror mirror;
    Mirror& t = mirror.model;
    t.setLambda(0.0005L);
    t.setReductionZoneIndex(2);
    mirror.rows.addRow(ExampleRow());
    t.ReduceData();
    t.setB(0);
    t.setMovingSource(true);
    const std::vector<MirrorChange> expected{
        C::D,
        C::fD,
        C::At,
        C::Az,
        C::p,
        C::ZoneRadiusList,  // D 0
        C::R,
        C::f,       // R 0
        C::Lambda,  // Lambda 0.00056
        C::ZoneCount,
        C::ChartDatasetsClosed,
        C::OriginZoneList,  // one zone
        C::ParabolaZoneIndex,
        C::MeasurementTable,
        C::ReductionTableColumns,
        C::ZoneRadiusList,
        C::b,           // b −1
        C::TesterType,  // fixed source
        C::Rms,
        C::Strehl,
        C::PeakErrorTexts,  // results cleared
        C::ChartDatasetsClosed,
        C::OriginZoneList,
        C::MeasurementTable,
        C::ReductionTableColumns,
        C::ZoneRadiusList,
    };
    EXPECT_EQ(ChangesOf(t, [&] { t.ResetToDefaults(); }), expected);
    const MirrorParameters& m = t.parameters();
    EXPECT_EQ(m.D, 0);
    EXPECT_EQ(m.R, 0);
    EXPECT_EQ(m.Lambda, 0.00056L);
    EXPECT_EQ(m.ZoneCount, 1);
    EXPECT_EQ(m.b, -1);
    EXPECT_FALSE(t.movingSource());
    EXPECT_EQ(m.k, 0);
    EXPECT_EQ(m.ParabolaZoneIndex, 0);
    EXPECT_EQ(m.ReductionZoneIndex, 2);
    EXPECT_EQ(t.result().Rms, 0);
    EXPECT_EQ(t.result().Strehl, 0);
    EXPECT_TRUE(t.peakErrorTexts().waves.empty());
    EXPECT_TRUE(t.peakErrorTexts().fraction.empty());
    EXPECT_FALSE(t.isReduced());
    EXPECT_EQ(mirror.rows.rowCount(), 0);
}

TEST(Mirror, NewRowsTakeTheParabolaZoneAndResetK) {
    ExampleMirror mirror;
    Mirror& t = mirror.model;
    t.setK(0.3L);
    t.leaveK();
    ASSERT_EQ(mirror.rows.rowCount(), 1);
    EXPECT_EQ(mirror.rows.rows[0].at("ConstanteK"), 0) << "the new row's defaults reset k first";
    t.setK(0.25L);
    t.leaveK();
    EXPECT_EQ(mirror.rows.rowCount(), 1);
    EXPECT_EQ(mirror.rows.rows[0].at("ConstanteK"), 0.25);
    EXPECT_EQ(t.parameters().k, 0.25L);
}

TEST(Mirror, SelectingARadiusRowSetsTheParabolaZoneOfTheRow) {
    ExampleMirror mirror;
    mirror.model.selectParabolaZone(2);
    ASSERT_EQ(mirror.rows.rowCount(), 1);
    EXPECT_EQ(mirror.rows.rows[0].at("ZonaReferencia"), 1);
    EXPECT_EQ(mirror.model.parameters().ParabolaZoneIndex, 1);
    mirror.model.selectParabolaZone(4);
    EXPECT_EQ(mirror.rows.rows[0].at("ZonaReferencia"), 3);
    EXPECT_EQ(mirror.model.parameters().ParabolaZoneIndex, 3);
}

TEST(Mirror, BrowsingLoadsKAndTheParabolaZone) {
    ExampleMirror mirror;
    mirror.rows.addRow({{"ConstanteK", 0.25}, {"ZonaReferencia", 2}});
    mirror.rows.addRow({});
    EXPECT_EQ(mirror.model.parameters().k, 0) << "an empty cell gives 0";
    EXPECT_EQ(mirror.model.parameters().ParabolaZoneIndex, 0);
    mirror.rows.moveTo(0);
    EXPECT_EQ(mirror.model.parameters().k, 0.25L);
    EXPECT_EQ(mirror.model.parameters().ParabolaZoneIndex, 2);
    mirror.rows.edit();
    mirror.rows.store("ConstanteK", 0.5);
    EXPECT_EQ(mirror.model.parameters().k, 0.25L) << "not while editing";
    mirror.rows.post();
    EXPECT_EQ(mirror.model.parameters().k, 0.5L);
}

TEST(Mirror, ReduceData) {
    ExampleMirror mirror;
    Mirror& t = mirror.model;
    mirror.rows.addRow(ExampleRow());
    const std::vector<MirrorChange> changes = ChangesOf(t, [&] { t.ReduceData(); });
    EXPECT_EQ(changes, (std::vector<MirrorChange>{C::Rms, C::Strehl, C::PeakErrorTexts,
                                                  C::ReductionTableCells, C::ChartDatasetsFilled}));
    EXPECT_TRUE(t.isReduced());
    EXPECT_EQ(t.readings(), fixtures::kExampleReadings);
    EXPECT_TRUE(Shows(static_cast<double>(t.result().Rms), "2.67824e-6"));
    EXPECT_TRUE(Shows(static_cast<double>(t.result().Strehl), "0.999097"));
    EXPECT_TRUE(Shows(t.result().PeakError, "0.0124388"));
    EXPECT_EQ(t.peakErrorTexts().waves, "0,01244l");
    EXPECT_EQ(t.peakErrorTexts().fraction, "l/80,39");
    EXPECT_EQ(t.reductionTableCells()[15][4], "0,000002508");
    EXPECT_EQ(t.chartDatasets().dtstFrenteOnda.records.size(), 6u);
    EXPECT_EQ(t.chartDatasets().dtstGraficos.records.size(), 5u);
    mirror.rows.moveTo(0);
    EXPECT_FALSE(t.isReduced()) << "any data change";
}

TEST(Mirror, ReduceDataPostsAPendingEditFirst) {
    ExampleMirror mirror;
    mirror.rows.addRow(ExampleRow());
    mirror.rows.edit();
    mirror.rows.store("Zona1", 0.26);
    mirror.model.ReduceData();
    EXPECT_TRUE(mirror.rows.isBrowsing());
    EXPECT_EQ(mirror.rows.rows[0].at("Zona1"), 0.26);
    EXPECT_EQ(mirror.model.readings()[0], 0.26);
}

TEST(Mirror, ReadingsOfEmptyCellsAndOfNoRow) {
    struct Case {
        const char* name;
        bool addRow;
    } cases[] = {{"no row", false}, {"a row with empty cells", true}};
    for (const Case& c : cases) {
        ExampleMirror mirror;
        mirror.model.setK(0.1L);
        if (c.addRow) mirror.rows.addRow({});
        mirror.model.ReduceData();
        EXPECT_EQ(mirror.model.readings(), std::vector<double>(5, 0.0)) << c.name;
        EXPECT_TRUE(mirror.model.isReduced()) << c.name;
    }
}

TEST(Mirror, ReadingsEqualToAcGiveTheEmptySet) {
    ExampleMirror mirror;
    FakeRows::Row row{{"ZonaReferencia", 4}};
    for (int i = 0; i < 5; ++i) row["Zona" + std::to_string(i + 1)] = mirror.model.geometry().Ac[i];
    mirror.rows.addRow(row);
    mirror.model.ReduceData();
    EXPECT_EQ(mirror.model.result().Rms, 0);
    EXPECT_EQ(mirror.model.result().Strehl, 1);
    EXPECT_EQ(mirror.model.peakErrorTexts().waves, "0,00000l");
    EXPECT_EQ(mirror.model.peakErrorTexts().fraction, "\u00C6");
}

TEST(Mirror, AFailedReductionResetsTheTest) {
    struct Case {
        const char* name;
        void (*prepare)(ExampleMirror&);
        const char* reason;
    } cases[] = {
        {"a reading column missing",
         [](ExampleMirror& m) {
             m.rows.addRow(ExampleRow());
             m.rows.zoneColumns = 3;
         },
         "Zona4"},
        {"a huge diameter overflows the ideal readings",
         [](ExampleMirror& m) {
             m.model.setD(1e300L);
             m.rows.addRow(ExampleRow());
         },
         kOverflow},
        {"readings of 1e308 overflow the sum of squares",
         [](ExampleMirror& m) {
             FakeRows::Row row = ExampleRow();
             row["Zona2"] = 1e308;
             m.rows.addRow(row);
         },
         kOverflow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExampleMirror mirror;
        mirror.model.setReductionZoneIndex(1);
        c.prepare(mirror);
        try {
            mirror.model.ReduceData();
            ADD_FAILURE() << "no failure";
        } catch (const ReductionFailed& failure) {
            EXPECT_STREQ(failure.what(), "Erro durante os cálculos!");
            EXPECT_EQ(failure.reason(), c.reason);
        }
        const MirrorParameters& m = mirror.model.parameters();
        EXPECT_EQ(m.D, 0);
        EXPECT_EQ(m.R, 0);
        EXPECT_EQ(m.ZoneCount, 1);
        EXPECT_EQ(m.ReductionZoneIndex, 1);
        EXPECT_EQ(mirror.rows.rowCount(), 0);
        EXPECT_EQ(mirror.rows.zoneColumns, 1);
        EXPECT_FALSE(mirror.model.isReduced());
        EXPECT_FALSE(mirror.model.chartDatasets().dtstGraficos.open);
    }
}

TEST(Mirror, AFractionalFormatWithoutANumberLeavesTheTableAsItWas) {
    ExampleMirror mirror;
    mirror.rows.addRow(ExampleRow());
    mirror.model.setFractionalFormat("%d");
    EXPECT_THROW(mirror.model.ReduceData(), FormatError);
    EXPECT_FALSE(mirror.model.isReduced());
    EXPECT_TRUE(mirror.model.reductionTableCells()[0][0].empty());
    EXPECT_EQ(mirror.model.parameters().D, 200) << "not a failed reduction: no reset";
}

TEST(Mirror, ResultsOutliveAZoneCountChange) {
    ExampleMirror mirror;
    mirror.rows.addRow(ExampleRow());
    mirror.model.ReduceData();
    mirror.rows.rows.clear();
    mirror.model.setZoneCount(6);
    EXPECT_NE(mirror.model.result().Rms, 0) << "the RMS field keeps its value";
    EXPECT_EQ(mirror.model.peakErrorTexts().waves, "0,01244l");
    EXPECT_TRUE(mirror.model.reductionTableCells()[15][4].empty());
}

TEST(Mirror, NineHundredNinetyNineZones) {
    WiredMirror wired;
    wired.model.setD(400);
    wired.model.setR(3200);
    wired.model.setZoneCount(999);
    FakeRows::Row row{{"ZonaReferencia", 998}};
    for (int i = 0; i < 999; ++i) {
        row["Zona" + std::to_string(i + 1)] =
            wired.model.geometry().Ac[i] + 1e-4 * std::sin(i * 0.01);
    }
    wired.rows.addRow(row);
    wired.model.ReduceData();
    EXPECT_EQ(wired.model.reductionTableColumns().back().caption, "Zona 999");
    EXPECT_EQ(wired.model.reductionTableCells()[19].size(), 999u);
    EXPECT_FALSE(wired.model.reductionTableCells()[19][998].empty());
    EXPECT_EQ(wired.model.chartDatasets().dtstFrenteOnda.records.size(), 1000u);
    EXPECT_DOUBLE_EQ(wired.model.geometry().Hx[998], 200);
}

TEST(Mirror, OneZone) {
    WiredMirror wired;
    wired.model.setD(200);
    wired.model.setR(2000);
    wired.rows.addRow({{"Zona1", 0.5}});
    wired.model.ReduceData();
    EXPECT_EQ(wired.model.reductionTableColumns().size(), 2u);
    EXPECT_EQ(wired.model.chartDatasets().dtstFrenteOnda.records.size(), 2u);
    EXPECT_EQ(wired.model.chartDatasets().dtstGraficos.records.size(), 1u);
    EXPECT_EQ(wired.model.result().Reduction[0], 0);
    EXPECT_EQ(wired.model.result().Strehl, 1);
}

// Counts the ends of commands and what each one changed.
struct CommandRecorder : MirrorObserver {
    int ends = 0;
    void mirrorChanged(MirrorChange) override {}
    void commandEnded() override { ++ends; }
};

TEST(Mirror, EachCommandEndsOnceHoweverManyChangesItMakes) {
    struct Case {
        const char* name;
        std::function<void(fixtures::WiredMirror&)> command;
    };
    const Case cases[] = {
        {"typing D", [](auto& w) { w.model.setD(150); }},
        {"typing the zone count", [](auto& w) { w.model.setZoneCount(12); }},
        {"reset", [](auto& w) { w.model.ResetToDefaults(); }},
        {"reduce", [](auto& w) { w.model.ReduceData(); }},
        {"leaving the radius editor", [](auto& w) { w.model.leaveZoneRadiusEditor(); }},
        {"switching the source", [](auto& w) { w.model.setMovingSource(true); }},
        {"a header from a file",
         [](auto& w) {
             w.model.loadHeader({200, 2000, 5, 0.00056L, -1, 0, TesterType::MovingSource});
         }},
        {"a new row (through the table)", [](auto& w) { w.model.leaveK(); }},
    };
    for (const Case& c : cases) {
        fixtures::WiredMirror wired;
        CommandRecorder recorder;
        wired.model.addObserver(&recorder);
        c.command(wired);
        EXPECT_EQ(recorder.ends, 1) << c.name;
        EXPECT_FALSE(wired.model.inCommand()) << c.name;
    }
}

TEST(Mirror, AnOwnersCommandHoldsItsOperationsTogether) {
    fixtures::WiredMirror wired;
    CommandRecorder recorder;
    wired.model.addObserver(&recorder);
    {
        const Mirror::Command command(wired.model);
        wired.model.setD(200);
        wired.model.setZoneCount(5);
        EXPECT_EQ(recorder.ends, 0);
    }
    EXPECT_EQ(recorder.ends, 1);
}

TEST(Mirror, NewSeparatorsRewriteTheShownTexts) {
    ExampleMirror mirror;
    mirror.model.setSeparators(Separators::english());
    FakeRows::Row row = ExampleRow();
    mirror.rows.addRow(row);
    mirror.model.ReduceData();
    ASSERT_EQ(mirror.model.peakErrorTexts().waves, "0.01244l");
    const std::string tableCell = mirror.model.reductionTableCells()[1][4];
    ASSERT_EQ(tableCell, "100.0000");

    const std::vector<MirrorChange> changes =
        ChangesOf(mirror.model, [&] { mirror.model.setSeparators(Separators::brazilian()); });
    EXPECT_EQ(changes, std::vector<MirrorChange>{C::Separators});
    EXPECT_EQ(mirror.model.peakErrorTexts().waves, "0,01244l");
    EXPECT_EQ(mirror.model.peakErrorTexts().fraction, "l/80,39");
    EXPECT_EQ(mirror.model.reductionTableCells()[1][4], "100,0000");
    EXPECT_EQ(mirror.model.zoneRadiusList()[4].value, "100,00000");

    EXPECT_TRUE(
        ChangesOf(mirror.model, [&] { mirror.model.setSeparators(Separators::brazilian()); })
            .empty())
        << "the same separators again";
}

TEST(Mirror, NewSeparatorsLeaveEmptyTextsEmpty) {
    WiredMirror wired;
    wired.model.setSeparators(Separators::english());
    EXPECT_TRUE(wired.model.peakErrorTexts().waves.empty());
    EXPECT_TRUE(wired.model.reductionTableCells()[0][0].empty());
}

TEST(Mirror, FieldValuesAsTheFieldsShowThem) {
    ExampleMirror mirror;
    mirror.model.setZoneCount(2.5L);
    EXPECT_EQ(mirror.model.fieldValue(MirrorField::ZoneCount), 2.5L);
    EXPECT_EQ(mirror.model.parameters().ZoneCount, 2);
    EXPECT_EQ(mirror.model.fieldValue(MirrorField::f), 1000.0L);
    mirror.model.setField(MirrorField::k, 0.25L);
    EXPECT_EQ(mirror.model.fieldValue(MirrorField::k), 0.25L);
    EXPECT_THROW(mirror.model.setField(MirrorField::Rms, 1), std::invalid_argument);
}

}  // namespace
}  // namespace zelvaro
