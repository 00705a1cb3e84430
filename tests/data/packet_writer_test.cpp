#include "data/packet_writer.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include "data/measurement_table.h"
#include "table_fixture.h"

namespace zelvaro {
namespace {

using fixtures::appendRow;
using fixtures::column;
using fixtures::makeTable;

const QByteArray kHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>  "
    "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>";

QByteArray fieldsOf(int zones) {
    return fixtures::packetFieldsOf(zones) + "</FIELDS>";
}

// The packet of a 1-zone table from its PARAMS on: what tests compare.
QByteArray tailOf(const QByteArray& packet) {
    const QByteArray start = kHead + fieldsOf(1);
    EXPECT_TRUE(packet.startsWith(start));
    return packet.mid(start.size());
}

// A 1-zone row, as written: its attributes after Medidas, which is the example time.
QByteArray row(const QByteArray& state, const QByteArray& values) {
    QByteArray text = "<ROW";
    if (!state.isEmpty()) text += " RowState=\"" + state + "\"";
    return text + " Medidas=\"20240315T14:03:07123\"" + values + "/>";
}

TEST(PacketWriter, WritesTheTwoZoneExampleByteForByte) {
    MeasurementTable table = makeTable(2);
    appendRow(table, {1.25, 2.5});

    EXPECT_EQ(table.savePacket(),
              kHead + fieldsOf(2) +
                  "<PARAMS CHANGE_LOG=\"1 0 4\"/></METADATA><ROWDATA>"
                  "<ROW RowState=\"4\" Medidas=\"20240315T14:03:07123\" Zona1=\"1.25\" "
                  "Zona2=\"2.5\" Chave=\"1\" ZonaReferencia=\"0\"/>"
                  "</ROWDATA></DATAPACKET>");
}

TEST(PacketWriter, WritesAnEmptyTable) {
    MeasurementTable table = makeTable(1);
    EXPECT_EQ(table.savePacket(),
              kHead + fieldsOf(1) + "<PARAMS/></METADATA><ROWDATA></ROWDATA></DATAPACKET>");
}

TEST(PacketWriter, WritesEveryVersionAndTheLogAfterAnEdit) {
    MeasurementTable table = fixtures::editedAB();

    EXPECT_EQ(tailOf(table.savePacket()),
              "<PARAMS CHANGE_LOG=\"1 0 4 2 0 4 3 1 8\"/></METADATA><ROWDATA>" +
                  row("5", " Zona1=\"1\" Chave=\"1\" ZonaReferencia=\"0\"") +
                  row("4", " Zona1=\"2\" Chave=\"2\" ZonaReferencia=\"0\"") +
                  row("12", " Zona1=\"1.5\" Chave=\"1\" ZonaReferencia=\"0\"") +
                  "</ROWDATA></DATAPACKET>");
}

TEST(PacketWriter, LeavesOutNotesAnEditDidNotChange) {
    struct Case {
        const char* name;
        const char* newNotes;  // null: notes not touched
        double newReading;
        QByteArray lastRow;
    } cases[] = {
        {"only a reading edited", nullptr, 2.0,
         row("12", " Zona1=\"2\" Chave=\"1\" ZonaReferencia=\"0\"")},
        {"notes edited", "abd", 1.0,
         row("12", " Zona1=\"1\" Chave=\"1\" ZonaReferencia=\"0\" Observacoes=\"YWJk\"")},
        {"notes cleared", "", 1.0,
         row("12", " Zona1=\"1\" Chave=\"1\" ZonaReferencia=\"0\" Observacoes=\"\"")},
    };
    for (const Case& c : cases) {
        MeasurementTable table = makeTable(1);
        table.append();
        table.setNumber(column(table, "Zona1"), 1.0);
        table.setMemo("abc");
        table.post();
        table.edit();
        table.setNumber(column(table, "Zona1"), c.newReading);
        if (c.newNotes) table.setMemo(c.newNotes);
        table.post();

        EXPECT_EQ(
            tailOf(table.savePacket()),
            "<PARAMS CHANGE_LOG=\"1 0 4 2 1 8\"/></METADATA><ROWDATA>" +
                row("5", " Zona1=\"1\" Chave=\"1\" ZonaReferencia=\"0\" Observacoes=\"YWJj\"") +
                c.lastRow + "</ROWDATA></DATAPACKET>")
            << c.name;
    }
}

TEST(PacketWriter, LeavesOutEmptyCells) {
    MeasurementTable table = makeTable(3);
    appendRow(table, {1.0, std::nullopt, 3.0});
    table.edit();
    table.setNumber(column(table, "Zona1"), std::nullopt);
    table.setDateTime(std::nullopt);
    table.setNumber(column(table, "ZonaReferencia"), std::nullopt);
    table.setNumber(column(table, "Chave"), std::nullopt);
    table.post();

    const QByteArray packet = table.savePacket();
    EXPECT_TRUE(
        packet.endsWith("<ROW RowState=\"5\" Medidas=\"20240315T14:03:07123\" "
                        "Zona1=\"1\" Zona3=\"3\" Chave=\"1\" ZonaReferencia=\"0\"/>"
                        "<ROW RowState=\"12\" Zona3=\"3\"/></ROWDATA></DATAPACKET>"))
        << packet.toStdString();
}

TEST(PacketWriter, WritesValuesInTheirPacketForm) {
    MeasurementTable table = makeTable(4);
    table.append();
    table.setDateTime(LocalDateTime::make(2024, 3, 15));
    table.setNumber(column(table, "Zona1"), 0.1);
    table.setNumber(column(table, "Zona2"), 1e-5);
    table.setNumber(column(table, "Zona3"), 1.0 / 3.0);
    table.setNumber(column(table, "Zona4"), -2e17);
    table.setNumber(column(table, "ConstanteK"), 0.00005);
    table.setNumber(column(table, "ZonaReferencia"), -3);
    table.setMemo("abc");
    table.post();

    EXPECT_TRUE(table.savePacket().contains(
        "<ROW RowState=\"4\" Medidas=\"20240315\" Zona1=\"0.1\" Zona2=\"1e-05\" "
        "Zona3=\"0.3333333333333333\" Zona4=\"-2e+17\" Chave=\"1\" ConstanteK=\"5e-05\" "
        "ZonaReferencia=\"-3\" Observacoes=\"YWJj\"/>"));
}

TEST(PacketWriter, NotesEndingInAZeroByteReadBackWhole) {
    // The reader drops one terminating zero byte, so a note that ends in one keeps it only
    // when another is written after it.
    const QChar zero(0);
    for (const QString& notes : {QStringLiteral("a") + zero, QString(2, zero)}) {
        MeasurementTable table = makeTable(1);
        table.append();
        table.setMemo(notes);
        table.post();

        MeasurementTable reread;
        reread.loadPacket(table.savePacket());
        EXPECT_EQ(reread.memo(), notes);
    }
}

TEST(PacketWriter, WritesOneLineAndKeepsTheCurrentRow) {
    MeasurementTable table = makeTable(2);
    appendRow(table, {1.0, 2.0});
    appendRow(table, {3.0, 4.0});
    table.first();
    table.edit();
    table.setMemo("linha 1\nlinha 2");

    const QByteArray packet = table.savePacket();

    EXPECT_FALSE(packet.contains('\n'));
    EXPECT_FALSE(packet.contains('\r'));
    EXPECT_EQ(table.state(), MeasurementTable::State::Browse);
    EXPECT_EQ(table.position(), 1);
    EXPECT_TRUE(packet.contains("Observacoes=\"bGluaGEgMQ0KbGluaGEgMg==\""));
}

}  // namespace
}  // namespace zelvaro
