#include "core/open_test.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "core/mirror_formulas.h"
#include "core/reduction_errors.h"
#include "example_mirror.h"
#include "format/format_string.h"

namespace zelvaro {
namespace {

using testing::ExampleMirror;
using testing::ExpectArrays;
using testing::FakeRows;
using testing::Shows;
using testing::WiredTest;
using C = TestChange;

struct Recorder : OpenTestObserver {
    std::vector<TestChange> changes;
    void testChanged(TestChange change) override { changes.push_back(change); }
};

// Records what one step of a test changes.
template <typename Step>
std::vector<TestChange> ChangesOf(OpenTest& test, Step step) {
    Recorder recorder;
    test.addObserver(&recorder);
    step();
    test.removeObserver(&recorder);
    return recorder.changes;
}

FakeRows::Row ExampleRow(double k = 0, int parabolaZone = 4) {
    FakeRows::Row row{{"ConstanteK", k}, {"ZonaReferencia", parabolaZone}};
    for (std::size_t i = 0; i < testing::kExampleReadings.size(); ++i) {
        row["Zona" + std::to_string(i + 1)] = testing::kExampleReadings[i];
    }
    return row;
}

TEST(OpenTest, StartValuesWithoutTouchingTheTable) {
    FakeRows rows;
    OpenTest test(rows);
    const MirrorParameters& m = test.parameters();
    EXPECT_EQ(rows.rebuilds, 0);
    EXPECT_EQ(m.D, 0);
    EXPECT_EQ(m.R, 0);
    EXPECT_EQ(m.ZoneCount, 1);
    EXPECT_EQ(m.Lambda, 0.00056L);
    EXPECT_EQ(m.b, -1);
    EXPECT_EQ(m.k, 0);
    EXPECT_EQ(test.geometry().Hx.size(), 1u);
    EXPECT_EQ(test.geometry().Hm.size(), 1u);
    EXPECT_EQ(test.geometry().Ac.size(), 1u);
    EXPECT_FALSE(test.isReduced());
    EXPECT_TRUE(test.autoRadii());
    EXPECT_EQ(test.fractionalFormat(), "%.9f");
}

TEST(OpenTest, WorkedMirror) {
    ExampleMirror mirror;
    const MirrorParameters& m = mirror.test.parameters();
    EXPECT_EQ(m.f, 1000);
    EXPECT_EQ(m.fD, 5);
    EXPECT_EQ(m.At, 31415.926535897932L);
    EXPECT_NEAR(static_cast<double>(m.Az), 6283.185307179587, 1e-12);
    EXPECT_EQ(m.Az * 1e12L, std::round(m.Az * 1e12L)) << "kept to twelve decimals";
    EXPECT_EQ(m.p, 0.003416L);
    const ZoneGeometry& g = mirror.test.geometry();
    ExpectArrays({
        {"Hx", g.Hx, {"44.72136", "63.24555", "77.45967", "89.44272", "100.00000"}},
        {"Hm", g.Hm, {"22.36068", "53.98346", "70.35261", "83.45119", "94.72136"}},
        {"Ac", g.Ac, {"0.250016", "1.457638", "2.476276", "3.485082", "4.491099"}},
    });
}

struct GeometryCase {
    const char* name;
    void (*change)(OpenTest&);
    void (*check)(const OpenTest&);
};

void ExpectZeros(const std::vector<double>& values, const char* what) {
    for (double value : values) EXPECT_EQ(value, 0) << what;
}

const GeometryCase kGeometryCases[] = {
    {"D 0", [](OpenTest& t) { t.setD(0); },
     [](const OpenTest& t) {
         EXPECT_EQ(t.parameters().fD, 0);
         EXPECT_EQ(t.parameters().At, 0);
         EXPECT_EQ(t.parameters().Az, 0);
         EXPECT_EQ(t.parameters().p, 0);
         ExpectZeros(t.geometry().Hx, "Hx");
         ExpectZeros(t.geometry().Hm, "Hm");
         ExpectZeros(t.geometry().Ac, "Ac");
     }},
    {"R 0", [](OpenTest& t) { t.setR(0); },
     [](const OpenTest& t) {
         EXPECT_EQ(t.parameters().f, 0);
         EXPECT_EQ(t.parameters().fD, 0);
         EXPECT_EQ(t.parameters().p, 0);
         EXPECT_NE(t.geometry().Hx[4], 0);
         ExpectZeros(t.geometry().Ac, "Ac");
     }},
    {"one zone", [](OpenTest& t) { t.setZoneCount(1); },
     [](const OpenTest& t) {
         ASSERT_EQ(t.geometry().Hx.size(), 1u);
         EXPECT_DOUBLE_EQ(t.geometry().Hx[0], 100);
         EXPECT_DOUBLE_EQ(t.geometry().Hm[0], 50);
     }},
    {"sphere", [](OpenTest& t) { t.setB(0); },
     [](const OpenTest& t) { ExpectZeros(t.geometry().Ac, "Ac"); }},
    {"a new zone count: geometry of the new radii at once", [](OpenTest& t) { t.setZoneCount(8); },
     [](const OpenTest& t) {
         const ZoneGeometry& g = t.geometry();
         ASSERT_EQ(g.Hx.size(), 8u);
         EXPECT_EQ(t.readings().size(), 8u);
         for (int i = 0; i < 8; ++i) {
             EXPECT_EQ(g.Hx[i], static_cast<double>(CalcAutoRadius(i, t.parameters().Az)));
             const double inner = i == 0 ? 0 : g.Hx[i - 1];
             EXPECT_DOUBLE_EQ(g.Hm[i], (g.Hx[i] + inner) / 2);
             EXPECT_EQ(g.Ac[i], static_cast<double>(CalcIdealAberration(-1, g.Hm[i], 2000)));
         }
         EXPECT_DOUBLE_EQ(g.Hx[7], 100);
     }},
    {"radii typed in: geometry follows on UpdateZoneGeometry",
     [](OpenTest& t) {
         t.setZoneRadius(0, 40);
         t.UpdateZoneGeometry();
     },
     [](const OpenTest& t) {
         EXPECT_EQ(t.geometry().Hx[0], 40);
         EXPECT_EQ(t.geometry().Hm[0], 20);
         EXPECT_EQ(t.geometry().Hm[1], (40 + t.geometry().Hx[1]) / 2);
     }},
    {"radii from a file",
     [](OpenTest& t) {
         t.setZoneRadii({10, 20, 30, 40, 50, 60});
     },
     [](const OpenTest& t) {
         EXPECT_EQ(t.geometry().Hx, (std::vector<double>{10, 20, 30, 40, 50}));
         EXPECT_EQ(t.geometry().Hm, (std::vector<double>{5, 15, 25, 35, 45}));
         EXPECT_EQ(t.geometry().Ac[0], static_cast<double>(CalcIdealAberration(-1, 5, 2000)));
     }},
};

TEST(OpenTest, GeometryEdgeCases) {
    for (const GeometryCase& c : kGeometryCases) {
        SCOPED_TRACE(c.name);
        ExampleMirror mirror;
        c.change(mirror.test);
        c.check(mirror.test);
    }
}

TEST(OpenTest, TooFewRadiiFromAFileAreRefused) {
    ExampleMirror mirror;
    EXPECT_THROW(mirror.test.setZoneRadii({10, 20}), std::invalid_argument);
}

TEST(OpenTest, ChainsRunWhenTheFieldTextChanges) {
    ExampleMirror mirror;
    OpenTest& t = mirror.test;
    struct Case {
        const char* name;
        void (*step)(OpenTest&);
        std::vector<TestChange> changes;
    } cases[] = {
        {"D",
         [](OpenTest& t) { t.setD(250); },
         {C::D, C::fD, C::At, C::Az, C::p, C::ZoneRadiusList}},
        {"the same D", [](OpenTest& t) { t.setD(250); }, {}},
        {"a D that differs past the twelfth decimal",
         [](OpenTest& t) { t.setD(250.0000000000001L); },
         {}},
        {"a D that differs in the twelfth decimal",
         [](OpenTest& t) { t.setD(250.000000000001L); },
         {C::D, C::At, C::Az, C::ZoneRadiusList}},
        {"R", [](OpenTest& t) { t.setR(1500); }, {C::R, C::f, C::fD, C::p}},
        {"Lambda", [](OpenTest& t) { t.setLambda(0.00065L); }, {C::Lambda, C::p}},
        {"b only", [](OpenTest& t) { t.setB(0); }, {C::b}},
        {"k only", [](OpenTest& t) { t.setK(0.25L); }, {C::k}},
        {"origin zone", [](OpenTest& t) { t.setReductionZoneIndex(3); }, {C::ReductionZoneIndex}},
        {"automatic radii switched", [](OpenTest& t) { t.setAutoRadii(false); }, {}},
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

TEST(OpenTest, ZoneCountField) {
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
        mirror.test.setZoneCount(c.value);
        EXPECT_EQ(mirror.test.parameters().ZoneCount, c.zoneCount) << c.name;
        EXPECT_EQ(mirror.rows.zoneColumns, c.zoneCount) << c.name;
    }
}

TEST(OpenTest, ZoneCountRebuildsWhenItsTextChanges) {
    ExampleMirror mirror;
    const int rebuilds = mirror.rows.rebuilds;
    mirror.test.setZoneCount(2.5L);
    mirror.test.setZoneCount(2);
    EXPECT_EQ(mirror.rows.rebuilds, rebuilds + 2) << "2,5 and 2 are different texts";
    mirror.test.setZoneCount(2);
    EXPECT_EQ(mirror.rows.rebuilds, rebuilds + 2);
}

TEST(OpenTest, ZoneCountChainInOrder) {
    ExampleMirror mirror;
    mirror.test.setK(0.5L);
    EXPECT_EQ(ChangesOf(mirror.test, [&] { mirror.test.setZoneCount(8); }),
              (std::vector<TestChange>{C::ZoneCount, C::ChartDatasetsClosed, C::Az,
                                       C::OriginZoneList, C::k, C::MeasurementTable,
                                       C::ReductionTableColumns, C::ZoneRadiusList}));
}

TEST(OpenTest, RebuildClearsKAndTheParabolaZoneButKeepsTheOriginZone) {
    ExampleMirror mirror;
    OpenTest& t = mirror.test;
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

TEST(OpenTest, Lists) {
    ExampleMirror mirror;
    mirror.test.setReductionZoneIndex(1);
    const auto radii = mirror.test.zoneRadiusList();
    ASSERT_EQ(radii.size(), 5u);
    EXPECT_EQ(radii[0].key, "H1");
    EXPECT_EQ(radii[0].value, "44,72136");
    EXPECT_EQ(radii[4].key, "H5");
    EXPECT_EQ(radii[4].value, "100,00000");
    EXPECT_EQ(mirror.test.originZoneList(),
              (std::vector<std::string>{"Zona 1", "Zona 2", "Zona 3", "Zona 4", "Zona 5"}));
    EXPECT_EQ(mirror.test.originZoneSelection(), 1);
    mirror.test.setSeparators(Separators::english());
    EXPECT_EQ(mirror.test.zoneRadiusList()[0].value, "44.72136");
}

TEST(OpenTest, AutomaticRadiiOffGivesZeros) {
    ExampleMirror mirror;
    mirror.test.setAutoRadii(false);
    EXPECT_DOUBLE_EQ(mirror.test.geometry().Hx[4], 100) << "nothing refilled yet";
    mirror.test.setD(300);
    ExpectZeros(mirror.test.geometry().Hx, "Hx");
    ExpectZeros(mirror.test.geometry().Hm, "Hm");
    for (const ZoneRadiusEntry& entry : mirror.test.zoneRadiusList()) {
        EXPECT_EQ(entry.value, "0,00000");
    }
}

TEST(OpenTest, ResetToDefaultsInOrder) {
    ExampleMirror mirror;
    OpenTest& t = mirror.test;
    t.setLambda(0.0005L);
    t.setReductionZoneIndex(2);
    mirror.rows.addRow(ExampleRow());
    t.ReduceData();
    t.setB(0);
    const std::vector<TestChange> expected{
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
        C::b,  // b −1
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

TEST(OpenTest, NewRowsTakeTheParabolaZoneAndResetK) {
    ExampleMirror mirror;
    OpenTest& t = mirror.test;
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

TEST(OpenTest, SelectingARadiusRowSetsTheParabolaZoneOfTheRow) {
    ExampleMirror mirror;
    mirror.test.selectParabolaZone(2);
    ASSERT_EQ(mirror.rows.rowCount(), 1);
    EXPECT_EQ(mirror.rows.rows[0].at("ZonaReferencia"), 1);
    EXPECT_EQ(mirror.test.parameters().ParabolaZoneIndex, 1);
    mirror.test.selectParabolaZone(4);
    EXPECT_EQ(mirror.rows.rows[0].at("ZonaReferencia"), 3);
    EXPECT_EQ(mirror.test.parameters().ParabolaZoneIndex, 3);
}

TEST(OpenTest, BrowsingLoadsKAndTheParabolaZone) {
    ExampleMirror mirror;
    mirror.rows.addRow({{"ConstanteK", 0.25}, {"ZonaReferencia", 2}});
    mirror.rows.addRow({});
    EXPECT_EQ(mirror.test.parameters().k, 0) << "an empty cell gives 0";
    EXPECT_EQ(mirror.test.parameters().ParabolaZoneIndex, 0);
    mirror.rows.moveTo(0);
    EXPECT_EQ(mirror.test.parameters().k, 0.25L);
    EXPECT_EQ(mirror.test.parameters().ParabolaZoneIndex, 2);
    mirror.rows.edit();
    mirror.rows.setNumber("ConstanteK", 0.5);
    EXPECT_EQ(mirror.test.parameters().k, 0.25L) << "not while editing";
    mirror.rows.post();
    EXPECT_EQ(mirror.test.parameters().k, 0.5L);
}

TEST(OpenTest, ReduceData) {
    ExampleMirror mirror;
    OpenTest& t = mirror.test;
    mirror.rows.addRow(ExampleRow());
    const std::vector<TestChange> changes = ChangesOf(t, [&] { t.ReduceData(); });
    EXPECT_EQ(changes, (std::vector<TestChange>{C::Rms, C::Strehl, C::PeakErrorTexts,
                                                C::ReductionTableCells, C::ChartDatasetsFilled}));
    EXPECT_TRUE(t.isReduced());
    EXPECT_EQ(t.readings(), testing::kExampleReadings);
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

TEST(OpenTest, ReduceDataPostsAPendingEditFirst) {
    ExampleMirror mirror;
    mirror.rows.addRow(ExampleRow());
    mirror.rows.edit();
    mirror.rows.setNumber("Zona1", 0.26);
    mirror.test.ReduceData();
    EXPECT_TRUE(mirror.rows.isBrowsing());
    EXPECT_EQ(mirror.rows.rows[0].at("Zona1"), 0.26);
    EXPECT_EQ(mirror.test.readings()[0], 0.26);
}

TEST(OpenTest, ReadingsOfEmptyCellsAndOfNoRow) {
    struct Case {
        const char* name;
        bool addRow;
    } cases[] = {{"no row", false}, {"a row with empty cells", true}};
    for (const Case& c : cases) {
        ExampleMirror mirror;
        mirror.test.setK(0.1L);
        if (c.addRow) mirror.rows.addRow({});
        mirror.test.ReduceData();
        EXPECT_EQ(mirror.test.readings(), std::vector<double>(5, 0.0)) << c.name;
        EXPECT_TRUE(mirror.test.isReduced()) << c.name;
    }
}

TEST(OpenTest, ReadingsEqualToAcGiveTheEmptySet) {
    ExampleMirror mirror;
    FakeRows::Row row{{"ZonaReferencia", 4}};
    for (int i = 0; i < 5; ++i) row["Zona" + std::to_string(i + 1)] = mirror.test.geometry().Ac[i];
    mirror.rows.addRow(row);
    mirror.test.ReduceData();
    EXPECT_EQ(mirror.test.result().Rms, 0);
    EXPECT_EQ(mirror.test.result().Strehl, 1);
    EXPECT_EQ(mirror.test.peakErrorTexts().waves, "0,00000l");
    EXPECT_EQ(mirror.test.peakErrorTexts().fraction, "\u00C6");
}

TEST(OpenTest, AFailedReductionResetsTheTest) {
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
             m.test.setD(1e300L);
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
        mirror.test.setReductionZoneIndex(1);
        c.prepare(mirror);
        try {
            mirror.test.ReduceData();
            ADD_FAILURE() << "no failure";
        } catch (const ReductionFailed& failure) {
            EXPECT_STREQ(failure.what(), "Erro durante os cálculos!");
            EXPECT_EQ(failure.reason(), c.reason);
        }
        const MirrorParameters& m = mirror.test.parameters();
        EXPECT_EQ(m.D, 0);
        EXPECT_EQ(m.R, 0);
        EXPECT_EQ(m.ZoneCount, 1);
        EXPECT_EQ(m.ReductionZoneIndex, 1);
        EXPECT_EQ(mirror.rows.rowCount(), 0);
        EXPECT_EQ(mirror.rows.zoneColumns, 1);
        EXPECT_FALSE(mirror.test.isReduced());
        EXPECT_FALSE(mirror.test.chartDatasets().dtstGraficos.open);
    }
}

TEST(OpenTest, AFractionalFormatWithoutANumberLeavesTheTableAsItWas) {
    ExampleMirror mirror;
    mirror.rows.addRow(ExampleRow());
    mirror.test.setFractionalFormat("%d");
    EXPECT_THROW(mirror.test.ReduceData(), FormatError);
    EXPECT_FALSE(mirror.test.isReduced());
    EXPECT_TRUE(mirror.test.reductionTableCells()[0][0].empty());
    EXPECT_EQ(mirror.test.parameters().D, 200) << "not a failed reduction: no reset";
}

TEST(OpenTest, ResultsOutliveAZoneCountChange) {
    ExampleMirror mirror;
    mirror.rows.addRow(ExampleRow());
    mirror.test.ReduceData();
    mirror.rows.rows.clear();
    mirror.test.setZoneCount(6);
    EXPECT_NE(mirror.test.result().Rms, 0) << "the RMS field keeps its value";
    EXPECT_EQ(mirror.test.peakErrorTexts().waves, "0,01244l");
    EXPECT_TRUE(mirror.test.reductionTableCells()[15][4].empty());
}

TEST(OpenTest, NineHundredNinetyNineZones) {
    WiredTest wired;
    wired.test.setD(400);
    wired.test.setR(3200);
    wired.test.setZoneCount(999);
    FakeRows::Row row{{"ZonaReferencia", 998}};
    for (int i = 0; i < 999; ++i) {
        row["Zona" + std::to_string(i + 1)] =
            wired.test.geometry().Ac[i] + 1e-4 * std::sin(i * 0.01);
    }
    wired.rows.addRow(row);
    wired.test.ReduceData();
    EXPECT_EQ(wired.test.reductionTableColumns().back().caption, "Zona 999");
    EXPECT_EQ(wired.test.reductionTableCells()[19].size(), 999u);
    EXPECT_FALSE(wired.test.reductionTableCells()[19][998].empty());
    EXPECT_EQ(wired.test.chartDatasets().dtstFrenteOnda.records.size(), 1000u);
    EXPECT_DOUBLE_EQ(wired.test.geometry().Hx[998], 200);
}

TEST(OpenTest, OneZone) {
    WiredTest wired;
    wired.test.setD(200);
    wired.test.setR(2000);
    wired.rows.addRow({{"Zona1", 0.5}});
    wired.test.ReduceData();
    EXPECT_EQ(wired.test.reductionTableColumns().size(), 2u);
    EXPECT_EQ(wired.test.chartDatasets().dtstFrenteOnda.records.size(), 2u);
    EXPECT_EQ(wired.test.chartDatasets().dtstGraficos.records.size(), 1u);
    EXPECT_EQ(wired.test.result().Reduction[0], 0);
    EXPECT_EQ(wired.test.result().Strehl, 1);
}

}  // namespace
}  // namespace zelvaro
