#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <sstream>
#include <vector>

#include "cli_process.h"
#include "core/reduction_table.h"
#include "data/memo_text.h"
#include "data/project.h"
#include "format/format_pattern.h"

namespace zelvaro {
namespace {

constexpr const char* kFieldPattern = "#,##0.00000;-#,##0.00000";

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string word; in >> word;) result.push_back(word);
    return result;
}

// Characters of a UTF-8 line.
std::size_t characters(const std::string& line) {
    return static_cast<std::size_t>(std::count_if(line.begin(), line.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::vector<std::string> nonEmpty(std::vector<std::string> cells) {
    cells.erase(std::remove(cells.begin(), cells.end(), std::string()), cells.end());
    return cells;
}

// The line that starts with `label`; empty when there is none.
std::string lineOf(const std::string& text, const std::string& label) {
    for (const std::string& line : lines(text)) {
        if (line.compare(0, label.size(), label) == 0) return line;
    }
    return {};
}

// The example as the window would show it: loaded in this process, row `row` reduced.
struct Expected {
    explicit Expected(const char* file, const Separators& seps, int row = -1) : project(seps) {
        project.load(examplePath(file));
        if (row >= 0) project.reduceRow(row);
    }
    std::string field(long double value) const {
        return FormatPattern(kFieldPattern, value, project.mirror().separators());
    }
    Project project;
};

struct LocaleCase {
    const char* locale;
    Separators seps;
};
const LocaleCase kLocales[] = {{"pt_BR.UTF-8", Separators::brazilian()},
                               {"en_US.UTF-8", Separators::english()}};

TEST(CliReduce, ShowsTheFieldsAsTheWindowDoes) {
    for (const LocaleCase& locale : kLocales) {
        SCOPED_TRACE(locale.locale);
        const CliRun run =
            runCli({QStringLiteral("reduce"), examplePath("espelho-150mm-f8.pbl")}, locale.locale);
        ASSERT_EQ(run.status, 0) << run.err;
        const Expected expected("espelho-150mm-f8.pbl", locale.seps);
        const MirrorParameters& m = expected.project.mirror().parameters();
        const ReductionResult& r = expected.project.mirror().result();
        const std::pair<const char*, std::string> fields[] = {
            {"Diâmetro do espelho (D):", expected.field(m.D)},
            {"Raio de curvatura (R):", expected.field(m.R)},
            {"Número de zonas:", "005"},
            {"Lâmbda:", expected.field(m.Lambda)},
            {"Coef. de deformação:", expected.field(m.b)},
            {"Constante de correção k:", expected.field(m.k)},
            {"Zona de referência:", "Zona 1"},
            {"Distância focal (f):", expected.field(m.f)},
            {"Relação focal (fD):", expected.field(m.fD)},
            {"Área total do espelho (At):", expected.field(m.At)},
            {"Área das zonas (Az):", expected.field(m.Az)},
            {"Raio do disco de difração (p):", expected.field(m.p)},
            {"Erro RMS:", expected.field(r.Rms)},
            {"Razão de Strehl:", expected.field(r.Strehl)},
        };
        for (const auto& [label, value] : fields) {
            const std::string line = lineOf(run.out, label);
            EXPECT_EQ(trimmed(line.substr(std::string(label).size())), value) << line;
        }
        EXPECT_NE(run.out.find("Registro 3/3 (Chave 3)\n"), std::string::npos);
        EXPECT_NE(run.out.find("Zona da parábola de referência = H4\n"), std::string::npos);
        EXPECT_EQ(characters(lineOf(run.out, "Erro RMS:")),
                  characters(lineOf(run.out, "Razão de Strehl:")));
        EXPECT_EQ(characters(lineOf(run.out, "Diâmetro do espelho (D):")),
                  characters(lineOf(run.out, "Raio de curvatura (R):")));
    }
}

TEST(CliReduce, ShowsTheLargestErrorWithLambdaAndTheTableOfVariables) {
    const CliRun run = runCli({QStringLiteral("reduce"), examplePath("espelho-250mm-f5.pbl"),
                               QStringLiteral("--row"), QStringLiteral("2")});
    ASSERT_EQ(run.status, 0) << run.err;
    const Expected expected("espelho-250mm-f5.pbl", Separators::brazilian(), 1);
    EXPECT_NE(run.out.find("Registro 2/4 (Chave 2)\n"), std::string::npos);

    const std::vector<std::string> all = lines(run.out);
    const auto peak = std::find_if(all.begin(), all.end(), [](const std::string& line) {
        return line.rfind("Maior erro na frente de onda:", 0) == 0;
    });
    ASSERT_NE(peak, all.end());
    ASSERT_NE(peak + 1, all.end());
    const PeakErrorTexts& texts = expected.project.mirror().peakErrorTexts();
    ASSERT_EQ(texts.waves.back(), 'l');
    EXPECT_EQ(words(*peak).back(), texts.waves.substr(0, texts.waves.size() - 1) + "λ");
    EXPECT_EQ(words(*(peak + 1)), std::vector<std::string>{"λ" + texts.fraction.substr(1)});

    const auto header = std::find(all.begin(), all.end(), lineOf(run.out, "Variáveis"));
    ASSERT_NE(header, all.end());
    ASSERT_EQ(all.end() - header, 1 + kReductionTableRowCount);
    EXPECT_EQ(words(*header), (std::vector<std::string>{"Variáveis", "Zona", "01", "Zona", "02",
                                                        "Zona", "03", "Zona", "04", "Zona", "05",
                                                        "Zona", "06", "Zona", "07", "Zona", "08"}));
    const ReductionTableCells& cells = expected.project.mirror().reductionTableCells();
    for (int row = 0; row < kReductionTableRowCount; ++row) {
        SCOPED_TRACE(row);
        const std::string& line = *(header + 1 + row);
        const std::string caption(ReductionTableCaption(row));
        EXPECT_EQ(line.rfind(caption, 0), 0u) << line;
        EXPECT_EQ(words(line.substr(caption.size())), nonEmpty(cells[row]));
    }
}

TEST(CliReduce, JsonHoldsTheSameNumbersAndTheRows) {
    const CliRun run =
        runCli({QStringLiteral("reduce"), examplePath("espelho-150mm-f8.pbl"),
                QStringLiteral("--json"), QStringLiteral("--row"), QStringLiteral("1")},
               "en_US.UTF-8");
    ASSERT_EQ(run.status, 0) << run.err;
    QJsonParseError error;
    const QJsonObject json =
        QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out;
    const Expected expected("espelho-150mm-f8.pbl", Separators::english(), 0);
    const Mirror& mirror = expected.project.mirror();
    const MirrorParameters& m = mirror.parameters();
    const std::pair<const char*, long double> scalars[] = {
        {"D", m.D},
        {"R", m.R},
        {"Lambda", m.Lambda},
        {"b", m.b},
        {"k", m.k},
        {"f", m.f},
        {"fD", m.fD},
        {"At", m.At},
        {"Az", m.Az},
        {"p", m.p},
        {"Rms", mirror.result().Rms},
        {"Strehl", mirror.result().Strehl},
        {"PeakError", mirror.result().PeakError}};
    for (const auto& [name, value] : scalars) {
        EXPECT_EQ(json[QLatin1String(name)].toDouble(), static_cast<double>(value)) << name;
    }
    EXPECT_EQ(json["ZoneCount"].toInt(), 5);
    EXPECT_EQ(json["ParabolaZoneIndex"].toInt(), m.ParabolaZoneIndex);
    EXPECT_EQ(json["Chave"].toInt(), 1);
    const std::pair<const char*, const std::vector<double>*> arrays[] = {
        {"Hx", &mirror.geometry().Hx},
        {"Ac", &mirror.geometry().Ac},
        {"Readings", &mirror.readings()},
        {"TAfOverP", &mirror.result().TAfOverP},
        {"WavefrontError", &mirror.result().WavefrontError}};
    for (const auto& [name, values] : arrays) {
        const QJsonArray array = json[QLatin1String(name)].toArray();
        ASSERT_EQ(array.size(), 5) << name;
        for (int z = 0; z < 5; ++z) EXPECT_EQ(array[z].toDouble(), (*values)[z]) << name << z;
    }
    EXPECT_EQ(json["PeakErrorFraction"].toString().front(), QChar(0x03BB));

    const QJsonArray rows = json["Rows"].toArray();
    ASSERT_EQ(rows.size(), 3);
    const QJsonObject second = rows[1].toObject();
    EXPECT_EQ(second["Medidas"].toString(), QStringLiteral("2024-03-09T21:40:05.077"));
    EXPECT_EQ(second["Chave"].toInt(), 2);
    EXPECT_TRUE(second["ConstanteK"].isNull());
    EXPECT_EQ(second["Zona3"].toDouble(), 5.08);
    EXPECT_TRUE(second["Observacoes"].toString().contains(QStringLiteral("19 °C")));
    EXPECT_TRUE(second["Observacoes"].toString().contains(QLatin1Char('\n')));
    EXPECT_EQ(rows[2].toObject()["ConstanteK"].toDouble(), 0.01);
}

TEST(CliReduce, NamesTheTestersSourceInTheReportAndTheJson) {
    QTemporaryDir dir;
    const QString moving = dir.filePath(QStringLiteral("movel.pbl"));
    Project project(Separators::brazilian());
    project.load(examplePath("espelho-150mm-f8.pbl"));
    project.mirror().setMovingSource(true);
    project.save(moving);
    const struct Case {
        const char* name;
        QString file;
        const char* source;
        bool movingSource;
    } cases[] = {
        {"an example file", examplePath("espelho-150mm-f8.pbl"), "Fonte fixa", false},
        {"the same with a moving source", moving, "Fonte móvel", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun text = runCli({QStringLiteral("reduce"), c.file});
        ASSERT_EQ(text.status, 0) << text.err;
        const std::string line = lineOf(text.out, "Testador:");
        EXPECT_EQ(trimmed(line.substr(std::string("Testador:").size())), c.source) << line;

        const CliRun json = runCli({QStringLiteral("reduce"), c.file, QStringLiteral("--json")});
        ASSERT_EQ(json.status, 0) << json.err;
        const QJsonObject object =
            QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
        ASSERT_TRUE(object["MovingSource"].isBool());
        EXPECT_EQ(object["MovingSource"].toBool(), c.movingSource);
    }
}

TEST(CliReduce, AFileWithoutRowsShowsTheMirrorAndGeometry) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vazio.pbl"));
    Project project(Separators::brazilian());
    project.mirror().setD(200);
    project.mirror().setR(1600);
    project.mirror().setZoneCount(4);
    project.save(path);

    const CliRun text = runCli({QStringLiteral("reduce"), path});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Nenhuma leitura registrada."), std::string::npos);
    EXPECT_EQ(words(lineOf(text.out, "Número de zonas:")).back(), "004");
    EXPECT_EQ(words(lineOf(text.out, "Hx")),
              (std::vector<std::string>{"Hx", "50,0000", "70,7107", "86,6025", "100,0000"}));
    EXPECT_EQ(lineOf(text.out, "Erro RMS:"), "");

    const CliRun json = runCli({QStringLiteral("reduce"), path, QStringLiteral("--json")});
    ASSERT_EQ(json.status, 0) << json.err;
    const QJsonObject object =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    EXPECT_EQ(object["Hm"].toArray().size(), 4);
    EXPECT_TRUE(object["Rms"].isNull());
    EXPECT_TRUE(object["Chave"].isNull());
    EXPECT_TRUE(object["Rows"].toArray().isEmpty());
}

}  // namespace
}  // namespace zelvaro
