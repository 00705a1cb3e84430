#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/math_constants.h"
#include "core/mirror_formulas.h"
#include "core/reduction_errors.h"
#include "core/reduction_formulas.h"
#include "core/zone_index.h"

namespace zelvaro {
namespace {

struct FormulaCase {
    const char* name;
    long double value;
    long double expected;
};

TEST(Formulas, ValuesAndZeroGuards) {
    const FormulaCase cases[] = {
        {"paraboloid reading", CalcIdealAberration(-1, 22.36068L, 2000),
         22.36068L * 22.36068L / 2000 + std::pow(22.36068L, 4) / (2 * 8e9L)},
        {"sphere reads 0", CalcIdealAberration(0, 50, 2000), 0},
        {"ellipsoid reads half", CalcIdealAberration(-0.5L, 100, 1000), 0.5L * (10 + 0.05L)},
        {"R 0 reads 0", CalcIdealAberration(-1, 50, 0), 0},
        {"diffraction radius", CalcDiffractionRadius(0.00056L, 5), 1.22L * 0.00056L * 5},
        {"diffraction radius of fD 0", CalcDiffractionRadius(0.00056L, 0), 0},
        {"first of five equal areas", CalcAutoRadius(0, 6283.185307179586L),
         std::sqrt(6283.185307179586L / kPi)},
        {"last radius is D/2", CalcAutoRadius(4, 31415.926535897932L / 5), 100},
        {"transverse aberration", CalcTransverseAberration(0.02L, 50, 2000), 0.02L * 50 / 4000},
        {"transverse aberration of R 0", CalcTransverseAberration(0.02L, 50, 0), 0},
        {"tolerance", CalcTolerance(2000, 0.003416L, 50), 2 * 2000 * 0.003416L / 50},
        {"tolerance at radius 0", CalcTolerance(2000, 0.003416L, 0), 0},
        {"slope error", CalcSlopeError(0.0002L, 1000), -0.0002L / 1000},
        {"slope error of f 0", CalcSlopeError(0.0002L, 0), 0},
        {"parabola term", CalcParabolaTerm(100, 2.5e3), 100.0L * 100 / 5e3L},
        {"parabola term of c 0", CalcParabolaTerm(100, 0), 0},
        {"Strehl of a perfect wavefront", CalcStrehl(0.00056, 0), 1},
        {"Strehl of Lambda 0", CalcStrehl(0, 1e-6), 0},
    };
    for (const FormulaCase& c : cases) {
        EXPECT_NEAR(static_cast<double>(c.value), static_cast<double>(c.expected),
                    std::fabs(static_cast<double>(c.expected)) * 1e-15)
            << c.name;
    }
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
