#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/reduction_errors.h"
#include "data/project_file_error.h"
#include "project_fixture.h"

namespace zelvaro {
namespace {

const std::string kExampleHeader =
    "[ARRAY_HX]=\"40\";\"60,5\";\"75\"\r\n"
    "[DIAMETRO_ESPELHO]=150\r\n"
    "[RAIO_CURVATURA]=1200\r\n"
    "[NUMERO_ZONAS]=3\r\n"
    "[COMPRIMENTO_ONDA]=0,00056\r\n"
    "[COEFICIENTE_DEFORMACAO]=-1\r\n"
    "[INDICE_ZONA_REDUCAO]=0\r\n"
    "[TABELA_DADOS]\r\n";

// A header in the order and form the program writes it, point decimal separator.
std::string header(const std::string& radii, const std::string& zones,
                   const std::string& extra = "") {
    return "[ARRAY_HX]=" + radii + "\r\n[DIAMETRO_ESPELHO]=150\r\n[RAIO_CURVATURA]=1200\r\n" +
           "[NUMERO_ZONAS]=" + zones + "\r\n[COMPRIMENTO_ONDA]=0.00056\r\n" +
           "[COEFICIENTE_DEFORMACAO]=-1\r\n[INDICE_ZONA_REDUCAO]=0\r\n" + extra +
           "[TABELA_DADOS]\r\n";
}

const std::string kOneRowLog = "<PARAMS CHANGE_LOG=\"1 0 4\"/>";

// A row with key `key`, readings 0.25, 1.44 and 2.46 and the attributes `extra`.
std::string row(int key, const std::string& extra = "ZonaReferencia=\"0\"") {
    return "<ROW RowState=\"4\" Medidas=\"20240315T14:03:07123\" Zona1=\"0.25\" "
           "Zona2=\"1.44\" Zona3=\"2.46\" Chave=\"" +
           std::to_string(key) + "\" " + extra + "/>";
}

// `count` radius items of 1.
std::string radiusItems(int count) {
    std::string list = "1";
    for (int i = 1; i < count; ++i) list += ";1";
    return list;
}

class ProjectFile : public ::testing::Test {
  protected:
    // The mirror of the file example: 3 zones, D 150, R 1200, radii 40, 60.5 and 75.
    static void typeExampleMirror(Project& project) {
        Mirror& mirror = project.mirror();
        mirror.setD(150);
        mirror.setR(1200);
        mirror.setZoneCount(3);
        mirror.setZoneRadii({40, 60.5, 75});
    }

    static void appendRow(MeasurementTable& table, const std::vector<double>& readings) {
        table.append();
        for (std::size_t z = 0; z < readings.size(); ++z) {
            table.setNumber(TableSchema::zoneColumn(static_cast<int>(z)), readings[z]);
        }
        table.post();
    }

    static void expectDefaults(const Project& project) {
        const MirrorParameters& m = project.mirror().parameters();
        EXPECT_EQ(m.D, 0);
        EXPECT_EQ(m.R, 0);
        EXPECT_EQ(m.ZoneCount, 1);
        EXPECT_EQ(m.Lambda, 0.00056L);
        EXPECT_EQ(m.b, -1);
        EXPECT_FALSE(project.mirror().movingSource());
        EXPECT_EQ(project.table().rowCount(), 0);
        EXPECT_EQ(project.table().schema().zoneCount(), 1);
    }

