#include "data/packet_reader.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <random>

#include "data/measurement_table.h"
#include "data/packet_writer.h"
#include "table_fixture.h"

namespace zelvaro {
namespace {

using fixtures::appendRow;
using fixtures::column;
using fixtures::editedAB;
using fixtures::makeTable;

const QByteArray kProlog = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>  ";

// A packet of a 1-zone table with these PARAMS attributes and ROW elements.
QByteArray packetOf(const QByteArray& params, const QByteArray& rows,
                    const QByteArray& prolog = kProlog) {
    return prolog + "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>" + fixtures::packetFieldsOf(1) +
           "</FIELDS><PARAMS" + params + "/></METADATA><ROWDATA>" + rows +
           "</ROWDATA></DATAPACKET>";
}

MeasurementTable load(const QByteArray& packet) {
    MeasurementTable table = makeTable(3);
    table.loadPacket(packet);
    return table;
}

double reading(const MeasurementTable& table, int row, int zone = 0) {
    return table.numberAt(row, TableSchema::zoneColumn(zone)).value_or(-999);
}

void expectSameContent(const VersionedRows& a, const VersionedRows& b) {
    ASSERT_EQ(a.schema().zoneCount(), b.schema().zoneCount());
    ASSERT_EQ(a.versions().size(), b.versions().size());
    for (std::size_t i = 0; i < a.versions().size(); ++i) {
        EXPECT_EQ(a.versions()[i].state, b.versions()[i].state) << "version " << i + 1;
        EXPECT_EQ(a.versions()[i].replaces, b.versions()[i].replaces) << "version " << i + 1;
        EXPECT_TRUE(a.versions()[i].record.sameBytes(b.versions()[i].record))
            << "version " << i + 1;
    }
    EXPECT_EQ(a.changeLog(), b.changeLog());
}

TEST(PacketReader, ReadsBackTheCurrentRowsInKeyOrder) {
    MeasurementTable table = load(editedAB().savePacket());
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.position(), 1);
    EXPECT_EQ(reading(table, 0), 1.5);
    EXPECT_EQ(table.numberAt(0, table.schema().chaveColumn()), 1);
    EXPECT_EQ(reading(table, 1), 2.0);
    EXPECT_EQ(table.versions().versions().size(), 3u);
    EXPECT_EQ(table.versions().versions()[2].replaces, 1u);
}

TEST(PacketReader, RoundTripsEveryVersionAndTheLogByteForByte) {
    MeasurementTable table = makeTable(5);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-10, 10);
    for (int i = 0; i < 20; ++i) {
        table.append();
        for (int zone = 0; zone < 5; ++zone)
            if ((i + zone) % 4 != 0) table.setNumber(TableSchema::zoneColumn(zone), value(random));
        if (i % 3 == 0) table.setMemo(QString::fromUtf8("nota %1\ncom acentuação").arg(i));
        if (i % 5 == 0) table.setDateTime(LocalDateTime::make(2024, 1, 1 + i));
        table.setNumber(column(table, "ConstanteK"),
                        i % 2 ? std::optional<double>(value(random)) : std::nullopt);
        table.post();
    }
    for (int row : {3, 7, 3, 12}) {
        table.moveTo(row);
        table.edit();
        table.setNumber(column(table, "Zona2"), row * 0.5);
        if (row == 12) table.setMemo("nova");
        table.post();
    }
    const QByteArray first = table.savePacket();

    MeasurementTable loaded = load(first);
    const QByteArray second = loaded.savePacket();

    EXPECT_EQ(second, first);
    MeasurementTable again = load(second);
    expectSameContent(again.versions(), loaded.versions());
    EXPECT_EQ(loaded.versions().changeLog(), table.versions().changeLog());
    ASSERT_EQ(loaded.rowCount(), table.rowCount());
    for (int row = 0; row < table.rowCount(); ++row) {
        loaded.moveTo(row);
        table.moveTo(row);
        EXPECT_EQ(loaded.memo(), table.memo()) << "row " << row;
        EXPECT_EQ(loaded.dateTime(), table.dateTime()) << "row " << row;
    }
}

TEST(PacketReader, LoadedTableExtendsItsLog) {
    MeasurementTable table = load(editedAB().savePacket());
    table.moveTo(1);
    table.edit();
    table.setNumber(column(table, "Zona1"), 2.5);
    table.post();
    const std::vector<LogEntry> expected = {{1, 0, 4}, {2, 0, 4}, {3, 1, 8}, {4, 2, 8}};
    EXPECT_EQ(table.versions().changeLog(), expected);
    EXPECT_EQ(table.versions().versions()[1].state, 5);
    EXPECT_EQ(table.versions().versions()[3].state, 12);
}

