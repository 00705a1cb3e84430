#include "core/compute_reduction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "core/field_value.h"
#include "core/reduction_errors.h"
#include "core/reduction_formulas.h"
#include "example_mirror.h"

namespace zelvaro {
namespace {

using fixtures::ArrayCase;
using fixtures::ExampleMirror;
using fixtures::ExpectArrays;
using fixtures::kExampleReadings;
using fixtures::Shows;

TEST(ComputeReduction, WorkedExample) {
    ExampleMirror mirror;
    MirrorParameters parameters = mirror.model.parameters();
    parameters.ParabolaZoneIndex = 4;
    const ReductionResult r =
        ComputeReduction(parameters, mirror.model.geometry(), kExampleReadings);
    ExpectArrays({
        {"Residual",
         r.Residual,
         {"-0.000015625", "-0.0176376", "-0.016276", "0.00491802", "0.0189008"}},
        {"Reduction", r.Reduction, {"0", "-0.0176219", "-0.0162603", "0.00493365", "0.0189164"}},
        {"AdjustedReduction",
         r.AdjustedReduction,
         {"0", "-0.0176219", "-0.0162603", "0.00493365", "0.0189164"}},
        {"Tolerance", r.Tolerance, {"0.611073", "0.253115", "0.194222", "0.163736", "0.144255"}},
        {"TAf", r.TAf, {"0", "-0.000237823", "-0.000285989", "0.00010293", "0.000447948"}},
        {"TAfOverP", r.TAfOverP, {"0", "-0.0696204", "-0.0837205", "0.0301316", "0.131132"}},
        {"SlopeError",
         r.SlopeError,
         {"0", "2.37823e-7", "2.85989e-7", "-1.0293e-7", "-4.47948e-7"}},
        {"Wavefront", r.Wavefront, {"0", "4.40549e-6", "8.47057e-6", "7.23716e-6", "2.50805e-6"}},
        {"ParabolaWavefront",
         r.ParabolaWavefront,
         {"5.01609e-7", "1.00322e-6", "1.50483e-6", "2.00644e-6", "2.50805e-6"}},
        {"WavefrontError",
         r.WavefrontError,
         {"-5.01609e-7", "3.40227e-6", "6.96574e-6", "5.23072e-6", "0"}},
    });
    EXPECT_TRUE(Shows(r.ParabolaConstant, "1.99358e9"));
    EXPECT_TRUE(Shows(static_cast<double>(r.Rms), "2.67824e-6"));
    EXPECT_TRUE(Shows(static_cast<double>(r.Strehl), "0.999097"));
    EXPECT_TRUE(Shows(r.PeakError, "0.0124388"));
}

TEST(ComputeReduction, RmsAndStrehlAreKeptAsTheirFieldsHoldThem) {
    ExampleMirror mirror;
    MirrorParameters parameters = mirror.model.parameters();
    parameters.ParabolaZoneIndex = 4;
    const ReductionResult r =
        ComputeReduction(parameters, mirror.model.geometry(), kExampleReadings);
    std::vector<double> absoluteErrors;
    for (double error : r.WavefrontError) absoluteErrors.push_back(std::fabs(error));
    const long double rms = CalcRms(absoluteErrors);
    EXPECT_NE(r.Rms, rms);
    EXPECT_EQ(r.Rms, AsFieldValue(rms));
    EXPECT_EQ(r.Strehl, AsFieldValue(CalcStrehl(0.00056, static_cast<double>(r.Rms))));
}

// Edge cases of the worked mirror, each changing one thing before the reduction.
struct EdgeCase {
    const char* name;
    std::function<void(ExampleMirror&, MirrorParameters&, Readings&)> change;
    std::function<void(const ReductionResult&, const ExampleMirror&, const Readings&)> check;
};

void ExpectAllZero(const std::vector<double>& values, const char* what) {
    for (double value : values) EXPECT_EQ(value, 0) << what;
}

// Everything after the reduction is 0; the tolerance depends on the mirror alone.
void ExpectZeroMirrorResults(const ReductionResult& r) {
    for (const auto* array : {&r.TAf, &r.TAfOverP, &r.SlopeError, &r.Wavefront,
                              &r.ParabolaWavefront, &r.WavefrontError}) {
        ExpectAllZero(*array, "result array");
    }
    EXPECT_EQ(r.Rms, 0);
    EXPECT_EQ(r.Strehl, 1);
    EXPECT_EQ(r.PeakError, 0);
}

const EdgeCase kEdgeCases[] = {
    {"readings equal to Ac",
     [](ExampleMirror& m, MirrorParameters&, Readings& readings) {
         readings = m.model.geometry().Ac;
     },
     [](const ReductionResult& r, const ExampleMirror&, const Readings&) {
         for (const auto* array : {&r.Residual, &r.Reduction, &r.AdjustedReduction}) {
             ExpectAllZero(*array, "reduction array");
         }
         ExpectZeroMirrorResults(r);
     }},
    {"R 0",
     [](ExampleMirror& m, MirrorParameters& p, Readings&) {
         m.model.setR(0);
         p = m.model.parameters();
         p.ParabolaZoneIndex = 4;
     },
     [](const ReductionResult& r, const ExampleMirror& m, const Readings& readings) {
         ExpectAllZero(m.model.geometry().Ac, "Ac");
         EXPECT_EQ(r.Residual, readings);
         ExpectAllZero(r.Tolerance, "Tolerance");
         ExpectZeroMirrorResults(r);
     }},
    {"D 0",
     [](ExampleMirror& m, MirrorParameters& p, Readings&) {
         m.model.setD(0);
         p = m.model.parameters();
         p.ParabolaZoneIndex = 4;
     },
     [](const ReductionResult& r, const ExampleMirror& m, const Readings& readings) {
         for (const auto* array :
              {&m.model.geometry().Hx, &m.model.geometry().Hm, &m.model.geometry().Ac}) {
             ExpectAllZero(*array, "geometry");
         }
         EXPECT_EQ(m.model.parameters().p, 0);
         EXPECT_EQ(r.Residual, readings);
         ExpectAllZero(r.Tolerance, "Tolerance");
         ExpectZeroMirrorResults(r);
     }},
    {"Lambda 0",
     [](ExampleMirror& m, MirrorParameters& p, Readings&) {
         m.model.setLambda(0);
         p = m.model.parameters();
         p.ParabolaZoneIndex = 4;
     },
     [](const ReductionResult& r, const ExampleMirror& m, const Readings&) {
         EXPECT_EQ(m.model.parameters().p, 0);
         ExpectAllZero(r.TAfOverP, "TAfOverP");
         ExpectAllZero(r.Tolerance, "Tolerance");
         EXPECT_NE(r.TAf[4], 0);
         EXPECT_GT(r.Rms, 0);
         EXPECT_EQ(r.Strehl, 0);
         EXPECT_EQ(r.PeakError, 0);
     }},
    {"Wavefront of the parabola zone 0",
     [](ExampleMirror&, MirrorParameters& p, Readings&) { p.ParabolaZoneIndex = 0; },
     [](const ReductionResult& r, const ExampleMirror&, const Readings&) {
         EXPECT_EQ(r.Wavefront[0], 0);
         EXPECT_EQ(r.ParabolaConstant, 0);
         ExpectAllZero(r.ParabolaWavefront, "ParabolaWavefront");
         EXPECT_EQ(r.WavefrontError, r.Wavefront);
     }},
    {"an empty reading counts as 0",
     [](ExampleMirror&, MirrorParameters& p, Readings& readings) {
         readings[2] = 0;
         p.ParabolaZoneIndex = 4;
     },
     [](const ReductionResult& r, const ExampleMirror& m, const Readings&) {
         EXPECT_EQ(r.Residual[2], -m.model.geometry().Ac[2]);
     }},
    {"the origin zone has Reduction 0",
     [](ExampleMirror&, MirrorParameters& p, Readings&) {
         p.ReductionZoneIndex = 2;
         p.ParabolaZoneIndex = 4;
     },
     [](const ReductionResult& r, const ExampleMirror&, const Readings&) {
         EXPECT_EQ(r.Reduction[2], 0);
         // Against origin zone 1 every zone moves by one and the same constant.
         EXPECT_NEAR(r.Reduction[0], 0.0162603, 1e-7);
         EXPECT_NEAR(r.Reduction[4] - r.Reduction[0], 0.0189164, 1e-7);
         EXPECT_NEAR(r.AdjustedReduction[1] - r.AdjustedReduction[0], -0.0176219, 1e-7);
     }},
    {"k shifts the adjusted reduction",
     [](ExampleMirror&, MirrorParameters& p, Readings&) {
         p.k = 0.01L;
         p.ParabolaZoneIndex = 4;
     },
     [](const ReductionResult& r, const ExampleMirror&, const Readings&) {
         EXPECT_EQ(r.Reduction[0], 0);
         EXPECT_DOUBLE_EQ(r.AdjustedReduction[0], -0.01);
         EXPECT_DOUBLE_EQ(r.AdjustedReduction[4], r.Reduction[4] - 0.01);
     }},
};

TEST(ComputeReduction, EdgeCases) {
    for (const EdgeCase& c : kEdgeCases) {
        SCOPED_TRACE(c.name);
        ExampleMirror mirror;
        MirrorParameters parameters = mirror.model.parameters();
        Readings readings = kExampleReadings;
        c.change(mirror, parameters, readings);
        c.check(ComputeReduction(parameters, mirror.model.geometry(), readings), mirror, readings);
    }
}

TEST(ComputeReduction, IndicesOutOfRangeNameTheNearestZone) {
    ExampleMirror mirror;
    struct Case {
        const char* name;
        int reductionZone;
        int parabolaZone;
        int sameAsReduction;
        int sameAsParabola;
    } cases[] = {
        {"past the last zone", 7, 999, 4, 4},
        {"negative", -3, -1, 0, 0},
    };
    for (const Case& c : cases) {
        MirrorParameters outside = mirror.model.parameters();
        outside.ReductionZoneIndex = static_cast<std::int16_t>(c.reductionZone);
        outside.ParabolaZoneIndex = static_cast<std::int16_t>(c.parabolaZone);
        MirrorParameters inside = outside;
        inside.ReductionZoneIndex = static_cast<std::int16_t>(c.sameAsReduction);
        inside.ParabolaZoneIndex = static_cast<std::int16_t>(c.sameAsParabola);
        const ReductionResult a =
            ComputeReduction(outside, mirror.model.geometry(), kExampleReadings);
        const ReductionResult b =
            ComputeReduction(inside, mirror.model.geometry(), kExampleReadings);
        EXPECT_EQ(a.Reduction, b.Reduction) << c.name;
        EXPECT_EQ(a.WavefrontError, b.WavefrontError) << c.name;
        EXPECT_EQ(a.Rms, b.Rms) << c.name;
    }
}

TEST(ComputeReduction, FloatingPointFaultsThrow) {
    struct Case {
        const char* name;
        std::vector<double> readings;
    } cases[] = {
        {"a difference past the double range", {1.7e308, -1.7e308, 0, 0, 0}},
        {"a sum of squares past the double range", {0.25, 1e308, 2.46, 3.49, 4.51}},
        {"a not-a-number reading", {0.25, std::nan(""), 2.46, 3.49, 4.51}},
        {"an infinite reading", {0.25, HUGE_VAL, 2.46, 3.49, 4.51}},
    };
    ExampleMirror mirror;
    for (const Case& c : cases) {
        EXPECT_THROW(
            ComputeReduction(mirror.model.parameters(), mirror.model.geometry(), c.readings),
            CalculationError)
            << c.name;
    }
}

TEST(ComputeReduction, ArraysMustMatchTheZoneCount) {
    ExampleMirror mirror;
    EXPECT_THROW(ComputeReduction(mirror.model.parameters(), mirror.model.geometry(), {0.25, 1.44}),
                 std::invalid_argument);
}

struct TracedReadings {
    long double fixedSource;
    long double movingSource;
};

// Readings of zone h of a conic of coefficient b, traced through its normal, which meets the
// axis −b·sag(h) beyond the centre of curvature. A source moving with the knife-edge sees the
// zone's light return on itself there. A source fixed at the centre of curvature sends a ray
// that the zone reflects about its normal; the knife-edge stands where it crosses the axis.
// Lengths along the axis from the vertex.
TracedReadings TraceZone(long double b, long double h, long double R) {
    const long double sag = h * h / (R * (1 + std::sqrt(1 - (1 + b) * h * h / (R * R))));
    const long double normalCrossing = R - b * sag;
    const long double normalLength = std::hypot(h, normalCrossing - sag);
    const long double nx = -h / normalLength;
    const long double nz = (normalCrossing - sag) / normalLength;
    const long double rayLength = std::hypot(h, sag - R);
    const long double dx = h / rayLength;
    const long double dz = (sag - R) / rayLength;
    const long double along = dx * nx + dz * nz;
    const long double rx = dx - 2 * along * nx;
    const long double rz = dz - 2 * along * nz;
    const long double image = sag - h / rx * rz;
    return {image - R, normalCrossing - R};
}

TEST(ComputeReduction, BothTestersReduceTracedReadingsToTheSameWavefront) {
    // Short of a paraboloid: the reduction against b −1 finds about 0.14 wave.
    constexpr long double kFigure = -0.9L;
    constexpr long double kR = 2000;
    for (const int zones : {5, 12, 30}) {
        SCOPED_TRACE(zones);
        std::vector<ReductionResult> results;
        for (const bool moving : {false, true}) {
            fixtures::WiredMirror wired;
            wired.model.setD(200);
            wired.model.setR(kR);
            wired.model.setZoneCount(zones);
            wired.model.setMovingSource(moving);
            const ZoneGeometry& g = wired.model.geometry();
            Readings readings(zones);
            for (int i = 0; i < zones; ++i) {
                const TracedReadings traced = TraceZone(kFigure, g.Hm[i], kR);
                readings[i] =
                    static_cast<double>(moving ? traced.movingSource : traced.fixedSource);
            }
            MirrorParameters parameters = wired.model.parameters();
            parameters.ParabolaZoneIndex = static_cast<std::int16_t>(zones - 1);
            results.push_back(ComputeReduction(parameters, g, readings));
        }
        const ReductionResult& fixedSource = results[0];
        const ReductionResult& movingSource = results[1];
        EXPECT_GT(fixedSource.PeakError, 0.1);
        EXPECT_NEAR(movingSource.PeakError, fixedSource.PeakError, 0.005 * fixedSource.PeakError);
        for (int i = 0; i < zones; ++i) {
            EXPECT_DOUBLE_EQ(movingSource.Tolerance[i], fixedSource.Tolerance[i] / 2) << i;
        }
    }
}

TEST(ComputeReduction, NineHundredNinetyNineZones) {
    fixtures::WiredMirror wired;
    wired.model.setD(400);
    wired.model.setR(3200);
    wired.model.setZoneCount(999);
    const ZoneGeometry& g = wired.model.geometry();
    Readings readings(999);
    for (int i = 0; i < 999; ++i) readings[i] = g.Ac[i] + 1e-4 * std::sin(i * 0.01);
    MirrorParameters parameters = wired.model.parameters();
    parameters.ReductionZoneIndex = 500;
    parameters.ParabolaZoneIndex = 998;
    const ReductionResult r = ComputeReduction(parameters, g, readings);
    ASSERT_EQ(r.WavefrontError.size(), 999u);
    EXPECT_EQ(r.Reduction[500], 0);
    EXPECT_NEAR(r.WavefrontError[998], 0, 1e-18);
    EXPECT_GT(r.Rms, 0);
    EXPECT_GT(r.Strehl, 0);
    EXPECT_LE(r.Strehl, 1);
}

}  // namespace
}  // namespace zelvaro
