#include "format/format_pattern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zelvaro {
namespace {

const Separators kBrazilian = Separators::brazilian();
const Separators kEnglish = Separators::english();

constexpr const char* kField = "#,##0.00000;-#,##0.00000";
constexpr const char* kScientific = "#.##0E+00;-#.##0E+00";
constexpr const char* kEdit = "0.############";

struct Case {
    const char* name;
    const char* pattern;
    long double value;
    const char* brazilian;
    const char* english;
};

void expectTexts(const Case& c) {
    EXPECT_EQ(FormatPattern(c.pattern, c.value, kBrazilian), c.brazilian) << c.name;
    EXPECT_EQ(FormatPattern(c.pattern, c.value, kEnglish), c.english) << c.name << " (English)";
}

TEST(FormatPattern, WorkedExamples) {
    const Case cases[] = {
        {"FieldGrouped", kField, 1234.5678L, "1.234,56780", "1,234.56780"},
        {"FieldMillions", kField, 1234567.891234L, "1.234.567,89123", "1,234,567.89123"},
        {"FieldHalf", kField, 0.5L, "0,50000", "0.50000"},
        {"FieldNegativeSection", kField, -1.0L, "-1,00000", "-1.00000"},
        {"FieldNegativeRoundsToZero", kField, -0.000004L, "0,00000", "0.00000"},
        {"FieldRoundsUpToLastPlace", kField, 0.000006L, "0,00001", "0.00001"},
        {"FieldTenPow18IsGeneral", kField, 1e18L, "1E18", "1E18"},
        {"ZoneCountPadded", "000", 5.0L, "005", "005"},
        {"ZoneCountRoundsHalfUp", "000", 2.5L, "003", "003"},
        {"ZoneCountOverflowsPlaces", "000", 1234.0L, "1234", "1234"},
        {"Scientific", kScientific, 1234.5678L, "1,235E+03", "1.235E+03"},
        {"ScientificSmall", kScientific, 0.00056L, "5,600E-04", "5.600E-04"},
        {"ScientificZero", kScientific, 0.0L, "0,000E+00", "0.000E+00"},
        {"ScientificNegative", kScientific, -1.0L, "-1,000E+00", "-1.000E+00"},
        {"OptionalDecimalEmpty", "#,##0.0#", 1.0L, "1,0", "1.0"},
        {"OptionalDecimalUsed", "#,##0.0#", 1234.567L, "1.234,57", "1,234.57"},
        {"OnlyOptionalDecimals", "#,##0.##", 2.5L, "2,5", "2.5"},
        {"OptionalDecimalsZero", "#,##0.##", 0.0L, "0", "0"},
        {"CutAtFirstDigitShowsZeros", "#,##0.##", 0.001L, "0,00", "0.00"},
        {"BelowTheLastPlace", "#,##0.##", 0.0001L, "0", "0"},
        {"EditFraction", kEdit, 0.00056L, "0,00056", "0.00056"},
        {"EditNoGrouping", kEdit, 1234.5L, "1234,5", "1234.5"},
        {"EditTwelveDecimals", kEdit, 0.1234567890123456L, "0,123456789012", "0.123456789012"},
    };
    for (const Case& c : cases) expectTexts(c);
}

TEST(FormatPattern, Sections) {
    const Case cases[] = {
        {"NegativeFirstSectionWritesMinus", "0.00", -1.5L, "-1,50", "-1.50"},
        {"SecondSectionWithoutMinus", "0.00;0.00", -1.5L, "1,50", "1.50"},
        {"ThirdSectionForZero", "0.00;-0.00;'nada'", 0.0L, "nada", "nada"},
        {"RoundedToZeroUsesThird", "0.00;-0.00;'nada'", -0.001L, "nada", "nada"},
        {"RoundedToZeroWithoutThirdUsesFirst", "0.00;(0.00)", -0.004L, "0,00", "0.00"},
        {"EmptySecondSectionUsesFirst", "0.00;;z", -2.0L, "-2,00", "-2.00"},
        {"EmptyFirstSectionIsGeneral", ";x", 1234.5L, "1234,5", "1234.5"},
        {"EmptyFirstSectionNegative", ";x", -0.5L, "-0,5", "-0.5"},
        {"EmptyPattern", "", 0.00005L, "5E-5", "5E-5"},
        {"FourthSectionIgnored", "0;1;2;3", 0.0L, "2", "2"},
        {"DoubledStoredPatternZero", "0.00;(0.00);-0.00;(0.00)", 0.0L, "-0,00", "-0.00"},
        {"DoubledStoredPatternPositive", "0.00;(0.00);-0.00;(0.00)", 1.0L, "1,00", "1.00"},
        {"DoubledStoredPatternNegative", "0.00;(0.00);-0.00;(0.00)", -1.0L, "(1,00)", "(1.00)"},
        {"SpaceBeforeMinus", "#,##0.00; -#,##0.00", -1234.5L, " -1.234,50", " -1,234.50"},
    };
    for (const Case& c : cases) expectTexts(c);
}

TEST(FormatPattern, QuotedAndLiteralText) {
    const Case cases[] = {
        {"SingleQuotes", "0.00' mm'", 1.5L, "1,50 mm", "1.50 mm"},
        {"DoubleQuotes", "\"R = \"0.0", 1.5L, "R = 1,5", "R = 1.5"},
        {"PlaceholdersInsideQuotes", "'#0.,'0", 7.0L, "#0.,7", "#0.,7"},
        {"SemicolonInsideQuotes", "'a;b'0;x", 1.0L, "a;b1", "a;b1"},
        {"SemicolonInsideQuotesNegative", "'a;b'0;x", -1.0L, "x", "x"},
        {"UnclosedQuoteTakesLaterSections", "0.0 'mm;-0.0", -1.0L, "-1,0 mm;-0.0", "-1.0 mm;-0.0"},
        {"OtherCharactersCopied", "0.0%", 12.5L, "12,5%", "12.5%"},
        {"PlainEIsCopied", "0E", 5.0L, "5E", "5E"},
        {"NoPlaceholders", "abc", 5.0L, "abc", "abc"},
        {"NoPlaceholdersNegative", "abc", -5.0L, "-abc", "-abc"},
        {"MultiByteTextCopied", "0.0 \xC2\xB5m", 2.0L, "2,0 \xC2\xB5m", "2.0 \xC2\xB5m"},
    };
    for (const Case& c : cases) expectTexts(c);
}

TEST(FormatPattern, Rounding) {
    const Case cases[] = {
        {"CarryPastFirstDigit", "0.000000", 9.9999996L, "10,000000", "10.000000"},
        {"CarryAddsGroup", "#,##0.000", 999.9996L, "1.000,000", "1,000.000"},
        {"HalfAwayOnString", "0.00", 0.125L, "0,13", "0.13"},
        {"NegativeHalfAway", "0.00", -0.125L, "-0,13", "-0.13"},
        {"IntegerOnly", "#,##0", 1234567.5L, "1.234.568", "1,234,568"},
        {"HashOnlyZero", "#", 0.0L, "", ""},
        {"HashOnlyCutAtFirstDigit", "#.#", 0.04L, ",0", ".0"},
        {"EighteenIntegerDigits", "0", 999999999999999999.0L, "999999999999999999",
         "999999999999999999"},
        {"LeadingZerosRequired", "00.00", 1.5L, "01,50", "01.50"},
        {"ManyGroups", "#,##0", 1e17L, "100.000.000.000.000.000", "100,000,000,000,000,000"},
    };
    for (const Case& c : cases) expectTexts(c);
}

TEST(FormatPattern, Scientific) {
    const Case cases[] = {
        {"OneExponentDigit", "0.00E+0", 1234.0L, "1,23E+3", "1.23E+3"},
        {"MinusMarkerPositive", "0.0E-00", 1234.0L, "1,2E03", "1.2E03"},
        {"MinusMarkerNegative", "0.0E-00", 0.00123L, "1,2E-03", "1.2E-03"},
        {"LowerCase", "0.0e+00", 1234.0L, "1,2e+03", "1.2e+03"},
        {"AtMostFourExponentDigits", "0E+000000", 5.0L, "5E+0000", "5E+0000"},
        {"WideExponent", "0.0E+0", 1.5e300L, "1,5E+300", "1.5E+300"},
        {"ChartDatasetNegative", "#.##0E+00;-#.##0E-00", -0.00056L, "-5,600E-04", "-5.600E-04"},
        {"RoundsToPlaceholderCount", "0.0E+00", 9.96L, "1,0E+01", "1.0E+01"},
        {"LargeValueStaysScientific", "0.00E+00", 1.5e20L, "1,50E+20", "1.50E+20"},
        {"TwoIntegerPlaces", "00.0E+00", 1234.0L, "12,3E+02", "12.3E+02"},
    };
    for (const Case& c : cases) expectTexts(c);
}

TEST(FormatPattern, LargeAndSpecialValuesUseGeneralForm) {
    const long double infinity = std::numeric_limits<long double>::infinity();
    const Case cases[] = {
        {"AboveTenPow18", "#,##0.00", 1.5e20L, "1,5E20", "1.5E20"},
        {"NegativeTenPow18", "0.00;-0.00", -1e18L, "-1E18", "-1E18"},
        {"FifteenDigits", "0", 1234567890123456789012.0L, "1,23456789012346E21",
         "1.23456789012346E21"},
        {"Infinity", kField, infinity, "INF", "INF"},
        {"NegativeInfinity", kField, -infinity, "-INF", "-INF"},
        {"NotANumber", kField, std::nanl(""), "NAN", "NAN"},
        {"InfinityScientific", kScientific, infinity, "INF", "INF"},
    };
    for (const Case& c : cases) expectTexts(c);
}

// U+00A0 as thousands separator and U+066B (two bytes) as decimal separator.
TEST(FormatPattern, MultiByteSeparators) {
    const Separators seps{"\xD9\xAB", "\xC2\xA0"};
    EXPECT_EQ(FormatPattern(kField, 1234567.5L, seps),
              "1\xC2\xA0"
              "234\xC2\xA0"
              "567\xD9\xAB"
              "50000");
    EXPECT_EQ(FormatPattern(kScientific, 0.00056L, seps),
              "5\xD9\xAB"
              "600E-04");
    EXPECT_EQ(FormatPattern(";", 0.5L, seps),
              "0\xD9\xAB"
              "5");
}

}  // namespace
}  // namespace zelvaro
