#include "core/reduction_table.h"

#include <gtest/gtest.h>

#include "core/compute_reduction.h"
#include "example_mirror.h"
#include "format/format_string.h"

namespace zelvaro {
namespace {

TEST(ReductionTable, RowsCaptionsAndFormats) {
    struct Case {
        int row;
        const char* caption;
        const char* format;
    } cases[] = {
        {0, "MEDIDAS", "%.4n"},
        {1, "Hx", "%.4n"},
        {2, "Hm", "%.4n"},
        {3, "Aberração Longitudinal Ideal (Ac)", "%.4n"},
        {4, "", ""},
        {5, "REDUÇÃO DAS MEDIDAS", ""},
        {6, "Residual (Ac - Medidas)", "%.4n"},
        {7, "Redução (Residual - Zona Referência)", "%.4n"},
        {8, "Redução Ajustada", "%.4n"},
        {9, "Tolerancia", "%.3e"},
        {10, "Aberração Transversal (TAf)", "%.3e"},
        {11, "TAf / p", "%.3e"},
        {12, "", ""},
        {13, "FRENTE DE ONDA", ""},
        {14, "Erro na Inclinação (u)", "%.3e"},
        {15, "Frente de Onda", "%.3e"},
        {16, "", ""},
        {17, "PARÁBOLA DE REFERÊNCIA", ""},
        {18, "Frente de Onda da Parábola", "%.3e"},
        {19, "PVT", "%.3e"},
    };
    ASSERT_EQ(std::size(cases), static_cast<std::size_t>(kReductionTableRowCount));
    for (const Case& c : cases) {
        EXPECT_EQ(ReductionTableCaption(c.row), c.caption) << c.row;
        EXPECT_EQ(ReductionTableRowFormat(c.row, "%.3e"), c.format) << c.row;
    }
}

TEST(ReductionTable, Columns) {
    struct Case {
        const char* name;
        int zoneCount;
        std::size_t column;
        const char* caption;
        int width;
        bool rightAligned;
    } cases[] = {
        {"caption column", 1, 0, "Variáveis", 190, false},
        {"one zone", 1, 1, "Zona 01", 100, true},
        {"ninth zone", 12, 9, "Zona 09", 100, true},
        {"hundredth zone", 100, 100, "Zona 100", 100, true},
        {"last of 999", 999, 999, "Zona 999", 100, true},
    };
    for (const Case& c : cases) {
        const auto columns = ReductionTableColumns(c.zoneCount, Separators::brazilian());
        ASSERT_EQ(columns.size(), static_cast<std::size_t>(c.zoneCount) + 1) << c.name;
        EXPECT_EQ(columns[c.column].caption, c.caption) << c.name;
        EXPECT_EQ(columns[c.column].width, c.width) << c.name;
        EXPECT_EQ(columns[c.column].rightAligned, c.rightAligned) << c.name;
    }
}

TEST(ReductionTable, EmptyCells) {
    const ReductionTableCells cells = EmptyReductionTableCells(7);
    ASSERT_EQ(cells.size(), 20u);
    for (const auto& row : cells) {
        ASSERT_EQ(row.size(), 7u);
        for (const auto& cell : row) EXPECT_TRUE(cell.empty());
    }
}

class FilledTable : public ::testing::Test {
  protected:
    void SetUp() override {
        MirrorParameters parameters = mirror.model.parameters();
        parameters.ParabolaZoneIndex = 4;
        result = ComputeReduction(parameters, mirror.model.geometry(), readings);
        // The readings row shows the readings as given; only its format matters here.
        readings[1] = 1234.5;
    }
    ReductionTableCells fill(const char* fractional, const Separators& separators) {
        return ReductionTableTexts(result, mirror.model.geometry(), readings, fractional,
                                   separators);
    }

    fixtures::ExampleMirror mirror;
    Readings readings = fixtures::kExampleReadings;
    ReductionResult result;
};

TEST_F(FilledTable, CellTexts) {
    const ReductionTableCells cells = fill("%.9f", Separators::brazilian());
    struct Case {
        const char* name;
        int row;
        int zone;
        const char* text;
    } cases[] = {
        {"a reading", 0, 0, "0,2500"},
        {"a reading in thousands", 0, 1, "1.234,5000"},
        {"outer radius", 1, 4, "100,0000"},
        {"mean radius", 2, 0, "22,3607"},
        {"ideal reading", 3, 4, "4,4911"},
        {"zero with four decimals", 7, 0, "0,0000"},
        {"a small negative value rounds to a plain zero", 6, 0, "0,0000"},
        {"tolerance", 9, 0, "0,611072657"},
        {"transverse aberration", 10, 0, "0,000000000"},
        {"wavefront of 2.50805e-6", 15, 4, "0,000002508"},
        {"parabola", 18, 4, "0,000002508"},
    };
    for (const Case& c : cases) EXPECT_EQ(cells[c.row][c.zone], c.text) << c.name;
    for (int row : {4, 5, 12, 13, 16, 17}) {
        for (const std::string& cell : cells[row]) EXPECT_TRUE(cell.empty()) << row;
    }
}

TEST_F(FilledTable, FractionalFormatAndSeparatorsApply) {
    const ReductionTableCells cells = fill("%.3f", Separators::english());
    EXPECT_EQ(cells[0][1], "1,234.5000");
    EXPECT_EQ(cells[9][0], "0.611");
}

TEST_F(FilledTable, AFractionalFormatWithoutANumberFails) {
    EXPECT_THROW(fill("%d", Separators::brazilian()), FormatError);
}

}  // namespace
}  // namespace zelvaro