TEST(PacketReader, NotesOfAModifiedVersionWrittenWithoutThemAreInherited) {
    MeasurementTable table = makeTable(1);
    table.append();
    table.setNumber(column(table, "Zona1"), 1.0);
    table.setMemo("abc");
    table.post();
    for (double value : {2.0, 3.0}) {
        table.edit();
        table.setNumber(column(table, "Zona1"), value);
        table.post();
    }
    const QByteArray packet = table.savePacket();
    EXPECT_EQ(packet.count("Observacoes="), 1);

    MeasurementTable loaded = load(packet);
    EXPECT_EQ(loaded.memo(), "abc");
    EXPECT_EQ(reading(loaded, 0), 3.0);
    EXPECT_EQ(loaded.versions().versions()[2].record.observacoes, "abc");
}

TEST(PacketReader, ClearedNotesAndReadingsStayEmpty) {
    MeasurementTable table = makeTable(2);
    table.append();
    table.setNumber(column(table, "Zona1"), 1.0);
    table.setNumber(column(table, "Zona2"), 2.0);
    table.setMemo("abc");
    table.post();
    table.edit();
    table.setMemo("");
    table.setNumber(column(table, "Zona1"), std::nullopt);
    table.post();

    MeasurementTable loaded = load(table.savePacket());
    EXPECT_TRUE(loaded.memo().isEmpty());
    EXPECT_EQ(loaded.number(column(loaded, "Zona1")), std::nullopt);
    EXPECT_EQ(loaded.number(column(loaded, "Zona2")), 2.0);
}

TEST(PacketReader, MidnightReadsBackAsMidnight) {
    MeasurementTable table = makeTable(1);
    table.append();
    table.setDateTime(LocalDateTime::make(2024, 3, 15));
    table.post();
    const QByteArray packet = table.savePacket();
    EXPECT_TRUE(packet.contains("Medidas=\"20240315\""));
    EXPECT_EQ(load(packet).dateTime(), LocalDateTime::make(2024, 3, 15));
}

TEST(PacketReader, EmptyTableReadsBackWithItsColumns) {
    MeasurementTable table = load(makeTable(7).savePacket());
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(table.schema().zoneCount(), 7);
    EXPECT_EQ(table.state(), MeasurementTable::State::Browse);
}

TEST(PacketReader, ZeroBytesLeaveTheTableAsItWas) {
    MeasurementTable table = makeTable(2);
    appendRow(table, {1.0, 2.0});
    fixtures::RecordingEvents events(table);
    table.loadPacket(QByteArray());
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.schema().zoneCount(), 2);
    EXPECT_TRUE(events.seen.empty());
}

