#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "cli_process.h"
#include "data/project.h"

namespace zelvaro {
namespace {

class CliImport : public ::testing::Test {
  protected:
    QString write(const char* name, const std::string& text) {
        const QString path = dir_.filePath(QString::fromLatin1(name));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(text.data(), qint64(text.size()));
        return path;
    }
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir_;
};

TEST_F(CliImport, RowsCsvImportsBackToTheSameRows) {
    for (const char* locale : {"pt_BR.UTF-8", "en_US.UTF-8"}) {
        SCOPED_TRACE(locale);
        const CliRun csv = runCli(
            {QStringLiteral("rows"), examplePath("espelho-250mm-f5.pbl"), QStringLiteral("--csv")},
            locale);
        ASSERT_EQ(csv.status, 0) << csv.err;
        const QString readings = write("leituras.csv", csv.out);
        const CliRun import =
            runCli({QStringLiteral("import"), readings, QStringLiteral("--diameter"),
                    QStringLiteral("250"), QStringLiteral("--radius"), QStringLiteral("2500"),
                    QStringLiteral("--out"), path("novo.pbl")},
                   locale);
        ASSERT_EQ(import.status, 0) << import.err;
        EXPECT_TRUE(import.out.empty());
        const CliRun again =
            runCli({QStringLiteral("rows"), path("novo.pbl"), QStringLiteral("--csv")}, locale);
        EXPECT_EQ(again.out, csv.out);
    }
}

TEST_F(CliImport, InsertsEachLineAsTheWindowWouldWithEqualAreaZones) {
    const QString readings = write("r.csv",
                                   "Zona1;Zona2;Zona3;Observacoes;Outra\n"
                                   "0,25;1,44;2,46;primeira;x\n"
                                   "0,26;1,45;2,47;;\n");
    const CliRun run =
        runCli({QStringLiteral("import"), readings, QStringLiteral("--diameter"),
                QStringLiteral("150"), QStringLiteral("--radius"), QStringLiteral("1200"),
                QStringLiteral("--lambda"), QStringLiteral("0.00055"), QStringLiteral("--b"),
                QStringLiteral("-0,98"), QStringLiteral("--reduction-zone"), QStringLiteral("2"),
                QStringLiteral("--out"), path("a.pbl")});
    ASSERT_EQ(run.status, 0) << run.err;

    Project project(Separators::brazilian());
    project.load(path("a.pbl"));
    const MirrorParameters& m = project.mirror().parameters();
    EXPECT_EQ(m.ZoneCount, 3);
    EXPECT_EQ(m.Lambda, 0.00055L);
    EXPECT_EQ(m.b, -0.98L);
    EXPECT_EQ(m.ReductionZoneIndex, 1);
    const std::vector<double>& Hx = project.mirror().geometry().Hx;
    ASSERT_EQ(Hx.size(), 3u);
    EXPECT_NEAR(Hx[0], 75 * std::sqrt(1.0 / 3), 1e-12);
    EXPECT_EQ(Hx[2], 75);
    const VersionedRows& rows = project.table().versions();
    EXPECT_EQ(rows.changeLog(), (std::vector<LogEntry>{{1, 0, 4}, {2, 0, 4}}));
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(rows.row(0).chave, 1);
    EXPECT_EQ(rows.row(1).reading(2), 2.47);
    EXPECT_TRUE(rows.row(0).medidas.has_value());
    EXPECT_FALSE(rows.row(1).observacoes.has_value());
    EXPECT_TRUE(project.mirror().isReduced());
}

TEST_F(CliImport, MovingSourceOnlyWhenAsked) {
    const QString readings = write("r.csv", "Zona1;Zona2\n0,125;0,73\n");
    const struct Case {
        const char* name;
        QStringList extra;
        bool moving;
    } cases[] = {
        {"fixed source by default", {}, false},
        {"--moving-source", {QStringLiteral("--moving-source")}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList args = {QStringLiteral("import"),     readings,
                            QStringLiteral("--diameter"), QStringLiteral("200"),
                            QStringLiteral("--radius"),   QStringLiteral("2000"),
                            QStringLiteral("--out"),      path("a.pbl")};
        args += c.extra;
        const CliRun run = runCli(args);
        ASSERT_EQ(run.status, 0) << run.err;
        QFile file(path("a.pbl"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(bytes.contains("[INDICE_ZONA_REDUCAO]=0\r\n[TIPO_TESTADOR]=1\r\n[TABELA_DADOS]"),
                  c.moving);
        EXPECT_EQ(bytes.contains("TIPO_TESTADOR"), c.moving);

        Project project(Separators::brazilian());
        project.load(path("a.pbl"));
        EXPECT_EQ(project.mirror().movingSource(), c.moving);
    }
}

TEST_F(CliImport, RefusesReadingsItCannotTakeOver) {
    const struct Case {
        const char* name;
        std::string csv;
        QStringList extra;
        int status;
    } cases[] = {
        {"no zone columns", "Chave;Observacoes\n1;x\n", {}, 2},
        {"a missing zone column", "Zona1;Zona3\n1;2\n", {}, 2},
        {"fewer zone columns than --zones",
         "Zona1;Zona2\n1;2\n",
         {QStringLiteral("--zones"), QStringLiteral("3")},
         2},
        {"a reading that is not a number", "Zona1;Zona2\n1;dois\n", {}, 2},
        {"a bad date", "Medidas;Zona1\nontem;1\n", {}, 2},
        {"more fields than the header", "Zona1\n1;2\n", {}, 2},
        {"an empty file", "", {}, 2},
        {"a reduction zone beyond the zones",
         "Zona1;Zona2\n1;2\n",
         {QStringLiteral("--reduction-zone"), QStringLiteral("3")},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList args = {QStringLiteral("import"),     write("r.csv", c.csv),
                            QStringLiteral("--diameter"), QStringLiteral("150"),
                            QStringLiteral("--radius"),   QStringLiteral("1200"),
                            QStringLiteral("--out"),      path("nao.pbl")};
        args += c.extra;
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, c.status) << run.err;
        if (c.status == 2) {
            EXPECT_EQ(run.err.rfind("Erro ao carregar arquivo: ", 0), 0u) << run.err;
        }
        EXPECT_FALSE(QFile::exists(path("nao.pbl")));
    }
}

}  // namespace
}  // namespace zelvaro