    Project project{Separators::brazilian(), fixedClock};
    ProjectFiles files;
};

TEST_F(ProjectFile, WritesTheFileExampleByteForByte) {
    typeExampleMirror(project);
    const QString file = files.path("exemplo.pbl");
    project.save(file);
    EXPECT_EQ(ProjectFiles::read(file), kExampleHeader + packetText(3));

    appendRow(project.table(), {0.25, 1.44, 2.46});
    project.save(file);
    EXPECT_EQ(ProjectFiles::read(file), kExampleHeader + packetText(3, kOneRowLog, row(1)));
}

TEST_F(ProjectFile, RoundTripKeepsEveryRowVersionAndLogEntry) {
    const QString kNotes = QStringLiteral("Céu limpo; \"vento\" fraco\ntemperatura 18 °C");
    typeExampleMirror(project);
    project.mirror().setLambda(0.00065L);
    project.mirror().setB(-0.95L);
    project.mirror().setReductionZoneIndex(1);
    MeasurementTable& table = project.table();
    appendRow(table, {0.25, 1.44, 2.46});
    appendRow(table, {0.26, 1.45, 2.47});
    appendRow(table, {0.24, 1.43, 2.45});
    table.moveTo(0);
    table.edit();
    table.setNumber(TableSchema::zoneColumn(1), 1.5);
    table.post();
    table.moveTo(1);
    table.edit();
    table.setMemo(kNotes);
    table.post();
    table.moveTo(2);
    project.mirror().setK(0.125L);
    project.mirror().leaveK();

    const QString first = files.path("a.pbl");
    project.save(first);
    Project reopened(Separators::brazilian(), fixedClock);
    reopened.load(first);
    const QString second = files.path("b.pbl");
    reopened.save(second);
    EXPECT_EQ(ProjectFiles::read(second), ProjectFiles::read(first));

    const MirrorParameters& m = reopened.mirror().parameters();
    EXPECT_EQ(m.D, 150);
    EXPECT_EQ(m.R, 1200);
    EXPECT_EQ(m.ZoneCount, 3);
    EXPECT_EQ(m.Lambda, 0.00065L);
    EXPECT_EQ(m.b, -0.95L);
    EXPECT_EQ(m.ReductionZoneIndex, 1);
    EXPECT_EQ(reopened.mirror().geometry().Hx, (std::vector<double>{40, 60.5, 75}));
    const VersionedRows& saved = table.versions();
    const VersionedRows& loaded = reopened.table().versions();
    EXPECT_EQ(loaded.changeLog(), saved.changeLog());
    ASSERT_EQ(loaded.versions().size(), saved.versions().size());
    for (std::size_t v = 0; v < saved.versions().size(); ++v) {
        SCOPED_TRACE(v);
        EXPECT_EQ(loaded.versions()[v].state, saved.versions()[v].state);
        EXPECT_TRUE(loaded.versions()[v].record.sameBytes(saved.versions()[v].record));
    }
    reopened.table().moveTo(1);
    EXPECT_EQ(reopened.table().memo().toStdString(), kNotes.toStdString());
}

TEST_F(ProjectFile, AMovingSourceIsKeptInItsOwnLineBeforeTheTable) {
    typeExampleMirror(project);
    project.mirror().setMovingSource(true);
    appendRow(project.table(), {0.25, 1.44, 2.46});
    const QString first = files.path("movel.pbl");
    project.save(first);
    const std::string marker = "[TABELA_DADOS]\r\n";
    const std::string movingHeader =
        kExampleHeader.substr(0, kExampleHeader.size() - marker.size()) + "[TIPO_TESTADOR]=1\r\n" +
        marker;
    EXPECT_EQ(ProjectFiles::read(first), movingHeader + packetText(3, kOneRowLog, row(1)));

    Project reopened(Separators::brazilian(), fixedClock);
    reopened.load(first);
    EXPECT_TRUE(reopened.mirror().movingSource());
    EXPECT_DOUBLE_EQ(reopened.mirror().geometry().Ac[0], 20.0 * 20.0 / 2400);
    EXPECT_TRUE(reopened.mirror().isReduced());
    const QString second = files.path("de-novo.pbl");
    reopened.save(second);
    EXPECT_EQ(ProjectFiles::read(second), ProjectFiles::read(first));
}

TEST_F(ProjectFile, OnlyTheValue1ReadsAsAMovingSource) {
    const std::string radii = "\"40\";\"60.5\";\"75\"";
    struct Case {
        const char* name;
        std::string line;
        bool moving;
    } cases[] = {
        {"no line", "", false},
        {"1", "[TIPO_TESTADOR]=1\r\n", true},
        {"1 with a sign and leading spaces", "[TIPO_TESTADOR]=  +1\r\n", true},
        {"key in other letter case", "[tipo_testador]=1\r\n", true},
        {"0", "[TIPO_TESTADOR]=0\r\n", false},
        {"empty", "[TIPO_TESTADOR]=\r\n", false},
        {"not a number", "[TIPO_TESTADOR]=abc\r\n", false},
        {"not a whole number", "[TIPO_TESTADOR]=1.0\r\n", false},
        {"a trailing space", "[TIPO_TESTADOR]=1 \r\n", false},
        {"2, a tester this program does not know", "[TIPO_TESTADOR]=2\r\n", false},
        {"-1", "[TIPO_TESTADOR]=-1\r\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Project loaded(Separators::english(), fixedClock);
        loaded.mirror().setMovingSource(!c.moving);
        loaded.load(files.write("a.pbl", header(radii, "3", c.line) + packetText(3)));
        EXPECT_EQ(loaded.mirror().movingSource(), c.moving);
    }
}

TEST_F(ProjectFile, KeepsManyRadiiOnOneLongLine) {
    project.mirror().setD(400);
    project.mirror().setR(3000);
    project.mirror().setZoneCount(300);
    const std::vector<double> radii = project.mirror().geometry().Hx;
    const QString file = files.path("a.pbl");
    project.save(file);
    ASSERT_GT(ProjectFiles::read(file).find("\r\n"), 4096u);

    Project reopened(Separators::brazilian(), fixedClock);
    reopened.load(file);
    ASSERT_EQ(reopened.mirror().geometry().Hx.size(), 300u);
    for (std::size_t z = 0; z < radii.size(); ++z) {
        EXPECT_NEAR(reopened.mirror().geometry().Hx[z], radii[z], 1e-12 * radii[z]) << z;
    }
}

TEST_F(ProjectFile, ReadsAFileWrittenUnderTheOtherDecimalSeparator) {
    typeExampleMirror(project);
    project.mirror().setLambda(0.00056L);
    project.mirror().setB(-1.25L);
    for (const Separators& written : {Separators::brazilian(), Separators::english()}) {
        for (const Separators& read : {Separators::brazilian(), Separators::english()}) {
            SCOPED_TRACE(written.decimal + " read under " + read.decimal);
            project.mirror().setSeparators(written);
            const QString file = files.path("a.pbl");
            project.save(file);
            Project reopened(read, fixedClock);
            reopened.load(file);
            EXPECT_EQ(reopened.mirror().parameters().Lambda, 0.00056L);
            EXPECT_EQ(reopened.mirror().parameters().b, -1.25L);
            EXPECT_EQ(reopened.mirror().geometry().Hx, (std::vector<double>{40, 60.5, 75}));
        }
    }
}

TEST_F(ProjectFile, IsLenientWithHeadersAndTableSection) {
    struct Case {
        const char* name;
        std::string text;
        int zones;
        long double D;
        int rows;
        bool reduced;
    } cases[] = {
        {"keys in any order and case, other lines between",
         "[numero_zonas]=3\nComentário\n[Array_Hx]=\"40\";\"60.5\";\"75\"\r\n[raio_curvatura]=1200"
         "\r[DIAMETRO_ESPELHO]=150\r\n[TABELA_DADOS]\r\n" +
             packetText(3),
         3, 150, 0, false},
        {"duplicates: the first line counts",
         header("\"40\";\"60.5\";\"75\"", "3", "[DIAMETRO_ESPELHO]=99\r\n[NUMERO_ZONAS]=5\r\n") +
             packetText(3),
         3, 150, 0, false},
        {"zone count 0 gives one zone", header("\"75\"", "0") + packetText(1), 1, 150, 0, false},
        {"missing zone count gives one zone",
         "[ARRAY_HX]=\"75\"\r\n[DIAMETRO_ESPELHO]=150\r\n[TABELA_DADOS]\r\n" + packetText(1), 1,
         150, 0, false},
        {"zone count above 999 gives 999 zones", header(radiusItems(999), "5000"), 999, 150, 0,
         false},
        {"header numbers that do not convert read as 0",
         "[ARRAY_HX]=1;2;3\r\n[DIAMETRO_ESPELHO]=1.234,5\r\n[NUMERO_ZONAS]=3\r\n", 3, 0, 0, false},
        {"no table section: header and radii only", header("\"40\";\"60.5\";\"75\"", "3"), 3, 150,
         0, false},
        {"text after </DATAPACKET> ignored",
         header("\"40\";\"60.5\";\"75\"", "3") + packetText(3, kOneRowLog, row(1)) +
             "\r\nlixo </DATAPACKET> \x01\xff",
         3, 150, 1, true},
        {"more radii than zones", header("\"40\";\"60.5\";\"75\";\"80\"", "3") + packetText(3), 3,
         150, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Project loaded(Separators::english(), fixedClock);
        loaded.load(files.write("a.pbl", c.text));
        EXPECT_EQ(loaded.mirror().parameters().ZoneCount, c.zones);
        EXPECT_EQ(loaded.mirror().parameters().D, c.D);
        EXPECT_EQ(loaded.table().rowCount(), c.rows);
        EXPECT_EQ(loaded.mirror().isReduced(), c.reduced);
    }
}

TEST_F(ProjectFile, FailedLoadResetsAndLeavesTheFileAlone) {
    const std::string radii = "\"40\";\"60.5\";\"75\"";
    struct Case {
        const char* name;
        std::string text;
    } cases[] = {
        {"fewer radius items than zones", header("\"40\";\"60.5\"", "3") + packetText(3)},
        {"no radius list", "[NUMERO_ZONAS]=2\r\n[DIAMETRO_ESPELHO]=150\r\n"},
        {"a radius that is not a number", header("\"40\";\"x\";\"75\"", "3") + packetText(3)},
        {"an empty radius", header("\"40\";;\"75\"", "3") + packetText(3)},
        {"a radius without a digit", header("\"40\";\",\";\"75\"", "3") + packetText(3)},
        {"a radius too large for a double", header("\"40\";\"1E400\";\"75\"", "3")},
        {"</DATAPACKET> without <?xml", header(radii, "3") + "<DATAPACKET></DATAPACKET>"},
        {"a packet the reader rejects", header(radii, "3") + "<?xml?><x></DATAPACKET>"},
        {"a packet cut before </DATAPACKET>",
         header(radii, "3") + packetText(3, kOneRowLog, row(1)).substr(0, 300)},
        {"fewer zone columns than zones", header(radii, "3") + packetText(2)},
        {"more zone columns than zones", header(radii, "3") + packetText(4)},
        {"binary junk", std::string("\x00\xff\xfe<?xml\x00</DATAPACKET>", 22)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Project loaded(Separators::english(), fixedClock);
        typeExampleMirror(loaded);
        loaded.mirror().setMovingSource(true);
        const QString file = files.write("a.pbl", c.text);
        EXPECT_THROW(loaded.load(file), ProjectFileError);
        expectDefaults(loaded);
        EXPECT_EQ(ProjectFiles::read(file), c.text);
    }
    EXPECT_THROW(project.load(files.path("nao-existe.pbl")), ProjectFileError);
    expectDefaults(project);
}

TEST_F(ProjectFile, MalformedFilesEndInAnErrorOrInTheDefaults) {
    typeExampleMirror(project);
    appendRow(project.table(), {0.25, 1.44, 2.46});
    project.table().edit();
    project.table().setMemo(QStringLiteral("notas"));
    project.table().post();
    const QString original = files.path("a.pbl");
    project.save(original);
    const std::string good = ProjectFiles::read(original);
    // Cut anywhere after "<?xml", the file has lost its table's end.
    const std::size_t packetBegun = good.find("<?xml") + 5;
    for (std::size_t length = 0; length < good.size(); ++length) {
        SCOPED_TRACE(length);
        Project loaded(Separators::brazilian(), fixedClock);
        const QString cut = files.write("cortado.pbl", good.substr(0, length));
        if (length >= packetBegun) {
            EXPECT_THROW(loaded.load(cut), ProjectFileError);
            expectDefaults(loaded);
            continue;
        }
        try {
            loaded.load(cut);
            EXPECT_EQ(loaded.table().rowCount(), 0);
        } catch (const ProjectFileError&) {
            expectDefaults(loaded);
        }
    }

    std::string utf16;
    for (const char c : good) utf16 += std::string{c, '\0'};
    std::string manyColumns = header(radiusItems(999), "999") + packetText(5000);
    const std::string radii = "\"40\";\"60.5\";\"75\"";
    const struct Case {
        const char* name;
        std::string text;
        bool loads;
        int zones;
    } cases[] = {
        {"another encoding", utf16, false, 1},
        {"bad Base64 in the notes",
         header(radii, "3") + packetText(3, kOneRowLog, row(1, "Observacoes=\"*%$#=A\"")), true, 3},
        {"header numbers that overflow",
         "[ARRAY_HX]=\"1\"\r\n[DIAMETRO_ESPELHO]=1E99999\r\n[COMPRIMENTO_ONDA]=-1e5000\r\n", true,
         1},
        {"a negative zone count", header("\"1\"", "-5"), true, 1},
        {"a zone count beyond 32 bits", header("\"1\"", "99999999999"), true, 1},
        {"a packet with thousands of columns", manyColumns, false, 1},
        {"a change log naming versions that do not exist",
         header(radii, "3") + packetText(3, "<PARAMS CHANGE_LOG=\"1 0 4 7 3 8 9 99 8\"/>", row(1)),
         true, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Project loaded(Separators::brazilian(), fixedClock);
        const QString file = files.write("ruim.pbl", c.text);
        if (c.loads) {
            loaded.load(file);
            EXPECT_EQ(loaded.mirror().parameters().ZoneCount, c.zones);
        } else {
            EXPECT_THROW(loaded.load(file), ProjectFileError);
            expectDefaults(loaded);
        }
        EXPECT_EQ(ProjectFiles::read(file), c.text);
    }
}

// Records what the test tells its views, to check the order of a load's effects.
class ChangeLog : public MirrorObserver {
  public:
    void mirrorChanged(MirrorChange change) override { changes.push_back(change); }
    // Position of the last time `change` was told, -1 when never.
    int last(MirrorChange change) const {
        for (int i = static_cast<int>(changes.size()) - 1; i >= 0; --i) {
            if (changes[i] == change) return i;
        }
        return -1;
    }
    std::vector<MirrorChange> changes;
};

TEST_F(ProjectFile, LoadRunsItsStepsInOrderAndReducesTheLastRow) {
    const std::string rows = row(1, "ConstanteK=\"0.5\" ZonaReferencia=\"1\"") +
                             row(2, "ConstanteK=\"0.01\" ZonaReferencia=\"2\"");
    const std::string text =
        "[DIAMETRO_ESPELHO]=150\r\n[RAIO_CURVATURA]=1200\r\n"
        "[NUMERO_ZONAS]=3\r\n[COMPRIMENTO_ONDA]=0.0006\r\n"
        "[COEFICIENTE_DEFORMACAO]=-0.9\r\n[INDICE_ZONA_REDUCAO]=7\r\n"
        "[ARRAY_HX]=\"40\";\"60.5\";\"75\"\r\n[TABELA_DADOS]\r\n" +
        packetText(3, "<PARAMS CHANGE_LOG=\"1 0 4 2 0 4\"/>", rows);
    ChangeLog log;
    project.mirror().addObserver(&log);
    project.load(files.write("a.pbl", text));
    project.mirror().removeObserver(&log);

    const std::vector<MirrorChange> order = {MirrorChange::D,
                                             MirrorChange::R,
                                             MirrorChange::ZoneCount,
                                             MirrorChange::Lambda,
                                             MirrorChange::b,
                                             MirrorChange::ReductionZoneIndex,
                                             MirrorChange::ZoneRadiusList,
                                             MirrorChange::ReductionTableCells};
    for (std::size_t i = 1; i < order.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_LT(log.last(order[i - 1]), log.last(order[i]));
    }
    EXPECT_LT(log.last(MirrorChange::MeasurementTable), log.last(MirrorChange::ZoneRadiusList));

    const Mirror& mirror = project.mirror();
    EXPECT_EQ(mirror.parameters().ReductionZoneIndex, 7);
    EXPECT_EQ(mirror.geometry().Hx, (std::vector<double>{40, 60.5, 75}));
    EXPECT_EQ(project.table().position(), 2);
    EXPECT_EQ(mirror.parameters().k, 0.01L);
    EXPECT_EQ(mirror.parameters().ParabolaZoneIndex, 2);
    EXPECT_TRUE(mirror.isReduced());
    EXPECT_EQ(mirror.readings(), (Readings{0.25, 1.44, 2.46}));

    project.reduceRow(0);
    EXPECT_EQ(mirror.parameters().k, 0.5L);
    EXPECT_EQ(mirror.parameters().ParabolaZoneIndex, 1);
    EXPECT_TRUE(mirror.isReduced());
}

TEST_F(ProjectFile, AFailedReductionAfterTheLoadIsTheReductionsError) {
    const std::string row =
        "<ROW RowState=\"4\" Medidas=\"20240315\" Zona1=\"1e300\" Zona2=\"-1e300\" "
        "Zona3=\"1e300\" Chave=\"1\" ZonaReferencia=\"2\"/>";
    const QString file =
        files.write("a.pbl", header("\"40\";\"60.5\";\"75\"", "3") +
                                 packetText(3, "<PARAMS CHANGE_LOG=\"1 0 4\"/>", row));
    EXPECT_THROW(project.load(file), ReductionFailed);
    expectDefaults(project);
}

}  // namespace
}  // namespace zelvaro
