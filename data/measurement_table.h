#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "core/measurement_rows.h"
#include "data/local_date_time.h"
#include "data/row_record.h"
#include "data/table_change.h"
#include "data/table_schema.h"
#include "data/versioned_rows.h"

namespace zelvaro {

// The in-memory table of Foucault readings (ClientDataSet1): one row per measuring run, the
// columns of TableSchema, the index idxChave, a current row, the states inactive, browse,
// edit and insert, and the row versions and change log of VersionedRows.
//
// - A new row (append, or edit on an empty table) gets Chave = row count + 1, Medidas = the
//   clock's time and ZonaReferencia = MeasurementEvents::newRowDefaults(). It counts as
//   changed only once a value is stored into it after these defaults.
// - Moving to another row, appending and saving first complete a pending edit or insertion:
//   a changed new row and every edit are posted (an edit that changed nothing adds no
//   version), an unchanged new row is dropped. post() posts a new row even when unchanged.
// - Rows are never deleted one by one: remove() is refused silently. clear() ("Limpar
//   Dados") empties rows and log and keeps the columns; rebuild() replaces the columns.
// - After every scroll, state change, stored value, rebuild, load and clear, with the state
//   already updated, the table calls MeasurementEvents::measurementDataChanged() and then
//   tells each observer what changed in the shown rows.
class MeasurementTable final : public MeasurementRows {
  public:
    enum class State { Inactive, Browse, Edit, Insert };
    using Clock = std::function<LocalDateTime()>;

    // Inactive, without columns, until the first rebuild() or loadPacket().
    explicit MeasurementTable(Clock clock = &LocalDateTime::now);
    MeasurementTable(const MeasurementTable&) = delete;
    MeasurementTable& operator=(const MeasurementTable&) = delete;
    MeasurementTable(MeasurementTable&&) = default;
    MeasurementTable& operator=(MeasurementTable&&) = default;

    // Neither is owned; each must outlive its registration.
    void setEvents(MeasurementEvents* events) { events_ = events; }
    void addObserver(MeasurementTableObserver* observer);
    void removeObserver(MeasurementTableObserver* observer);

    // BuildMeasurementTable: empty, open, for 1 to 999 zones (TableError otherwise).
    void rebuild(int zoneCount) override;
    // "Limpar Dados": all rows and the change log go, the columns stay.
    void clear();
    // The data packet of the table, after completing a pending edit or insertion. Throws
    // TableError while the table is inactive.
    QByteArray savePacket();
    // Replaces columns, rows and log by those of the packet; the first row becomes current.
    // Zero bytes leave the table as it was; a rejected packet throws PacketError and leaves
    // it as it was too.
    void loadPacket(QByteArrayView packet);

    State state() const { return state_; }
    // Grows with every change a save would write: a posted row or edit, a rebuild, a clear, a
    // load.
    std::uint64_t revision() const { return revision_; }
    // True while a row being edited or inserted holds something a save would post.
    bool hasPendingChange() const;
    bool isBrowsing() const override { return state_ != State::Edit && state_ != State::Insert; }
    const TableSchema& schema() const { return rows_.schema(); }
    const VersionedRows& versions() const { return rows_; }

    // Posted rows.
    int rowCount() const override { return rows_.rowCount(); }
    // Rows a grid shows: the posted rows, then the row being inserted.
    int displayRowCount() const { return rowCount() + (state_ == State::Insert ? 1 : 0); }
    // The current row among the shown rows (rowCount() while inserting), -1 when none.
    int currentRow() const;
    // The current row's 1-based place in key order, as "Registro %d/%d" shows it: -1 while a
    // new row is being inserted, 0 on an empty table.
    int position() const;

    void first();
    void prior();
    void next();
    void last();
    // Makes a shown row current, like a click into the grid; positions outside are clamped.
    void moveTo(int row);

    void edit() override;
    // actInserir: a new row with the defaults, after the last row.
    void append();
    void post() override;
    void cancel();
    // Single rows are never deleted: refused silently, nothing changes.
    void remove() {}

    // Values of the current row. Numbers are those of the numeric columns (Zona%d, Chave,
    // ConstanteK, ZonaReferencia); a column outside the table throws MissingColumnError, a
    // column of another kind TableError. Storing needs the edit or insert state (TableError
    // otherwise).
    std::optional<double> number(int column) const;
    void setNumber(int column, std::optional<double> value);
    std::optional<double> reading(int zoneNumber) const override;
    std::optional<double> constantK() const override;
    std::optional<double> parabolaZone() const override;
    void setConstantK(double k) override;
    void setParabolaZone(int zoneIndex) override;
    std::optional<LocalDateTime> dateTime() const;
    void setDateTime(std::optional<LocalDateTime> value);
    QString memo() const;
    void setMemo(const QString& text);

    // Values of a shown row (0 <= row < displayRowCount()), for a grid: the row being edited
    // or inserted shows what has been stored into it so far.
    const RowRecord& recordAt(int row) const;
    std::optional<double> numberAt(int row, int column) const;

  private:
    const RowRecord* currentRecord() const;
    void requireNumberColumn(int column) const;
    RowRecord& editBuffer();
    void startInsert();
    void completePending();
    void moveWithinRows(int row);
    void bufferStored();
    void notify(TableChange change);

    Clock clock_;
    MeasurementEvents* events_ = nullptr;
    std::vector<MeasurementTableObserver*> observers_;
    State state_ = State::Inactive;
    VersionedRows rows_;
    // Position of the current posted row in key order, -1 when none.
    int current_ = -1;
    int currentBeforeInsert_ = -1;
    RowRecord buffer_;
    bool bufferChanged_ = false;
    std::uint64_t revision_ = 0;
};

}  // namespace zelvaro
