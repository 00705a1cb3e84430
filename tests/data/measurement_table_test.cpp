#include "data/measurement_table.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "data/table_error.h"
#include "table_fixture.h"

namespace zelvaro {
namespace {

using State = MeasurementTable::State;
using fixtures::appendRow;
using fixtures::column;
using fixtures::exampleTime;
using fixtures::makeTable;
using fixtures::RecordingEvents;

class ChangeLog : public MeasurementTableObserver {
  public:
    void tableChanged(const TableChange& change) override { changes.push_back(change); }
    std::vector<TableChange> changes;
};

TEST(MeasurementTable, NewRowTakesItsDefaults) {
    MeasurementTable table = makeTable(2);
    RecordingEvents events(table);
    events.referenceZone = 1;
    for (int i = 0; i < 3; ++i) appendRow(table, {1.0, 2.0});

    table.append();

    EXPECT_EQ(table.state(), State::Insert);
    EXPECT_EQ(table.number(column(table, "Chave")), 4);
    EXPECT_EQ(table.dateTime(), exampleTime());
    EXPECT_EQ(table.number(column(table, "ZonaReferencia")), 1);
    EXPECT_EQ(events.newRows, 4);
    EXPECT_EQ(table.number(column(table, "Zona1")), std::nullopt);
    EXPECT_EQ(table.number(column(table, "ConstanteK")), std::nullopt);
    EXPECT_TRUE(table.memo().isEmpty());
    EXPECT_EQ(table.position(), -1);
    EXPECT_EQ(table.rowCount(), 3);

    table.post();
    EXPECT_EQ(table.position(), 4);
    EXPECT_EQ(table.rowCount(), 4);
}

TEST(MeasurementTable, ClearingStartsTheKeysAgain) {
    MeasurementTable table = makeTable(1);
    appendRow(table, {1.0});
    appendRow(table, {2.0});

    table.clear();

    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(table.position(), 0);
    EXPECT_TRUE(table.versions().versions().empty());
    EXPECT_TRUE(table.versions().changeLog().empty());
    EXPECT_EQ(table.schema().zoneCount(), 1);
    table.append();
    EXPECT_EQ(table.number(column(table, "Chave")), 1);
}

TEST(MeasurementTable, EditOnAnEmptyTableInsertsARow) {
    MeasurementTable table = makeTable(1);
    table.edit();
    EXPECT_EQ(table.state(), State::Insert);
    EXPECT_EQ(table.number(column(table, "Chave")), 1);
}

TEST(MeasurementTable, DeletionIsRefusedSilently) {
    MeasurementTable table = makeTable(1);
    appendRow(table, {1.0});
    RecordingEvents events(table);

    table.remove();

    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.number(column(table, "Zona1")), 1.0);
    EXPECT_TRUE(events.seen.empty());
}

// Every way of leaving a pending new row: a changed one is posted, an unchanged one dropped.
TEST(MeasurementTable, LeavingANewRowPostsItOnlyWhenChanged) {
    struct Case {
        const char* name;
        std::function<void(MeasurementTable&)> leave;
    } cases[] = {
        {"first", [](MeasurementTable& t) { t.first(); }},
        {"prior", [](MeasurementTable& t) { t.prior(); }},
        {"next", [](MeasurementTable& t) { t.next(); }},
        {"last", [](MeasurementTable& t) { t.last(); }},
        {"move to a row", [](MeasurementTable& t) { t.moveTo(0); }},
        {"append", [](MeasurementTable& t) { t.append(); }},
        {"save", [](MeasurementTable& t) { t.savePacket(); }},
    };
    for (const Case& c : cases) {
        for (const bool changed : {false, true}) {
            MeasurementTable table = makeTable(2);
            appendRow(table, {1.0, 2.0});
            table.append();
            if (changed) table.setNumber(column(table, "Zona2"), 5.0);

            c.leave(table);

            const int expectedRows = changed ? 2 : 1;
            EXPECT_EQ(table.rowCount(), expectedRows) << c.name << (changed ? " changed" : "");
            EXPECT_EQ(table.versions().versions().size(), std::size_t(expectedRows)) << c.name;
        }
    }
}

TEST(MeasurementTable, PostKeepsANewRowNobodyChanged) {
    MeasurementTable table = makeTable(1);
    table.append();
    table.post();
    ASSERT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.number(column(table, "Zona1")), std::nullopt);
    EXPECT_EQ(table.number(column(table, "Chave")), 1);
}