TEST(PacketReader, IsLenientWithWhatItReads) {
    const QByteArray plainRow = "<ROW Zona1=\"1.5\" Chave=\"1\"/>";
    struct Case {
        const char* name;
        QByteArray packet;
        int rows;
        std::optional<double> zona1;
        QString memo;
    } cases[] = {
        {"byte-order mark", "\xEF\xBB\xBF" + packetOf("", plainRow), 1, 1.5, ""},
        {"no declaration", packetOf("", plainRow, ""), 1, 1.5, ""},
        {"ANSI text with a Windows-1252 memo",
         packetOf(
             " Origem=\"Jos\xE9\"",
             "<ROW Zona1=\"1.5\" Observacoes=\"" + QByteArray("a\xE7\xE3o\x80").toBase64() + "\"/>",
             "<?xml version=\"1.0\" encoding=\"windows-1252\"?>"),
         1, 1.5, QString::fromUtf8("ação€")},
        {"declared UTF-8 but not valid UTF-8", packetOf(" Origem=\"Jos\xE9\"", plainRow), 1, 1.5,
         ""},
        {"valid UTF-8", packetOf(" Origem=\"Jos\xC3\xA9\"", plainRow), 1, 1.5, ""},
        {"RowState absent is a current row", packetOf(" CHANGE_LOG=\"1 0 4\"", plainRow), 1, 1.5,
         ""},
        {"number starting with a letter", packetOf("", "<ROW Zona1=\"x1.5\"/>"), 1, std::nullopt,
         ""},
        {"number overflowing", packetOf("", "<ROW Zona1=\"1e400\" Chave=\"1e20\"/>"), 1,
         std::nullopt, ""},
        {"bad date and bad memo", packetOf("", "<ROW Medidas=\"2024\" Observacoes=\"!!\"/>"), 1,
         std::nullopt, ""},
        {"memo Base64 with spaces, junk and no fill",
         packetOf("", "<ROW Observacoes=\"YW J!j YWI\"/>"), 1, std::nullopt, "abcab"},
        {"memo Base64 with a lone last character", packetOf("", "<ROW Observacoes=\"YWJjY\"/>"), 1,
         std::nullopt, "abc"},
        {"memo with a terminating zero byte",
         packetOf("", "<ROW Observacoes=\"" + QByteArray("abc\0", 4).toBase64() + "\"/>"), 1,
         std::nullopt, "abc"},
        {"single quotes, spaces and a comment",
         packetOf("", "<!-- x --><ROW  Zona1 = '1.5' ></ROW>\n"), 1, 1.5, ""},
        {"entity in a value", packetOf("", "<ROW Zona1=\"&#049;.5\"/>"), 1, 1.5, ""},
        {"unknown attributes",
         packetOf(" LCID=\"1046\"", "<ROW Zona7=\"3\" Cor=\"azul\" Zona1=\"1.5\"/>"), 1, 1.5, ""},
        {"superseded, deleted and empty-slot versions hidden",
         packetOf("",
                  "<ROW RowState=\"1\"/><ROW RowState=\"2\"/><ROW RowState=\"32\"/>"
                  "<ROW RowState=\"64\" Zona1=\"1.5\"/><ROW RowState=\"-1\"/>"),
         1, 1.5, ""},
        {"log naming versions that do not exist",
         packetOf(" CHANGE_LOG=\"9 8 8 1 5 8 0 0 4 4294967295 1 8 1 0\"",
                  "<ROW RowState=\"8\" Zona1=\"1.5\"/>"),
         1, 1.5, ""},
    };
    for (const Case& c : cases) {
        MeasurementTable table = makeTable(1);
        ASSERT_NO_THROW(table.loadPacket(c.packet)) << c.name;
        ASSERT_EQ(table.rowCount(), c.rows) << c.name;
        EXPECT_EQ(table.number(column(table, "Zona1")), c.zona1) << c.name;
        EXPECT_EQ(table.memo(), c.memo) << c.name;
    }
}

TEST(PacketReader, LogWithOddEntriesIsKeptAsItCame) {
    const QByteArray packet =
        packetOf(" CHANGE_LOG=\"  9 8 8  1 5 8 7\"", "<ROW RowState=\"8\" Zona1=\"1.5\"/>");
    const std::optional<VersionedRows> rows = readPacket(packet);
    ASSERT_TRUE(rows);
    const std::vector<LogEntry> expected = {{9, 8, 8}, {1, 5, 8}};
    EXPECT_EQ(rows->changeLog(), expected);
    EXPECT_EQ(rows->versions()[0].replaces, 0u);
    EXPECT_TRUE(writePacket(*rows).contains("CHANGE_LOG=\"9 8 8 1 5 8\""));
}

TEST(PacketReader, RowsLoadedWithoutLogAreWrittenWithoutRowState) {
    MeasurementTable table = load(packetOf("",
                                           "<ROW Zona1=\"1\" Chave=\"1\"/>"
                                           "<ROW RowState=\"1\" Zona1=\"7\" Chave=\"3\"/>"
                                           "<ROW Zona1=\"2\" Chave=\"2\"/>"));
    ASSERT_EQ(table.rowCount(), 2);
    const QByteArray packet = table.savePacket();
    EXPECT_TRUE(
        packet.contains("<PARAMS/></METADATA><ROWDATA>"
                        "<ROW Zona1=\"1\" Chave=\"1\"/><ROW Zona1=\"2\" Chave=\"2\"/>"
                        "</ROWDATA>"))
        << packet.toStdString();

    table.first();
    table.edit();
    table.setNumber(column(table, "Zona1"), 1.5);
    table.post();
    EXPECT_TRUE(table.savePacket().contains(
        "<PARAMS CHANGE_LOG=\"4 1 8\"/></METADATA><ROWDATA>"
        "<ROW RowState=\"1\" Zona1=\"1\" Chave=\"1\"/><ROW RowState=\"1\" Zona1=\"7\" Chave=\"3\"/>"
        "<ROW Zona1=\"2\" Chave=\"2\"/><ROW RowState=\"8\" Zona1=\"1.5\" Chave=\"1\"/>"));
}

TEST(PacketReader, TakesItsColumnsFromThePacket) {
    MeasurementTable table = makeTable(1);
    table.loadPacket(makeTable(999).savePacket());
    EXPECT_EQ(table.schema().zoneCount(), 999);
    EXPECT_EQ(table.schema().indexOf("Zona999"), 999);
}

