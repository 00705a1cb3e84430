#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "cli_process.h"

namespace zelvaro {
namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Width and height from a PNG's header chunk.
std::pair<quint32, quint32> pngSize(const QByteArray& png) {
    const auto bigEndian = [&](int at) {
        quint32 value = 0;
        for (int i = 0; i < 4; ++i) value = value << 8 | static_cast<quint8>(png.at(at + i));
        return value;
    };
    return {bigEndian(16), bigEndian(20)};
}

TEST(CliPage, WritesTheResultsWindowAsAPicture) {
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("pagina.png"));
    const CliRun run =
        runCli({QStringLiteral("page"), examplePath("espelho-150mm-f8.pbl"),
                QStringLiteral("--out"), out, QStringLiteral("--row"), QStringLiteral("2")});
    EXPECT_EQ(run.status, 0) << run.err;
    const QByteArray png = contentsOf(out);
    ASSERT_TRUE(png.startsWith("\x89PNG"));
    EXPECT_EQ(pngSize(png), std::make_pair(846u, 821u));
}

TEST(CliPage, WritesOneA4PortraitPage) {
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("pagina.pdf"));
    const CliRun run = runCli({QStringLiteral("page"), examplePath("espelho-250mm-f5.pbl"),
                               QStringLiteral("--out"), out});
    EXPECT_EQ(run.status, 0) << run.err;
    const QByteArray pdf = contentsOf(out);
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 1);
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595.000000 842.000000]"));
}

TEST(CliPage, FailuresEndWithTheirStatus) {
    QTemporaryDir folder;
    const QString example = examplePath("espelho-150mm-f8.pbl");
    const struct Case {
        const char* name;
        QStringList args;
        int status;
        const char* message;
    } cases[] = {
        {"neither PNG nor PDF",
         {QStringLiteral("page"), example, QStringLiteral("--out"), folder.filePath("p.bmp")},
         2,
         "Erro ao salvar arquivo: a página é escrita em .png ou .pdf"},
        {"folder missing",
         {QStringLiteral("page"), example, QStringLiteral("--out"),
          folder.filePath("nao-existe/p.png")},
         2,
         "Erro ao salvar arquivo: "},
        {"project missing",
         {QStringLiteral("page"), folder.filePath("nao-existe.pbl"), QStringLiteral("--out"),
          folder.filePath("p.png")},
         2,
         "Erro ao carregar arquivo: "},
        {"row beyond the rows",
         {QStringLiteral("page"), example, QStringLiteral("--out"), folder.filePath("p.png"),
          QStringLiteral("--row"), QStringLiteral("9")},
         1,
         "não há o registro 9"},
        {"no out", {QStringLiteral("page"), example}, 1, "falta --out"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

}  // namespace
}  // namespace zelvaro
