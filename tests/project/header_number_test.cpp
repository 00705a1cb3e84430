#include "data/header_number.h"

#include <gtest/gtest.h>

#include <optional>

namespace zelvaro {
namespace {

TEST(HeaderNumber, ReadsUnderEitherDecimalSeparator) {
    struct Case {
        const char* name;
        Separators seps;
        const char* text;
        std::optional<long double> expected;
    } cases[] = {
        {"comma under comma", Separators::brazilian(), "0,00056", 0.00056L},
        {"point under comma", Separators::brazilian(), "0.00056", 0.00056L},
        {"point under point", Separators::english(), "60.5", 60.5L},
        {"comma under point", Separators::english(), "60,5", 60.5L},
        {"whole number", Separators::brazilian(), "-1", -1.0L},
        {"scientific", Separators::english(), "9E-005", 9e-5L},
        {"scientific with a fraction, point under comma", Separators::brazilian(), "2.5E020",
         2.5e20L},
        {"blanks around", Separators::brazilian(), " 12,5 ", 12.5L},
        {"both separators", Separators::brazilian(), "1.234,5", std::nullopt},
        {"both separators, point", Separators::english(), "1,234.5", std::nullopt},
        {"empty", Separators::brazilian(), "", std::nullopt},
        {"letters", Separators::english(), "abc", std::nullopt},
        {"a lone separator", Separators::brazilian(), ",", std::nullopt},
        {"no digit before the exponent", Separators::english(), " .E2", std::nullopt},
        {"overflow", Separators::english(), "1E99999", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto value = parseHeaderNumber(c.text, c.seps);
        ASSERT_EQ(value.has_value(), c.expected.has_value());
        if (value) {
            EXPECT_EQ(*value, *c.expected);
        }
    }
}

TEST(HeaderNumber, ReadsWholeNumbersWithFallback) {
    struct Case {
        const char* name;
        const char* text;
        int expected;
    } cases[] = {
        {"plain", "3", 3},
        {"negative", "-2", -2},
        {"plus sign", "+7", 7},
        {"leading spaces", "  12", 12},
        {"trailing space", "12 ", -1},
        {"fraction", "3,0", -1},
        {"empty", "", -1},
        {"sign only", "-", -1},
        {"two signs", "+-3", -1},
        {"beyond 32 bits", "99999999999", -1},
        {"letters", "x1", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(parseHeaderInteger(c.text, -1), c.expected);
    }
}

}  // namespace
}  // namespace zelvaro
