#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/math_constants.h"
#include "core/mirror_formulas.h"
#include "core/reduction_errors.h"
#include "core/reduction_formulas.h"
#include "core/tester_formulas.h"
#include "core/zone_index.h"

namespace zelvaro {
namespace {

struct FormulaCase {
    const char* name;
    long double value;
    long double expected;
};

void ExpectCases(const FormulaCase* begin, const FormulaCase* end) {
    for (const FormulaCase* c = begin; c != end; ++c) {
        EXPECT_NEAR(static_cast<double>(c->value), static_cast<double>(c->expected),
                    std::fabs(static_cast<double>(c->expected)) * 1e-15)
            << c->name;
    }
}

constexpr TesterType kFixed = TesterType::FixedSource;
constexpr TesterType kMoving = TesterType::MovingSource;

TEST(Formulas, TesterFormulas) {
    const FormulaCase cases[] = {
        {"fixed: paraboloid reading", CalcIdealAberration(kFixed, -1, 22.36068L, 2000),
         22.36068L * 22.36068L / 2000 + std::pow(22.36068L, 4) / (2 * 8e9L)},
        {"fixed: sphere reads 0", CalcIdealAberration(kFixed, 0, 50, 2000), 0},
        {"fixed: ellipsoid", CalcIdealAberration(kFixed, -0.5L, 100, 1000), 0.5L * (10 + 0.05L)},
        {"fixed: b -0.9", CalcIdealAberration(kFixed, -0.9L, 100, 1000), 0.9L * (10 + 0.05L)},
        {"fixed: R 0 reads 0", CalcIdealAberration(kFixed, -1, 50, 0), 0},
        {"moving: paraboloid reads h²/2R", CalcIdealAberration(kMoving, -1, 22.36068L, 2000),
         22.36068L * 22.36068L / 4000},
        {"moving: sphere reads 0", CalcIdealAberration(kMoving, 0, 50, 2000), 0},
        {"moving: ellipsoid", CalcIdealAberration(kMoving, -0.5L, 100, 1000),
         0.5L * (5 + 0.5L * 0.0125L)},
        {"moving: b -0.9", CalcIdealAberration(kMoving, -0.9L, 100, 1000),
         0.9L * (5 + 0.1L * 0.0125L)},
        {"moving: R 0 reads 0", CalcIdealAberration(kMoving, -1, 50, 0), 0},
        {"fixed: transverse aberration", CalcTransverseAberration(kFixed, 0.02L, 50, 2000),
         0.02L * 50 / 4000},
        {"fixed: transverse aberration of R 0", CalcTransverseAberration(kFixed, 0.02L, 50, 0), 0},
        {"moving: transverse aberration", CalcTransverseAberration(kMoving, 0.02L, 50, 2000),
         0.02L * 50 / 2000},
        {"moving: transverse aberration of R 0", CalcTransverseAberration(kMoving, 0.02L, 50, 0),
         0},
        {"fixed: tolerance", CalcTolerance(kFixed, 2000, 0.003416L, 50), 2 * 2000 * 0.003416L / 50},
        {"fixed: tolerance at radius 0", CalcTolerance(kFixed, 2000, 0.003416L, 0), 0},
        {"moving: tolerance", CalcTolerance(kMoving, 2000, 0.003416L, 50), 2000 * 0.003416L / 50},
        {"moving: tolerance at radius 0", CalcTolerance(kMoving, 2000, 0.003416L, 0), 0},
    };
    ExpectCases(std::begin(cases), std::end(cases));
}

// The normal of a conic at height h crosses the axis −b·sag(h) beyond the centre of
// curvature; a moving source reads that distance, exactly for a paraboloid and a sphere and
// otherwise up to the sag's h⁶ term, (1+b)²·h⁶/(16R⁵).
TEST(Formulas, MovingSourceReadingIsWhereTheZonesNormalCrossesTheAxis) {
    const long double R = 2000;
    for (const long double b : {-1.0L, 0.0L, -0.9L, -1.2L}) {
        for (const long double h : {10.0L, 50.0L, 100.0L}) {
            const long double sag = h * h / (R * (1 + std::sqrt(1 - (1 + b) * h * h / (R * R))));
            const long double crossing = -b * sag;
            const long double sixthOrder =
                std::fabs(b) * (1 + b) * (1 + b) * std::pow(h, 6) / (16 * std::pow(R, 5));
            EXPECT_NEAR(static_cast<double>(CalcIdealAberration(kMoving, b, h, R)),
                        static_cast<double>(crossing),
                        static_cast<double>(2 * sixthOrder + 1e-15L * std::fabs(crossing)))
                << "b " << static_cast<double>(b) << " h " << static_cast<double>(h);
        }
    }
}

TEST(Formulas, ValuesAndZeroGuards) {
    const FormulaCase cases[] = {
        {"diffraction radius", CalcDiffractionRadius(0.00056L, 5), 1.22L * 0.00056L * 5},
        {"diffraction radius of fD 0", CalcDiffractionRadius(0.00056L, 0), 0},
        {"first of five equal areas", CalcAutoRadius(0, 6283.185307179586L),
         std::sqrt(6283.185307179586L / kPi)},
        {"last radius is D/2", CalcAutoRadius(4, 31415.926535897932L / 5), 100},
        {"slope error", CalcSlopeError(0.0002L, 1000), -0.0002L / 1000},
        {"slope error of f 0", CalcSlopeError(0.0002L, 0), 0},
        {"parabola term", CalcParabolaTerm(100, 2.5e3), 100.0L * 100 / 5e3L},
        {"parabola term of c 0", CalcParabolaTerm(100, 0), 0},
        {"Strehl of a perfect wavefront", CalcStrehl(0.00056, 0), 1},
        {"Strehl of Lambda 0", CalcStrehl(0, 1e-6), 0},
    };
    ExpectCases(std::begin(cases), std::end(cases));
}

TEST(Formulas, PiHasFullExtendedPrecision) {
    EXPECT_EQ(kPi, std::acos(-1.0L));
    EXPECT_NE(static_cast<double>(kPi), kPi);
}

struct RmsCase {
    const char* name;
    std::vector<double> values;
    double expected;
};

TEST(Formulas, RmsIsThePopulationStandardDeviation) {
    const RmsCase cases[] = {
        {"no values", {}, 0},       {"one value", {0.5}, 0},
        {"two values", {1, 3}, 1},  {"eight values", {2, 4, 4, 4, 5, 5, 7, 9}, 2},
        {"all zero", {0, 0, 0}, 0},
    };
    for (const RmsCase& c : cases) {
        EXPECT_DOUBLE_EQ(static_cast<double>(CalcRms(c.values)), c.expected) << c.name;
    }
}

TEST(Formulas, RmsOfOneValueIsTheRoundingOfItsSquare) {
    // Σx² is rounded to a double and (Σx)² is not, so a single value need not give 0.
    const long double x = 3e-6;
    const long double rounded = static_cast<double>(x * x);
    EXPECT_EQ(CalcRms({3e-6}), std::sqrt(rounded - x * x));
}

TEST(Formulas, RmsOfEqualValuesIsZeroWhereRoundingLeavesAVarianceBelowZero) {
    // 3 x 0.3: the rounded sum of squares leaves n·Σx² − (Σx)² just below 0.
    const std::vector<double> equal(3, 0.3);
    EXPECT_EQ(CalcRms(equal), 0);
}

TEST(Formulas, RmsFaults) {
    EXPECT_THROW(CalcRms({1e200, 1e200}), CalculationError);
    EXPECT_THROW(CalcRms({1, std::nan("")}), CalculationError);
}

TEST(Formulas, StrehlIsZeroOnceMarechalsBracketTurnsNegative) {
    const double lambda = 0.00056;
    struct Case {
        const char* name;
        double rms;
        double expected;
    } cases[] = {
        {"0.2 wave", 0.2 * lambda, 0.0442},
        {"0.3 wave: bracket negative", 0.3 * lambda, 0},
        {"1 wave", lambda, 0},
        {"bracket exactly at its limit", lambda / (std::sqrt(2.0) * 3.141592653589793), 0},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(static_cast<double>(CalcStrehl(lambda, c.rms)), c.expected, 5e-4) << c.name;
    }
}

TEST(ZoneIndex, OutOfRangeIndicesNameTheNearestZone) {
    struct Case {
        const char* name;
        int index;
        int zoneCount;
        int expected;
    } cases[] = {
        {"inside", 2, 5, 2},
        {"first", 0, 5, 0},
        {"last", 4, 5, 4},
        {"at the zone count", 5, 5, 4},
        {"far above after the count fell", 998, 3, 2},
        {"negative", -1, 5, 0},
        {"most negative 16-bit", -32768, 5, 0},
        {"one zone", 7, 1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ZoneIndexInRange(c.index, c.zoneCount), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace zelvaro
