#include "core/field_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zelvaro {
namespace {

TEST(AsFieldValue, KeepsTwelveDecimals) {
    struct Case {
        const char* name;
        long double value;
        long double held;
    } cases[] = {
        {"wavelength", 0.00056L, 0.00056L},
        {"few decimals", 1234.5L, 1234.5L},
        {"cut after twelve decimals", 0.1234567890123456L, 0.123456789012L},
        {"rounded half away from zero", 0.0000000000005L, 0.000000000001L},
        {"below the last decimal", 0.0000000000004L, 0},
        {"negative below the last decimal", -0.0000000000004L, 0},
        {"negative", -1.0000000000006L, -1.000000000001L},
        {"area of a 200 mm mirror", 31415.92653589793238L, 31415.926535897932L},
        {"zero", 0, 0},
        {"beyond 10^18, fifteen digits", 1234567890123456789012.0L, 1.23456789012346e21L},
        {"infinity reads back as nothing", std::numeric_limits<long double>::infinity(), 0},
        {"not-a-number reads back as nothing", std::numeric_limits<long double>::quiet_NaN(), 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AsFieldValue(c.value), c.held) << c.name;
    }
}

TEST(AsFieldValue, IsStable) {
    for (long double value : {0.00056L, 1.0L / 3, 2.678240123456789e-6L, 6283.185307179586477L}) {
        EXPECT_EQ(AsFieldValue(AsFieldValue(value)), AsFieldValue(value));
    }
}

}  // namespace
}  // namespace zelvaro
