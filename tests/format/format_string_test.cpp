#include "format/format_string.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace zelvaro {
namespace {

const Separators kBrazilian = Separators::brazilian();
const Separators kEnglish = Separators::english();

struct Case {
    const char* name;
    const char* format;
    std::vector<FormatArg> args;
    const char* brazilian;
    const char* english;
};

void expectTexts(const Case& c) {
    EXPECT_EQ(FormatString(c.format, c.args.data(), c.args.size(), kBrazilian), c.brazilian)
        << c.name;
    EXPECT_EQ(FormatString(c.format, c.args.data(), c.args.size(), kEnglish), c.english)
        << c.name << " (English)";
}

TEST(FormatString, WorkedExamples) {
    const Case cases[] = {
        {"GroupedFourDecimals", "%.4n", {1234.5L}, "1.234,5000", "1,234.5000"},
        {"SixDecimals", "%.6n", {0.0001234L}, "0,000123", "0.000123"},
        {"LetterAfterNumber", "%.5nl", {0.12345678L}, "0,12346l", "0.12346l"},
        {"TextBeforeNumber", "l/%n", {8.1L}, "l/8,10", "l/8.10"},
        {"NineDecimals", "%.9f", {0.5L}, "0,500000000", "0.500000000"},
        {"NegativeFixed", "%.5f", {-1234.5L}, "-1234,50000", "-1234.50000"},
        {"GeneralFraction", "%g", {0.00056L}, "0,00056", "0.00056"},
        {"GeneralInteger", "%g", {1500.0L}, "1500", "1500"},
        {"GeneralSmall", "%g", {0.00005L}, "5E-005", "5E-005"},
        {"GeneralLarge", "%g", {1.5e20L}, "1,5E020", "1.5E020"},
        {"GeneralThird", "%g", {1.0L / 3}, "0,333333333333333", "0.333333333333333"},
        {"ZoneNumber", "Zona %.2d", {3LL}, "Zona 03", "Zona 03"},
    };
    for (const Case& c : cases) expectTexts(c);
}

TEST(FormatString, Conversions) {
    const long double infinity = std::numeric_limits<long double>::infinity();
    const Case cases[] = {
        {"WholeNumberPadded", "%.3d", {-5LL}, "-005", "-005"},
        {"WholeNumberPlain", "Zona%d", {12LL}, "Zona12", "Zona12"},
        {"WholeNumberPrecisionAbove16Ignored", "%.17d", {5LL}, "5", "5"},
        {"WholeNumberSmallest", "%d", {LLONG_MIN}, "-9223372036854775808", "-9223372036854775808"},
        {"TextCut", "%.3s", {std::string_view("abcdef")}, "abc", "abc"},
        {"TextCutByCharacters",
         "%.2s",
         {std::string_view("a\xC3\xA7\xC3\xA3o")},
         "a\xC3\xA7",
         "a\xC3\xA7"},
        {"TextWhole",
         "Zelvaro - [%s]",
         {std::string_view("teste.pbl")},
         "Zelvaro - [teste.pbl]",
         "Zelvaro - [teste.pbl]"},
        {"ProjectLine",
         "%s=%g",
         {std::string_view("Diametro"), 150.0L},
         "Diametro=150",
         "Diametro=150"},
        {"FixedDefaultTwoDecimals", "%f", {2.0L}, "2,00", "2.00"},
        {"FixedNoDecimals", "%.0f", {2.5L}, "3", "3"},
        {"FixedPrecisionAbove18CountsAsNone", "%.19f", {1.5L}, "1,50", "1.50"},
        {"FixedNoGrouping", "%.1f", {1234567.25L}, "1234567,3", "1234567.3"},
        {"FixedNegativeRoundsToZero", "%.2f", {-0.004L}, "0,00", "0.00"},
        {"FixedCutAtFirstDigit", "%.2f", {0.001L}, "0,00", "0.00"},
        {"FixedEighteenDecimals", "%.18f", {0.5L}, "0,500000000000000000", "0.500000000000000000"},
        {"GroupedMillions", "%.0n", {1234567.0L}, "1.234.567", "1,234,567"},
        {"GroupedNegative", "%.1n", {-1234.5L}, "-1.234,5", "-1,234.5"},
        {"GroupedShort", "%n", {123.0L}, "123,00", "123.00"},
        {"FixedTenPow18IsGeneral", "%.2f", {1e18L}, "1E18", "1E18"},
        {"FixedLargeMinimumExponentDigits", "%.3f", {1.5e20L}, "1,5E020", "1.5E020"},
        {"FixedLargeManyDecimals", "%.9f", {1e18L}, "1E18", "1E18"},
        {"GroupedLargeNegative", "%n", {-1e19L}, "-1E19", "-1E19"},
        {"FixedBelowTenPow18",
         "%.0f",
         {999999999999999999.0L},
         "999999999999999999",
         "999999999999999999"},
        {"GeneralPrecisionOne", "%.1g", {1234.0L}, "1,2E003", "1.2E003"},
        {"GeneralPrecisionAbove18", "%.19g", {1.0L / 3}, "0,333333333333333", "0.333333333333333"},
        {"GeneralPrecisionEighteen",
         "%.18g",
         {1.0L / 3},
         "0,333333333333333333",
         "0.333333333333333333"},
        {"FixedInfinity", "%.2f", {infinity}, "INF", "INF"},
        {"GroupedNegativeInfinity", "%n", {-infinity}, "-INF", "-INF"},
        {"GeneralNotANumber", "%g", {std::nanl("")}, "NAN", "NAN"},
        {"Percent", "100%%", {}, "100%", "100%"},
        {"LiteralSeparatorsCopied", "1.5,%d", {3LL}, "1.5,3", "1.5,3"},
        {"CapitalType", "%D %.2F %S", {7LL, 0.5L, std::string_view("x")}, "7 0,50 x", "7 0.50 x"},
        {"TwoNumbers", "Registro %d/%d", {2LL, 5LL}, "Registro 2/5", "Registro 2/5"},
        {"Title",
         "Resultados - [espelho %nmm - f/%.2n]",
         {150.0L, 6.666L},
         "Resultados - [espelho 150,00mm - f/6,67]",
         "Resultados - [espelho 150.00mm - f/6.67]"},
    };
    for (const Case& c : cases) expectTexts(c);
}

TEST(FormatString, WidthAndLeftAlignment) {
    const Case cases[] = {
        {"WidthPadsLeft", "%5d", {42LL}, "   42", "   42"},
        {"MinusPadsRight", "%-5d|", {42LL}, "42   |", "42   |"},
        {"WidthWithPrecision", "%7.2f", {1.5L}, "   1,50", "   1.50"},
        {"WidthCountsCharacters",
         "%3s",
         {std::string_view("\xC3\xA9")},
         "  \xC3\xA9",
         "  \xC3\xA9"},
        {"NarrowWidthIgnored", "%2d", {12345LL}, "12345", "12345"},
    };
    for (const Case& c : cases) expectTexts(c);
}

TEST(FormatString, Errors) {
    struct ErrorCase {
        const char* name;
        const char* format;
        std::vector<FormatArg> args;
        const char* message;
    } cases[] = {
        {"WholeNumberGetsNumber",
         "%d",
         {1.0L},
         "Format '%d' invalid or incompatible with argument"},
        {"NumberGetsWholeNumber",
         "x %.9f",
         {1LL},
         "Format '%.9f' invalid or incompatible with argument"},
        {"TextGetsNumber", "%s", {1.0L}, "Format '%s' invalid or incompatible with argument"},
        {"GeneralGetsText",
         "%g",
         {std::string_view("1")},
         "Format '%g' invalid or incompatible with argument"},
        {"UnknownType", "%.2x", {1LL}, "Format '%.2x' invalid or incompatible with argument"},
        {"UnknownMultiByteType",
         "%\xC3\xA9",
         {1LL},
         "Format '%\xC3\xA9' invalid or incompatible with argument"},
        {"PercentAtEnd", "50%", {}, "Format '%' invalid or incompatible with argument"},
        {"UnfinishedConversion",
         "%-3.",
         {1LL},
         "Format '%-3.' invalid or incompatible with argument"},
        {"NoArguments", "%.9f", {}, "No argument for format '%.9f'"},
        {"ArgumentsRunOut", "Registro %d/%d", {1LL}, "No argument for format '%d'"},
        {"LongConversionCut",
         "%0000000000000000000000000000000000001.5x",
         {1LL},
         "Format '%000000000000000000000000000000' invalid or incompatible with argument"},
    };
    for (const ErrorCase& c : cases) {
        try {
            FormatString(c.format, c.args.data(), c.args.size(), kBrazilian);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const FormatError& error) {
            EXPECT_STREQ(error.what(), c.message) << c.name;
        }
    }
}

TEST(FormatString, MultiByteSeparators) {
    const Separators seps{"\xD9\xAB", "\xC2\xA0"};
    EXPECT_EQ(FormatString("%.2n", {1234567.5L}, seps),
              "1\xC2\xA0"
              "234\xC2\xA0"
              "567\xD9\xAB"
              "50");
    EXPECT_EQ(FormatString("%.1f|%g", {-2.25L, 0.5L}, seps),
              "-2\xD9\xAB"
              "3|0\xD9\xAB"
              "5");
}

}  // namespace
}  // namespace zelvaro
