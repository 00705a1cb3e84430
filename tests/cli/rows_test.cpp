#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "cli_process.h"

namespace zelvaro {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

TEST(CliRows, ListsTheCurrentRowsInKeyOrder) {
    const CliRun run = runCli({QStringLiteral("rows"), examplePath("espelho-250mm-f5.pbl")});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> all = lines(run.out);
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(all[0].rfind("Medidas", 0), 0u);
    for (int key = 1; key <= 4; ++key) {
        EXPECT_NE(all[key].find("  " + std::to_string(key) + "  "), std::string::npos) << all[key];
    }
    EXPECT_NE(all[1].find("(pasta \"maio\")"), std::string::npos) << all[1];
    EXPECT_NE(all[3].find("Quase lá"), std::string::npos) << all[3];
}

TEST(CliRows, WritesCsvWithTheLocalesDecimalSeparator) {
    const struct Case {
        const char* locale;
        const char* firstRow;
    } cases[] = {
        {"pt_BR.UTF-8", "2024-03-02T20:15:42.318;4,09;4,56;4,92;5,33;5,68;1;;4;"},
        {"en_US.UTF-8", "2024-03-02T20:15:42.318;4.09;4.56;4.92;5.33;5.68;1;;4;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        const CliRun run = runCli(
            {QStringLiteral("rows"), examplePath("espelho-150mm-f8.pbl"), QStringLiteral("--csv")},
            c.locale);
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<std::string> all = lines(run.out);
        ASSERT_GE(all.size(), 2u);
        EXPECT_EQ(all[0],
                  "Medidas;Zona1;Zona2;Zona3;Zona4;Zona5;Chave;ConstanteK;ZonaReferencia;"
                  "Observacoes");
        EXPECT_EQ(all[1].rfind(c.firstRow, 0), 0u) << all[1];
    }
}

}  // namespace
}  // namespace zelvaro
