#include "data/radius_list.h"

#include <gtest/gtest.h>

namespace zelvaro {
namespace {

TEST(RadiusList, JoinsInGeneralFormWithQuotes) {
    struct Case {
        const char* name;
        std::vector<double> radii;
        Separators seps;
        const char* expected;
    } cases[] = {
        {"example, comma", {40, 60.5, 75}, Separators::brazilian(), R"("40";"60,5";"75")"},
        {"example, point", {40, 60.5, 75}, Separators::english(), R"("40";"60.5";"75")"},
        {"one zone", {0}, Separators::brazilian(), R"("0")"},
        {"fixed down to 0.0001", {0.0001}, Separators::english(), R"("0.0001")"},
        {"scientific below, short exponent", {0.00009}, Separators::english(), R"("9E-5")"},
        {"15 significant digits", {1.0 / 3}, Separators::english(), R"("0.333333333333333")"},
        {"no zones", {}, Separators::english(), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(joinRadiusList(c.radii, c.seps), c.expected);
    }
}

TEST(RadiusList, SplitsQuotedAndPlainItems) {
    using Items = std::vector<std::string>;
    struct Case {
        const char* name;
        const char* text;
        Items expected;
    } cases[] = {
        {"quoted", R"("40";"60,5";"75")", {"40", "60,5", "75"}},
        {"plain", "40;60.5;75", {"40", "60.5", "75"}},
        {"doubled quote", R"("a""b";"c")", {"a\"b", "c"}},
        {"blanks between items", " \t\"1\" ;\t \"2\" ", {"1", "2"}},
        {"space ends a plain item", "1 2;3", {"1", "2", "3"}},
        {"text after a closing quote", R"("1"x;2)", {"1", "x", "2"}},
        {"semicolon at the end", "1;", {"1", ""}},
        {"empty items", ";;", {"", "", ""}},
        {"unclosed quote", R"("1;2)", {"1;2"}},
        {"empty", "", {}},
        {"blanks only", "  ", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(splitRadiusList(c.text, 100), c.expected);
    }
}

TEST(RadiusList, StopsAfterTheItemsNeeded) {
    EXPECT_EQ(splitRadiusList("1;2;3;4", 2), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(splitRadiusList("1;", 1), (std::vector<std::string>{"1"}));
}

}  // namespace
}  // namespace zelvaro