TEST(MeasurementTable, CancelDropsTheNewRowAndReturnsToTheRowBefore) {
    MeasurementTable table = makeTable(1);
    appendRow(table, {1.0});
    appendRow(table, {2.0});
    table.first();
    table.append();
    table.setNumber(column(table, "Zona1"), 9.0);

    table.cancel();

    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.position(), 1);
    EXPECT_EQ(table.number(column(table, "Zona1")), 1.0);
}

TEST(MeasurementTable, CancelledEditRestoresTheRow) {
    MeasurementTable table = makeTable(1);
    appendRow(table, {1.0});
    table.edit();
    table.setNumber(column(table, "Zona1"), 3.0);
    EXPECT_EQ(table.number(column(table, "Zona1")), 3.0);

    table.cancel();

    EXPECT_EQ(table.number(column(table, "Zona1")), 1.0);
    EXPECT_EQ(table.versions().versions().size(), 1u);
}

TEST(MeasurementTable, EditThatChangesNothingAddsNoVersion) {
    MeasurementTable table = makeTable(2);
    appendRow(table, {1.0, 2.0});
    table.edit();
    table.setNumber(column(table, "Zona1"), 1.0);
    table.post();
    table.edit();
    table.next();

    EXPECT_EQ(table.versions().versions().size(), 1u);
    EXPECT_EQ(table.versions().changeLog().size(), 1u);
}

TEST(MeasurementTable, MovingFromAnEditedRowPostsIt) {
    MeasurementTable table = makeTable(1);
    appendRow(table, {1.0});
    appendRow(table, {2.0});
    table.first();
    table.edit();
    table.setNumber(column(table, "Zona1"), 1.5);

    table.next();

    EXPECT_EQ(table.position(), 2);
    table.first();
    EXPECT_EQ(table.number(column(table, "Zona1")), 1.5);
    EXPECT_EQ(table.versions().versions().size(), 3u);
}

TEST(MeasurementTable, NavigationStaysWithinTheRows) {
    MeasurementTable table = makeTable(1);
    for (double reading : {1.0, 2.0, 3.0}) appendRow(table, {reading});
    struct Case {
        const char* name;
        std::function<void(MeasurementTable&)> move;
        int position;
    } cases[] = {
        {"first", [](MeasurementTable& t) { t.first(); }, 1},
        {"prior at the first", [](MeasurementTable& t) { t.prior(); }, 1},
        {"next", [](MeasurementTable& t) { t.next(); }, 2},
        {"last", [](MeasurementTable& t) { t.last(); }, 3},
        {"next at the last", [](MeasurementTable& t) { t.next(); }, 3},
        {"prior", [](MeasurementTable& t) { t.prior(); }, 2},
        {"move beyond the end", [](MeasurementTable& t) { t.moveTo(10); }, 3},
        {"move before the start", [](MeasurementTable& t) { t.moveTo(-4); }, 1},
    };
    for (const Case& c : cases) {
        c.move(table);
        EXPECT_EQ(table.position(), c.position) << c.name;
        EXPECT_EQ(table.number(column(table, "Zona1")), c.position) << c.name;
    }
}

TEST(MeasurementTable, RowsArePresentedInKeyOrderStableForEqualKeys) {
    MeasurementTable table = makeTable(1);
    for (const auto& [key, reading] : {std::pair{5, 1.0}, {2, 2.0}, {5, 3.0}, {2, 4.0}}) {
        table.append();
        table.setNumber(column(table, "Chave"), key);
        table.setNumber(column(table, "Zona1"), reading);
        table.post();
    }
    std::vector<double> readings;
    for (int row = 0; row < table.rowCount(); ++row)
        readings.push_back(*table.numberAt(row, TableSchema::zoneColumn(0)));
    EXPECT_EQ(readings, (std::vector<double>{2.0, 4.0, 1.0, 3.0}));

    // An edit that keeps the key keeps the row's place.
    table.moveTo(0);
    table.edit();
    table.setNumber(column(table, "Zona1"), 2.5);
    table.post();
    EXPECT_EQ(table.position(), 1);
    EXPECT_EQ(table.numberAt(1, TableSchema::zoneColumn(0)), 4.0);
}

