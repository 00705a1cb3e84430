#include "core/chart_datasets.h"

#include <gtest/gtest.h>

#include "core/compute_reduction.h"
#include "example_mirror.h"

namespace zelvaro {
namespace {

class Datasets : public ::testing::Test {
  protected:
    void SetUp() override {
        MirrorParameters parameters = mirror.model.parameters();
        parameters.ParabolaZoneIndex = 4;
        result = ComputeReduction(parameters, mirror.model.geometry(), fixtures::kExampleReadings);
        datasets = ChartDatasetsOf(result, mirror.model.geometry());
    }

    fixtures::ExampleMirror mirror;
    ReductionResult result;
    ChartDatasets datasets;
};

TEST_F(Datasets, WavefrontStartsAtTheCentre) {
    const auto& records = datasets.dtstFrenteOnda.records;
    EXPECT_TRUE(datasets.dtstFrenteOnda.open);
    ASSERT_EQ(records.size(), 6u);
    EXPECT_EQ(records[0].Hx, 0);
    EXPECT_EQ(records[0].y, 0);
    EXPECT_EQ(records[0].yParabola, 0);
    EXPECT_EQ(records[0].Reducao, 0);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(records[i + 1].Hx, mirror.model.geometry().Hx[i]);
        EXPECT_EQ(records[i + 1].y, result.Wavefront[i]);
        EXPECT_EQ(records[i + 1].yParabola, result.ParabolaWavefront[i]);
        EXPECT_EQ(records[i + 1].Reducao, -result.AdjustedReduction[i]) << "negated";
    }
}

TEST_F(Datasets, AberrationRecordsAndCalculatedFields) {
    const auto& records = datasets.dtstGraficos.records;
    EXPECT_TRUE(datasets.dtstGraficos.open);
    ASSERT_EQ(records.size(), 5u);
    const AberrationRecord& zone2 = records[1];
    EXPECT_EQ(zone2.Hx, mirror.model.geometry().Hx[1]);
    EXPECT_EQ(zone2.Hm, mirror.model.geometry().Hm[1]);
    EXPECT_EQ(zone2.TAf, result.TAf[1]);
    EXPECT_EQ(zone2.TAfp, result.TAfOverP[1]);
    EXPECT_EQ(zone2.ToleranciaMaxima, result.Tolerance[1]);
    EXPECT_EQ(zone2.Desvio, result.AdjustedReduction[1]) << "keeps its sign";
    EXPECT_LT(zone2.Desvio, 0);
    EXPECT_EQ(zone2.ToleranciaMinima(), -result.Tolerance[1]);
    EXPECT_DOUBLE_EQ(zone2.Minimo(), result.TAf[1] - result.Tolerance[1]);
    EXPECT_DOUBLE_EQ(zone2.Maximo(), result.TAf[1] + result.Tolerance[1]);
}

TEST_F(Datasets, Closing) {
    CloseChartDatasets(datasets);
    EXPECT_FALSE(datasets.dtstFrenteOnda.open);
    EXPECT_FALSE(datasets.dtstGraficos.open);
    EXPECT_TRUE(datasets.dtstFrenteOnda.records.empty());
    EXPECT_TRUE(datasets.dtstGraficos.records.empty());
}

TEST(DatasetFields, NamesAndFormats) {
    struct Case {
        const DatasetField& field;
        const char* name;
        const char* display;
        const char* edit;
        bool calculated;
    } cases[] = {
        {WavefrontDatasetFields()[0], "Hx", "#,##0.00;-#,##0.00", "#,##0.00;-#,##0.00", false},
        {WavefrontDatasetFields()[1], "y", "#.##0E+00;-#.##0E-00", "#,##0.00;-#,##0.00", false},
        {WavefrontDatasetFields()[2], "yParabola", "#,##0.00;-#,##0.00", "#,##0.00;-#,##0.00",
         false},
        {WavefrontDatasetFields()[3], "Reducao", "", "", false},
        {AberrationDatasetFields()[3], "TAfp", "#,##0.00; -#,##0.00", "#,##0.00; -#,##0.00", false},
        {AberrationDatasetFields()[5], "Desvio", "#,##0.000; -#,##0.000", "#,##0.000; -#,##0.000",
         false},
        {AberrationDatasetFields()[6], "ToleranciaMinima", "#,##0.00;-#,##0.00",
         "#,##0.00;-#,##0.00", true},
        {AberrationDatasetFields()[8], "Maximo", "#,##0.00;-#,##0.00", "#,##0.00;-#,##0.00", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.field.name, c.name);
        EXPECT_EQ(c.field.displayFormat, c.display) << c.name;
        EXPECT_EQ(c.field.editFormat, c.edit) << c.name;
        EXPECT_EQ(c.field.calculated, c.calculated) << c.name;
    }
}

}  // namespace
}  // namespace zelvaro