TEST(PacketReader, RejectsPacketsItCannotRead) {
    const QByteArray valid = packetOf("", "<ROW Zona1=\"1\"/>");
    const QByteArray fields =
        "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>" + fixtures::packetFieldsOf(1);
    QByteArray manyZones = "<DATAPACKET><METADATA><FIELDS>";
    for (int zone = 0; zone < 5000; ++zone)
        manyZones += "<FIELD attrname=\"Zona1\" fieldtype=\"r8\"/>";
    struct Case {
        const char* name;
        QByteArray packet;
    } cases[] = {
        {"first character not <", " " + valid},
        {"junk", "garbage"},
        {"UTF-16", QByteArray("\xFF\xFE<\0", 4)},
        {"no metadata", "<DATAPACKET Version=\"2.0\"><ROWDATA></ROWDATA></DATAPACKET>"},
        {"empty packet element", "<DATAPACKET/>"},
        {"no fields", "<DATAPACKET><METADATA><PARAMS/></METADATA><ROWDATA/></DATAPACKET>"},
        {"no row data", fields + "</FIELDS><PARAMS/></METADATA></DATAPACKET>"},
        {"a column missing",
         "<DATAPACKET><METADATA><FIELDS><FIELD attrname=\"Medidas\" fieldtype=\"dateTime\"/>"
         "</FIELDS></METADATA><ROWDATA/></DATAPACKET>"},
        {"zero zones", "<DATAPACKET><METADATA><FIELDS>" + fixtures::packetFieldsOf(0) +
                           "</FIELDS></METADATA><ROWDATA/></DATAPACKET>"},
        {"a reading of another type",
         QByteArray(valid).replace("\"Zona1\" fieldtype=\"r8\"", "\"Zona1\" fieldtype=\"i4\"")},
        {"memo without its subtype", QByteArray(valid).replace(" SUBTYPE=\"Text\"", "")},
        {"renamed column", QByteArray(valid).replace("\"Chave\"", "\"chave\"")},
        {"more than 999 zones", manyZones},
        {"element inside FIELDS", QByteArray(valid).replace("<FIELD ", "<CAMPO ")},
        {"element inside ROWDATA", QByteArray(valid).replace("<ROW ", "<LINHA ")},
        {"a column twice in a row", packetOf("", "<ROW Zona1=\"1\" Zona1=\"2\"/>")},
        {"letters in the change log", packetOf(" CHANGE_LOG=\"1 0 x\"", "")},
        {"negative number in the change log", packetOf(" CHANGE_LOG=\"1 -1 4\"", "")},
        {"document type declaration", "<!DOCTYPE x>" + valid},
        {"unclosed ROWDATA", valid.left(valid.indexOf("</ROWDATA>"))},
        {"mismatched end tag", QByteArray(valid).replace("</ROWDATA>", "</FIELDS>")},
        {"bad entity", packetOf("", "<ROW Zona1=\"&bogus;\"/>")},
        {"< inside a value", packetOf("", "<ROW Zona1=\"<\"/>")},
        {"unquoted value", packetOf("", "<ROW Zona1=1/>")},
    };
    for (const Case& c : cases) {
        MeasurementTable table = makeTable(2);
        appendRow(table, {1.0, 2.0});
        EXPECT_THROW(table.loadPacket(c.packet), PacketError) << c.name;
        EXPECT_EQ(table.rowCount(), 1) << c.name;
        EXPECT_EQ(table.schema().zoneCount(), 2) << c.name;
    }
}

TEST(PacketReader, EveryTruncationIsReadOrRejected) {
    MeasurementTable table = editedAB();
    table.edit();
    table.setMemo("abc");
    table.post();
    const QByteArray packet = table.savePacket();
    for (qsizetype length = 1; length < packet.size(); ++length) {
        try {
            readPacket(packet.left(length));
            ADD_FAILURE() << "truncated at " << length << " was read";
        } catch (const PacketError&) {
        }
    }
}

TEST(PacketReader, RejectsMoreRowsThanThePacketsSizeAccountsFor) {
    QByteArray packet = "<DATAPACKET><METADATA><FIELDS>" + fixtures::packetFieldsOf(999) +
                        "</FIELDS></METADATA><ROWDATA>";
    for (int i = 0; i < 20000; ++i) packet += "<ROW/>";
    packet += "</ROWDATA></DATAPACKET>";
    EXPECT_THROW(readPacket(packet), PacketError);
}

}  // namespace
}  // namespace zelvaro