TEST(MeasurementTable, ChangedKeyMovesTheRow) {
    MeasurementTable table = makeTable(1);
    for (double reading : {1.0, 2.0, 3.0}) appendRow(table, {reading});
    table.first();
    table.edit();
    table.setNumber(column(table, "Chave"), 10);
    table.post();
    EXPECT_EQ(table.position(), 3);
    EXPECT_EQ(table.numberAt(0, TableSchema::zoneColumn(0)), 2.0);
}

TEST(MeasurementTable, NotificationsComeWithTheStateAlreadyUpdated) {
    MeasurementTable table = makeTable(3);
    RecordingEvents events(table);
    events.referenceZone = 2;
    table.append();
    table.setNumber(column(table, "ConstanteK"), 0.25);
    table.post();
    appendRow(table, {1.0});

    events.seen.clear();
    table.first();
    ASSERT_EQ(events.seen.size(), 1u);
    EXPECT_EQ(events.seen[0].state, State::Browse);
    EXPECT_EQ(events.seen[0].k, 0.25);
    EXPECT_EQ(events.seen[0].zone, 2);
    EXPECT_EQ(events.seen[0].position, 1);

    events.seen.clear();
    table.edit();
    table.setNumber(column(table, "ConstanteK"), 0.5);
    ASSERT_EQ(events.seen.size(), 2u);
    EXPECT_EQ(events.seen[0].state, State::Edit);
    EXPECT_EQ(events.seen[1].k, 0.5);

    events.seen.clear();
    table.post();
    ASSERT_EQ(events.seen.size(), 1u);
    EXPECT_EQ(events.seen[0].state, State::Browse);
    EXPECT_EQ(events.seen[0].k, 0.5);

    events.seen.clear();
    table.append();
    ASSERT_EQ(events.seen.size(), 1u);
    EXPECT_EQ(events.seen[0].state, State::Insert);
    EXPECT_EQ(events.seen[0].position, -1);
    EXPECT_EQ(events.seen[0].rowCount, 2);
}

TEST(MeasurementTable, EveryKindOfChangeIsReported) {
    MeasurementTable table = makeTable(1);
    RecordingEvents events(table);
    struct Case {
        const char* name;
        std::function<void(MeasurementTable&)> act;
    } cases[] = {
        {"append", [](MeasurementTable& t) { t.append(); }},
        {"store", [](MeasurementTable& t) { t.setNumber(column(t, "Zona1"), 1.0); }},
        {"post", [](MeasurementTable& t) { t.post(); }},
        {"edit", [](MeasurementTable& t) { t.edit(); }},
        {"cancel", [](MeasurementTable& t) { t.cancel(); }},
        {"clear", [](MeasurementTable& t) { t.clear(); }},
        {"rebuild", [](MeasurementTable& t) { t.rebuild(4); }},
    };
    for (const Case& c : cases) {
        events.seen.clear();
        c.act(table);
        EXPECT_EQ(events.seen.size(), 1u) << c.name;
    }
}

