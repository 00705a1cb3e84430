#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "core/mirror.h"
#include "fake_rows.h"

namespace zelvaro::fixtures {

// An open test wired to a fake table and reset, as its owner leaves it.
struct WiredMirror {
    FakeRows rows;
    Mirror model{rows};

    WiredMirror() {
        rows.events = &model;
        model.ResetToDefaults();
    }
};

// The worked mirror: D 200, R 2000, 5 zones of equal area, Lambda 0.00056, b −1.
struct ExampleMirror : WiredMirror {
    ExampleMirror() {
        model.setD(200);
        model.setR(2000);
        model.setZoneCount(5);
    }
};

inline const std::vector<double> kExampleReadings{0.25, 1.44, 2.46, 3.49, 4.51};

// True when `actual` shows as `shown` with as many significant digits as `shown` has; a
// shown 0 asks for a value that is 0 up to rounding.
inline ::testing::AssertionResult Shows(double actual, std::string_view shown) {
    int digits = 0;
    bool leading = true;
    for (char c : shown) {
        if (c == 'e' || c == 'E') break;
        if (c < '0' || c > '9') continue;
        if (c == '0' && leading) continue;
        leading = false;
        ++digits;
    }
    char got[64];
    char want[64];
    if (digits == 0) {
        if (std::abs(actual) <= 1e-18) return ::testing::AssertionSuccess();
        std::snprintf(got, sizeof got, "%.17g", actual);
        return ::testing::AssertionFailure() << got << " is not 0";
    }
    std::snprintf(got, sizeof got, "%.*e", digits - 1, actual);
    std::snprintf(want, sizeof want, "%.*e", digits - 1,
                  std::strtod(std::string(shown).c_str(), nullptr));
    if (std::string_view(got) == want) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << got << " does not show as " << shown;
}

struct ArrayCase {
    const char* name;
    const std::vector<double>& actual;
    std::vector<const char*> shown;
};

inline void ExpectArrays(const std::vector<ArrayCase>& cases) {
    for (const ArrayCase& c : cases) {
        ASSERT_EQ(c.actual.size(), c.shown.size()) << c.name;
        for (std::size_t i = 0; i < c.shown.size(); ++i) {
            EXPECT_TRUE(Shows(c.actual[i], c.shown[i])) << c.name << "[" << i << "]";
        }
    }
}

}  // namespace zelvaro::fixtures
