#include "data/measurement_table.h"

#include <algorithm>
#include <string>

#include "data/memo_text.h"
#include "data/packet_reader.h"
#include "data/packet_writer.h"
#include "data/table_error.h"

namespace zelvaro {

using Kind = TableChange::Kind;

MeasurementTable::MeasurementTable(Clock clock) : clock_(std::move(clock)) {}

void MeasurementTable::addObserver(MeasurementTableObserver* observer) {
    observers_.push_back(observer);
}

void MeasurementTable::removeObserver(MeasurementTableObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void MeasurementTable::rebuild(int zoneCount) {
    const TableSchema schema(zoneCount);
    rows_ = VersionedRows(schema);
    ++revision_;
    state_ = State::Browse;
    current_ = -1;
    buffer_ = RowRecord();
    notify({Kind::Reset});
}

void MeasurementTable::clear() {
    if (state_ == State::Inactive) return;
    rebuild(schema().zoneCount());
}

QByteArray MeasurementTable::savePacket() {
    if (state_ == State::Inactive) throw TableError("a tabela de medidas não está aberta");
    completePending();
    return writePacket(rows_);
}

void MeasurementTable::loadPacket(QByteArrayView packet) {
    std::optional<VersionedRows> loaded = readPacket(packet);
    if (!loaded) return;
    rows_ = std::move(*loaded);
    ++revision_;
    state_ = State::Browse;
    current_ = rowCount() > 0 ? 0 : -1;
    buffer_ = RowRecord();
    notify({Kind::Reset});
}

bool MeasurementTable::hasPendingChange() const {
    if (state_ == State::Insert) return bufferChanged_;
    return state_ == State::Edit && !buffer_.sameBytes(rows_.row(current_));
}

int MeasurementTable::currentRow() const {
    return state_ == State::Insert ? rowCount() : current_;
}

int MeasurementTable::position() const {
    if (state_ == State::Insert) return -1;
    return current_ + 1;
}

void MeasurementTable::first() {
    moveTo(0);
}

void MeasurementTable::last() {
    if (state_ == State::Inactive) return;
    completePending();
    moveWithinRows(rowCount() - 1);
}

void MeasurementTable::prior() {
    if (state_ == State::Inactive) return;
    completePending();
    moveWithinRows(current_ - 1);
}

void MeasurementTable::next() {
    if (state_ == State::Inactive) return;
    completePending();
    moveWithinRows(current_ + 1);
}

void MeasurementTable::moveTo(int row) {
    if (state_ == State::Inactive) return;
    completePending();
    moveWithinRows(row);
}

void MeasurementTable::moveWithinRows(int row) {
    if (rowCount() == 0) return;
    row = std::clamp(row, 0, rowCount() - 1);
    if (row == current_) return;
    current_ = row;
    notify({Kind::CurrentChanged});
}

void MeasurementTable::edit() {
    if (state_ != State::Browse) return;
    if (rowCount() == 0) {
        startInsert();
        return;
    }
    buffer_ = rows_.row(current_);
    state_ = State::Edit;
    notify({Kind::CurrentChanged});
}

void MeasurementTable::append() {
    if (state_ == State::Inactive) return;
    completePending();
    startInsert();
}

void MeasurementTable::startInsert() {
    const TableSchema& columns = schema();
    buffer_ = RowRecord(columns.zoneCount());
    buffer_.chave = rowCount() + 1;
    buffer_.medidas = clock_();
    bufferChanged_ = false;
    currentBeforeInsert_ = current_;
    current_ = -1;
    state_ = State::Insert;
    try {
        const int zone = events_ ? events_->newRowDefaults() : 0;
        buffer_.setNumber(columns, columns.zonaReferenciaColumn(), zone);
    } catch (...) {
        state_ = State::Browse;
        current_ = currentBeforeInsert_;
        throw;
    }
    notify({Kind::RowInserted, rowCount()});
}

void MeasurementTable::post() {
    if (state_ == State::Insert) {
        const int from = rowCount();
        current_ = rows_.insert(std::move(buffer_));
        ++revision_;
        state_ = State::Browse;
        notify(current_ == from ? TableChange{Kind::RowChanged, from}
                                : TableChange{Kind::RowMoved, from, current_});
    } else if (state_ == State::Edit) {
        const int from = current_;
        const std::optional<int> to = rows_.modify(from, std::move(buffer_));
        state_ = State::Browse;
        if (!to) {
            notify({Kind::CurrentChanged});
            return;
        }
        current_ = *to;
        ++revision_;
        notify(*to == from ? TableChange{Kind::RowChanged, from}
                           : TableChange{Kind::RowMoved, from, *to});
    }
}

void MeasurementTable::cancel() {
    if (state_ == State::Insert) {
        state_ = State::Browse;
        current_ = currentBeforeInsert_;
        notify({Kind::RowRemoved, rowCount()});
    } else if (state_ == State::Edit) {
        state_ = State::Browse;
        notify({Kind::RowChanged, current_});
    }
}

void MeasurementTable::completePending() {
    if (state_ == State::Insert && !bufferChanged_)
        cancel();
    else
        post();
}

const RowRecord* MeasurementTable::currentRecord() const {
    if (state_ == State::Edit || state_ == State::Insert) return &buffer_;
    return current_ >= 0 ? &rows_.row(current_) : nullptr;
}

void MeasurementTable::requireNumberColumn(int column) const {
    if (column < 0 || column >= schema().columnCount())
        throw MissingColumnError("não há a coluna " + std::to_string(column));
    const ColumnKind kind = schema().kind(column);
    if (kind == ColumnKind::DateTime || kind == ColumnKind::Memo)
        throw TableError("a coluna não é numérica: " + schema().name(column));
}

std::optional<double> MeasurementTable::number(int column) const {
    requireNumberColumn(column);
    const RowRecord* record = currentRecord();
    if (!record) return std::nullopt;
    return record->number(schema(), column);
}

void MeasurementTable::setNumber(int column, std::optional<double> value) {
    requireNumberColumn(column);
    editBuffer().setNumber(schema(), column, value);
    bufferStored();
}

std::optional<double> MeasurementTable::reading(int zoneNumber) const {
    if (!schema().isZoneColumn(zoneNumber)) {
        throw MissingColumnError("não há a coluna da zona " + std::to_string(zoneNumber));
    }
    return number(TableSchema::zoneColumn(zoneNumber - 1));
}

std::optional<double> MeasurementTable::constantK() const {
    return number(schema().constanteKColumn());
}

std::optional<double> MeasurementTable::parabolaZone() const {
    return number(schema().zonaReferenciaColumn());
}

void MeasurementTable::setConstantK(double k) {
    setNumber(schema().constanteKColumn(), k);
}

void MeasurementTable::setParabolaZone(int zoneIndex) {
    setNumber(schema().zonaReferenciaColumn(), zoneIndex);
}

std::optional<LocalDateTime> MeasurementTable::dateTime() const {
    const RowRecord* record = currentRecord();
    return record ? record->medidas : std::nullopt;
}

void MeasurementTable::setDateTime(std::optional<LocalDateTime> value) {
    editBuffer().medidas = value;
    bufferStored();
}

QString MeasurementTable::memo() const {
    const RowRecord* record = currentRecord();
    return record ? memoText(record->observacoes) : QString();
}

void MeasurementTable::setMemo(const QString& text) {
    editBuffer().observacoes = memoBytes(text);
    bufferStored();
}

RowRecord& MeasurementTable::editBuffer() {
    if (isBrowsing()) throw TableError("nenhum registro em edição ou inserção");
    return buffer_;
}

void MeasurementTable::bufferStored() {
    bufferChanged_ = true;
    notify({Kind::RowChanged, currentRow()});
}

const RowRecord& MeasurementTable::recordAt(int row) const {
    const bool pending = (state_ == State::Insert && row == rowCount()) ||
                         (state_ == State::Edit && row == current_);
    return pending ? buffer_ : rows_.row(row);
}

std::optional<double> MeasurementTable::numberAt(int row, int column) const {
    requireNumberColumn(column);
    return recordAt(row).number(schema(), column);
}

void MeasurementTable::notify(TableChange change) {
    if (events_) events_->measurementDataChanged();
    const std::vector<MeasurementTableObserver*> observers = observers_;
    for (MeasurementTableObserver* observer : observers) observer->tableChanged(change);
}

}  // namespace zelvaro