TEST(MeasurementTable, ObserversHearWhichShownRowsChanged) {
    using Kind = TableChange::Kind;
    MeasurementTable table = makeTable(1);
    appendRow(table, {1.0});
    ChangeLog log;
    table.addObserver(&log);
    struct Case {
        const char* name;
        std::function<void(MeasurementTable&)> act;
        Kind kind;
        int row;
        int to;
    } cases[] = {
        {"append", [](MeasurementTable& t) { t.append(); }, Kind::RowInserted, 1, -1},
        {"store into the new row",
         [](MeasurementTable& t) { t.setNumber(column(t, "Zona1"), 2.0); }, Kind::RowChanged, 1,
         -1},
        {"post at the end", [](MeasurementTable& t) { t.post(); }, Kind::RowChanged, 1, -1},
        {"scroll", [](MeasurementTable& t) { t.first(); }, Kind::CurrentChanged, -1, -1},
        {"edit", [](MeasurementTable& t) { t.edit(); }, Kind::CurrentChanged, -1, -1},
        {"new key", [](MeasurementTable& t) { t.setNumber(column(t, "Chave"), 9); },
         Kind::RowChanged, 0, -1},
        {"post a moved row", [](MeasurementTable& t) { t.post(); }, Kind::RowMoved, 0, 1},
        {"append again", [](MeasurementTable& t) { t.append(); }, Kind::RowInserted, 2, -1},
        {"cancel", [](MeasurementTable& t) { t.cancel(); }, Kind::RowRemoved, 2, -1},
        {"clear", [](MeasurementTable& t) { t.clear(); }, Kind::Reset, -1, -1},
    };
    for (const Case& c : cases) {
        log.changes.clear();
        c.act(table);
        ASSERT_EQ(log.changes.size(), 1u) << c.name;
        EXPECT_EQ(log.changes[0].kind, c.kind) << c.name;
        EXPECT_EQ(log.changes[0].row, c.row) << c.name;
        EXPECT_EQ(log.changes[0].to, c.to) << c.name;
    }
    table.removeObserver(&log);
    log.changes.clear();
    table.append();
    EXPECT_TRUE(log.changes.empty());
}

TEST(MeasurementTable, ShownRowsIncludeTheRowBeingInserted) {
    MeasurementTable table = makeTable(1);
    appendRow(table, {1.0});
    table.append();
    table.setNumber(column(table, "Zona1"), 7.0);
    EXPECT_EQ(table.displayRowCount(), 2);
    EXPECT_EQ(table.currentRow(), 1);
    EXPECT_EQ(table.numberAt(1, TableSchema::zoneColumn(0)), 7.0);
    EXPECT_EQ(table.numberAt(0, TableSchema::zoneColumn(0)), 1.0);
}

TEST(MeasurementTable, RefusesWhatItCannotDo) {
    MeasurementTable table = makeTable(2);
    appendRow(table, {1.0, 2.0});
    EXPECT_THROW(table.setNumber(column(table, "Zona1"), 1.0), TableError)
        << "store while browsing";
    EXPECT_THROW(table.reading(3), MissingColumnError);
    EXPECT_THROW(table.number(column(table, "Medidas")), TableError);
    EXPECT_THROW(table.number(99), MissingColumnError);
    table.edit();
    EXPECT_THROW(table.setNumber(column(table, "ZonaReferencia"), 40000), TableError);
    EXPECT_THROW(table.setNumber(column(table, "Chave"), 3e9), TableError);
    EXPECT_THROW(table.setNumber(column(table, "Zona1"), std::numeric_limits<double>::infinity()),
                 TableError);
    EXPECT_THROW(table.setNumber(column(table, "Zona1"), std::numeric_limits<double>::quiet_NaN()),
                 TableError);
    EXPECT_THROW(table.rebuild(0), TableError);
    EXPECT_THROW(table.rebuild(1000), TableError);
    EXPECT_EQ(table.schema().zoneCount(), 2);
}

TEST(MeasurementTable, InactiveTableDoesNothing) {
    MeasurementTable table([] { return exampleTime(); });
    RecordingEvents events(table);
    table.append();
    table.edit();
    table.next();
    table.clear();
    EXPECT_EQ(table.state(), State::Inactive);
    EXPECT_TRUE(events.seen.empty());
    EXPECT_THROW(table.savePacket(), TableError);
}

TEST(MeasurementTable, NotesAndDateAreStoredIntoTheCurrentRow) {
    MeasurementTable table = makeTable(1);
    table.append();
    table.setMemo(QString::fromUtf8("céu limpo\nsem vento"));
    const LocalDateTime midnight = *LocalDateTime::make(2024, 3, 31);
    table.setDateTime(midnight);
    table.post();
    EXPECT_EQ(table.memo(), QString::fromUtf8("céu limpo\nsem vento"));
    EXPECT_EQ(table.versions().versions()[0].record.observacoes, "c\xE9u limpo\r\nsem vento");
    EXPECT_EQ(table.dateTime(), midnight);
}

}  // namespace
}  // namespace zelvaro
