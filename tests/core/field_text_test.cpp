#include "core/field_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/field_value.h"

namespace zelvaro {
namespace {

const Separators kBrazilian = Separators::brazilian();
const Separators kEnglish = Separators::english();
// French-style separators: the thousands separator is U+202F, a multi-byte character.
const Separators kNarrowSpace{",", "\u202F"};
const Separators kNoBreakSpace{",", "\u00A0"};
// Arabic decimal and thousands separators (U+066B, U+066C): neither is "." or ",".
const Separators kArabic{"\u066B", "\u066C"};

const FieldBounds kNoBounds{};
const FieldBounds kZoneCount{1, 999};

const std::string kNines(999, '9');
const std::string kTooManyNines(5000, '9');

TEST(NormalizedFieldText, CleansUpForTheParser) {
    struct Case {
        const char* name;
        Separators separators;
        std::string text;
        std::string normalized;
    } cases[] = {
        {"blanks trimmed", kBrazilian, " \t12,5 ", "12,5"},
        {"empty reads as zero", kBrazilian, "", "0"},
        {"only blanks read as zero", kBrazilian, "   ", "0"},
        {"lone minus reads as minus zero", kBrazilian, " - ", "-0"},
        {"pt thousands dropped", kBrazilian, "1.234,5", "1234,5"},
        {"pt point is a thousands separator", kBrazilian, "1.5", "15"},
        {"en comma is a thousands separator", kEnglish, "1,5", "15"},
        {"en thousands dropped", kEnglish, "1,234.5", "1234.5"},
        {"point becomes the decimal", kNarrowSpace, "1\u202F234.5", "1234,5"},
        {"comma stays the decimal", kNoBreakSpace, "1\u00A0234,5", "1234,5"},
        {"both marks become a multi-byte decimal", kArabic, "1.5,", "1\u066B5\u066B"},
        {"multi-byte thousands dropped", kArabic, "1\u066C234", "1234"},
        {"a single byte of a separator is kept", kNoBreakSpace, "1\xC2", "1\xC2"},
        {"same separators drop nothing", Separators{",", ","}, "1.2,3", "1,2,3"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NormalizedFieldText(c.text, c.separators), c.normalized) << c.name;
    }
}

TEST(ReadFieldValue, ReadsBoundsAndFallsBackToTheMinimum) {
    struct Case {
        const char* name;
        Separators separators;
        FieldBounds bounds;
        std::string text;
        long double value;
    } cases[] = {
        {"pt decimal", kBrazilian, kNoBounds, "12,5", 12.5L},
        {"en decimal", kEnglish, kNoBounds, "12.5", 12.5L},
        {"pt 1.5 reads 15", kBrazilian, kNoBounds, "1.5", 15},
        {"en 1,5 reads 15", kEnglish, kNoBounds, "1,5", 15},
        {"pt comma and point", kBrazilian, kNoBounds, "1.234,5", 1234.5L},
        {"exponent", kBrazilian, kNoBounds, "2,5e-3", 0.0025L},
        {"empty", kBrazilian, kNoBounds, "", 0},
        {"lone minus", kBrazilian, kNoBounds, "-", 0},
        {"letters read as the minimum", kBrazilian, kNoBounds, "abc", 0},
        {"negative without bounds", kEnglish, kNoBounds, "-3.5", -3.5L},
        {"zone count 0 reads 1", kBrazilian, kZoneCount, "0", 1},
        {"zone count empty reads 1", kBrazilian, kZoneCount, "", 1},
        {"zone count 1000 reads 999", kBrazilian, kZoneCount, "1000", 999},
        {"zone count negative reads 1", kBrazilian, kZoneCount, "-5", 1},
        {"zone count letters read 1", kBrazilian, kZoneCount, "x", 1},
        {"zone count fraction kept", kBrazilian, kZoneCount, "2,5", 2.5L},
        {"equal bounds hold nothing", kBrazilian, FieldBounds{5, 5}, "-7", -7},
        {"equal bounds: no parse is the minimum", kBrazilian, FieldBounds{5, 5}, "x", 5},
        {"reversed bounds hold nothing", kBrazilian, FieldBounds{9, 1}, "20", 20},
        {"multi-byte thousands", kNarrowSpace, kNoBounds, "1\u202F234,5", 1234.5L},
        {"Arabic-Indic digits refused", kBrazilian, kNoBounds, "\u0661\u0662", 0},
        {"Arabic-Indic digits in the zone count", kBrazilian, kZoneCount, "\u0661", 1},
        {"large exponent still finite", kBrazilian, kNoBounds, "1e4000", 1e4000L},
        {"999 nines", kBrazilian, kNoBounds, kNines, 1e999L},
        {"overflow reads as the minimum", kBrazilian, kNoBounds, "1e5000", 0},
        {"too many nines read as the minimum", kBrazilian, kZoneCount, kTooManyNines, 1},
        {"overflow bounded to the maximum", kBrazilian, kZoneCount, "1e4000", 999},
    };
    for (const Case& c : cases) {
        const long double value = ReadFieldValue(c.text, c.separators, c.bounds);
        EXPECT_TRUE(std::isfinite(value)) << c.name;
        EXPECT_EQ(value, c.value) << c.name;
    }
}

TEST(FieldTextParses, AfterTheCleanUp) {
    struct Case {
        const char* name;
        Separators separators;
        std::string text;
        bool parses;
    } cases[] = {
        {"pt with thousands", kBrazilian, " 1.234,5 ", true},
        {"en with thousands", kEnglish, "1,234.5", true},
        {"empty reads as zero", kBrazilian, "", true},
        {"letters", kBrazilian, "12abc", false},
        {"two decimals", kBrazilian, "1,2,3", false},
        {"inner blank", kEnglish, "1 2", false},
        {"overflow", kBrazilian, "1e5000", false},
        {"too many nines", kBrazilian, kTooManyNines, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FieldTextParses(c.text, c.separators), c.parses) << c.name;
    }
}

TEST(TypedFieldText, MarksBecomeTheDecimalUnlessThousands) {
    struct Case {
        const char* name;
        Separators separators;
        std::string typed;
        std::string put;
    } cases[] = {
        {"pt comma", kBrazilian, ",", ","},
        {"pt point stays a thousands separator", kBrazilian, ".", "."},
        {"en point", kEnglish, ".", "."},
        {"en comma stays a thousands separator", kEnglish, ",", ","},
        {"point becomes the comma", kNarrowSpace, ".", ","},
        {"both become a multi-byte decimal", kArabic, ".,", "\u066B\u066B"},
        {"digits unchanged", kBrazilian, "7", "7"},
        {"other characters unchanged", kArabic, "\u0661", "\u0661"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TypedFieldText(c.typed, c.separators), c.put) << c.name;
    }
}

TEST(AcceptsTypedFieldText, KeepsOnlyNumbers) {
    struct Case {
        const char* name;
        Separators separators;
        FieldBounds bounds;
        int decimalPlaces;
        std::string text;
        bool accepted;
    } cases[] = {
        {"digits", kBrazilian, kNoBounds, 12, "123", true},
        {"pt decimal", kBrazilian, kNoBounds, 12, "1,", true},
        {"pt thousands typed", kBrazilian, kNoBounds, 12, "1.5", true},
        {"en decimal", kEnglish, kNoBounds, 12, "1.", true},
        {"en thousands typed", kEnglish, kNoBounds, 12, "1,5", true},
        {"lone decimal", kBrazilian, kNoBounds, 12, ",", true},
        {"lone minus", kBrazilian, kNoBounds, 12, "-", true},
        {"negative", kEnglish, kNoBounds, 12, "-1.5", true},
        {"exponent started", kBrazilian, kNoBounds, 12, "1E", true},
        {"exponent sign", kBrazilian, kNoBounds, 12, "1e-", true},
        {"exponent", kBrazilian, kNoBounds, 12, "1e-5", true},
        {"plus before digits", kBrazilian, kNoBounds, 12, "+1", true},
        {"lone plus does not parse", kBrazilian, kNoBounds, 12, "+", false},
        {"lone exponent does not parse", kBrazilian, kNoBounds, 12, "e", false},
        {"letter", kBrazilian, kNoBounds, 12, "1a", false},
        {"letter x", kEnglish, kNoBounds, 12, "x", false},
        {"minus after digits", kBrazilian, kNoBounds, 12, "1-", false},
        {"second decimal", kBrazilian, kNoBounds, 12, "1,2,", false},
        {"inner blank", kBrazilian, kNoBounds, 12, "1 2", false},
        {"Arabic-Indic digit", kBrazilian, kNoBounds, 12, "\u0661", false},
        {"Arabic-Indic digit after digits", kBrazilian, kNoBounds, 12, "1\u0662", false},
        {"twelve decimals", kBrazilian, kNoBounds, 12, "0,123456789012", true},
        {"13th decimal", kBrazilian, kNoBounds, 12, "0,1234567890123", false},
        {"13th decimal en", kEnglish, kNoBounds, 12, "0.1234567890123", false},
        {"exponent digits are not decimals", kBrazilian, kNoBounds, 12, "0,123456789012e12", true},
        {"decimals counted before the exponent", kBrazilian, kNoBounds, 12, "0,1234567890123e1",
         false},
        {"no decimals allowed", kBrazilian, kNoBounds, 0, "1,", true},
        {"no decimals: first decimal", kBrazilian, kNoBounds, 0, "1,5", false},
        {"multi-byte thousands typed", kNoBreakSpace, kNoBounds, 12, "1\u00A0000", true},
        {"multi-byte decimal", kArabic, kNoBounds, 12, "1\u066B5", true},
        {"multi-byte decimal counts digits", kArabic, kNoBounds, 2, "1\u066B555", false},
        {"overflow", kBrazilian, kNoBounds, 12, "1e5000", false},
        {"large but finite", kBrazilian, kNoBounds, 12, "1e4000", true},
        {"zone count digits", kBrazilian, kZoneCount, 12, "12", true},
        {"zone count minus", kBrazilian, kZoneCount, 12, "-", false},
        {"zone count negative", kBrazilian, kZoneCount, 12, "-5", false},
        {"zone count negative exponent", kBrazilian, kZoneCount, 12, "1e-5", true},
        {"zone count above the maximum", kBrazilian, kZoneCount, 12, "1000", true},
        {"zone count zero", kBrazilian, kZoneCount, 12, "0", true},
        {"minimum 0 with a positive maximum", kEnglish, FieldBounds{0, 10}, 12, "-", false},
        {"no positive maximum allows negatives", kEnglish, FieldBounds{0, 0}, 12, "-1", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AcceptsTypedFieldText(c.text, c.decimalPlaces, c.separators, c.bounds),
                  c.accepted)
            << c.name;
    }
}

TEST(FieldEditText, TwelveDecimalsAndEmptyForZero) {
    struct Case {
        const char* name;
        Separators separators;
        int decimalPlaces;
        long double value;
        std::string text;
    } cases[] = {
        {"zero is empty", kBrazilian, 12, 0, ""},
        {"minus zero is empty", kBrazilian, 12, -0.0L, ""},
        {"wavelength pt", kBrazilian, 12, 0.00056L, "0,00056"},
        {"wavelength en", kEnglish, 12, 0.00056L, "0.00056"},
        {"no thousands separator", kBrazilian, 12, 1234.5L, "1234,5"},
        {"cut to twelve decimals", kBrazilian, 12, 0.1234567890123456L, "0,123456789012"},
        {"negative", kEnglish, 12, -1, "-1"},
        {"two decimals", kBrazilian, 2, 3.14159L, "3,14"},
        {"multi-byte decimal", kArabic, 12, 2.5L, "2\u066B5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FieldEditText(c.value, c.decimalPlaces, c.separators), c.text) << c.name;
    }
}

TEST(FieldEditText, ReadsBackAsTheFieldValue) {
    for (const Separators& separators : {kBrazilian, kEnglish, kNarrowSpace, kArabic}) {
        for (long double value :
             {0.00056L, -1.0L / 3, 1234567.891234L, 2.678240123456789e-6L, 1e25L, -1e-20L}) {
            const std::string text = FieldEditText(value, 12, separators);
            EXPECT_EQ(ReadFieldValue(text, separators, kNoBounds), AsFieldValue(value)) << text;
        }
    }
}

TEST(FieldDisplayText, UsesThePatternAndTheSeparators) {
    struct Case {
        const char* name;
        Separators separators;
        const char* pattern;
        long double value;
        std::string text;
    } cases[] = {
        {"pt", kBrazilian, "#,##0.00000;-#,##0.00000", 1234.5678L, "1.234,56780"},
        {"en", kEnglish, "#,##0.00000;-#,##0.00000", 1234.5678L, "1,234.56780"},
        {"multi-byte thousands", kNarrowSpace, "#,##0.00000;-#,##0.00000", 1234567.5L,
         "1\u202F234\u202F567,50000"},
        {"zero is shown", kBrazilian, "#,##0.00000;-#,##0.00000", 0, "0,00000"},
        {"zone count", kBrazilian, "000", 5, "005"},
        {"scientific", kBrazilian, "#.##0E+00;-#.##0E+00", 1, "1,000E+00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FieldDisplayText(c.value, c.pattern, c.separators), c.text) << c.name;
    }
}

}  // namespace
}  // namespace zelvaro
