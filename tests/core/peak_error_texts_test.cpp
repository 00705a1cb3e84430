#include "core/peak_error_texts.h"
#include "core/symbol_text.h"

#include <gtest/gtest.h>

namespace zelvaro {
namespace {

TEST(PeakErrorTexts, WavesAndFractionOfTheWavelength) {
    struct Case {
        const char* name;
        double peakError;
        Separators separators;
        const char* waves;
        const char* fraction;
    } cases[] = {
        {"worked example, point", 0.0124388, Separators::english(), "0.01244l", "l/80.39"},
        {"worked example, comma", 0.0124388, Separators::brazilian(), "0,01244l", "l/80,39"},
        {"thousands in the fraction", 0.0001, Separators::brazilian(), "0,00010l", "l/10.000,00"},
        {"thousands in the waves", 1234.5, Separators::brazilian(), "1.234,50000l", "l/0,00"},
        {"no error: empty set", 0, Separators::brazilian(), "0,00000l", "\u00C6"},
    };
    for (const Case& c : cases) {
        const PeakErrorTexts texts = FormatPeakError(c.peakError, c.separators);
        EXPECT_EQ(texts.waves, c.waves) << c.name;
        EXPECT_EQ(texts.fraction, c.fraction) << c.name;
    }
}

TEST(PeakErrorTexts, EmptySetIsOneCharacterInUtf8) {
    EXPECT_EQ(std::string(kEmptySetCharacter), "\xC3\x86");
}

TEST(SymbolText, ShowsLambdaAndEmptySet) {
    EXPECT_EQ(symbolText("0,01244l"), "0,01244λ");
    EXPECT_EQ(symbolText("l/80,39"), "λ/80,39");
    EXPECT_EQ(symbolText("\u00C6"), "∅");
    EXPECT_EQ(symbolText(""), "");
}

}  // namespace
}  // namespace zelvaro
