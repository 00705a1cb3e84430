#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "cli_process.h"

namespace zelvaro {
namespace {

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

TEST(CliStatus, HelpListsCommandsAndStatuses) {
    const CliRun run = runCli({QStringLiteral("--help")});
    EXPECT_EQ(run.status, 0);
    for (const char* word :
         {"reduce ARQUIVO.pbl [--row N] [--json]", "rows ARQUIVO.pbl [--csv]",
          "import LEITURAS.csv --diameter D --radius R", "--reduction-zone Z", "[--moving-source]",
          "--out ARQUIVO.pbl", "page ARQUIVO.pbl --out SAIDA.png|SAIDA.pdf [--row N]",
          "Erro ao carregar arquivo", "Erro durante os cálculos!"}) {
        EXPECT_NE(run.out.find(word), std::string::npos) << word;
    }
}

TEST(CliStatus, UsageErrorsEndWithStatus1) {
    const QString example = examplePath("espelho-150mm-f8.pbl");
    const struct Case {
        const char* name;
        QStringList args;
    } cases[] = {
        {"no arguments", {}},
        {"unknown command", {QStringLiteral("plot"), example}},
        {"row beyond the rows",
         {QStringLiteral("reduce"), example, QStringLiteral("--row"), QStringLiteral("4")}},
        {"unknown option", {QStringLiteral("rows"), example, QStringLiteral("--xml")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(startsWith(run.err, "zelvaro-cli: ")) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

TEST(CliStatus, FilesThatDoNotLoadEndWithStatus2AndStayAsTheyWere) {
    QTemporaryDir dir;
    const struct Case {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"fewer radii than zones", "[ARRAY_HX]=\"40\"\r\n[NUMERO_ZONAS]=3\r\n"},
        {"packet end without start", "[ARRAY_HX]=\"40\"\r\n</DATAPACKET>"},
        {"packet cut short",
         "[ARRAY_HX]=\"40\"\r\n[NUMERO_ZONAS]=1\r\n[TABELA_DADOS]\r\n<?xml version=\"1.0\"?>"
         "<DATAPACKET Version=\"2.0\"><METADATA>"},
        {"binary junk", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QStringLiteral("ruim.pbl"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        for (const char* command : {"reduce", "rows"}) {
            const CliRun run = runCli({QString::fromLatin1(command), path});
            EXPECT_EQ(run.status, 2);
            EXPECT_TRUE(startsWith(run.err, "Erro ao carregar arquivo: ")) << run.err;
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), c.bytes);
        file.close();
    }
    const CliRun missing =
        runCli({QStringLiteral("reduce"), dir.filePath(QStringLiteral("x.pbl"))});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(startsWith(missing.err, "Erro ao carregar arquivo: ")) << missing.err;
}

TEST(CliStatus, AFailedReductionEndsWithStatus3) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("estouro.pbl"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "[ARRAY_HX]=\"40\";\"60.5\";\"75\"\r\n[DIAMETRO_ESPELHO]=150\r\n"
        "[RAIO_CURVATURA]=1200\r\n[NUMERO_ZONAS]=3\r\n[TABELA_DADOS]\r\n"
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>  <DATAPACKET "
        "Version=\"2.0\"><METADATA><FIELDS><FIELD attrname=\"Medidas\" fieldtype=\"dateTime\"/>"
        "<FIELD attrname=\"Zona1\" fieldtype=\"r8\"/><FIELD attrname=\"Zona2\" fieldtype=\"r8\"/>"
        "<FIELD attrname=\"Zona3\" fieldtype=\"r8\"/><FIELD attrname=\"Chave\" fieldtype=\"i4\"/>"
        "<FIELD attrname=\"ConstanteK\" fieldtype=\"r8\"/><FIELD attrname=\"ZonaReferencia\" "
        "fieldtype=\"i2\"/><FIELD attrname=\"Observacoes\" fieldtype=\"bin.hex\" "
        "SUBTYPE=\"Text\"/></FIELDS><PARAMS/></METADATA><ROWDATA><ROW Zona1=\"1e300\" "
        "Zona2=\"-1e300\" Zona3=\"1e300\" Chave=\"1\"/></ROWDATA></DATAPACKET>");
    file.close();
    const CliRun run = runCli({QStringLiteral("reduce"), path});
    EXPECT_EQ(run.status, 3);
    EXPECT_TRUE(startsWith(run.err, "Erro durante os cálculos!")) << run.err;
    EXPECT_TRUE(run.out.empty());
}

}  // namespace
}  // namespace zelvaro
