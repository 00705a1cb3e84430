#include "data/project_header.h"

#include <gtest/gtest.h>

namespace zelvaro {
namespace {

TEST(ProjectHeader, WritesTheExampleFileUnderCommaSettings) {
    ProjectHeader header;
    header.Hx = {40, 60.5, 75};
    header.D = 150;
    header.R = 1200;
    header.ZoneCount = 3;
    header.Lambda = 0.00056L;
    header.b = -1;
    header.ReductionZoneIndex = 0;
    EXPECT_EQ(writeProjectHeader(header, Separators::brazilian()),
              "[ARRAY_HX]=\"40\";\"60,5\";\"75\"\r\n"
              "[DIAMETRO_ESPELHO]=150\r\n"
              "[RAIO_CURVATURA]=1200\r\n"
              "[NUMERO_ZONAS]=3\r\n"
              "[COMPRIMENTO_ONDA]=0,00056\r\n"
              "[COEFICIENTE_DEFORMACAO]=-1\r\n"
              "[INDICE_ZONA_REDUCAO]=0\r\n"
              "[TABELA_DADOS]\r\n");
}

TEST(ProjectHeader, WritesTheTesterLineBeforeTheMarkerForAMovingSourceOnly) {
    ProjectHeader header;
    header.Hx = {75};
    header.Tester = TesterType::MovingSource;
    const std::string moving = writeProjectHeader(header, Separators::brazilian());
    header.Tester = TesterType::FixedSource;
    const std::string fixed = writeProjectHeader(header, Separators::brazilian());
    const std::string marker = "[TABELA_DADOS]\r\n";
    ASSERT_EQ(fixed.substr(fixed.size() - marker.size()), marker);
    EXPECT_EQ(fixed.find("TIPO_TESTADOR"), std::string::npos);
    EXPECT_EQ(moving,
              fixed.substr(0, fixed.size() - marker.size()) + "[TIPO_TESTADOR]=1\r\n" + marker);
}

TEST(ProjectHeader, WritesHeaderNumbersWithThreeExponentDigits) {
    struct Case {
        const char* name;
        long double lambda;
        double radius;
        const char* lambdaLine;
        const char* radiusLine;
    } cases[] = {
        {"fixed down to 0.0001", 0.0001L, 0.0001, "[COMPRIMENTO_ONDA]=0.0001",
         "[ARRAY_HX]=\"0.0001\""},
        {"scientific below", 0.00009L, 0.00009, "[COMPRIMENTO_ONDA]=9E-005", "[ARRAY_HX]=\"9E-5\""},
        {"large", 2.5e20L, 2.5e20, "[COMPRIMENTO_ONDA]=2.5E020", "[ARRAY_HX]=\"2.5E20\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectHeader header;
        header.Hx = {c.radius};
        header.Lambda = c.lambda;
        const std::string text = writeProjectHeader(header, Separators::english());
        EXPECT_NE(text.find(std::string(c.lambdaLine) + "\r\n"), std::string::npos) << text;
        EXPECT_EQ(text.rfind(std::string(c.radiusLine) + "\r\n", 0), 0u) << text;
    }
}

}  // namespace
}  // namespace zelvaro
