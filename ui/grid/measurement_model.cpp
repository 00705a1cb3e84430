#include "ui/grid/measurement_model.h"

#include <cmath>
#include <exception>
#include <optional>

#include "core/mirror.h"
#include "data/measurement_table.h"
#include "format/general_form.h"
#include "format/parse_number.h"

namespace zelvaro {

namespace {

using Kind = TableChange::Kind;

// Readings show in the general form with 15 significant digits.
constexpr int kReadingPrecision = 15;

int shownColumns(const MeasurementTable& table) {
    const int zones = table.schema().zoneCount();
    return zones == 0 ? 0 : zones + MeasurementModel::FirstZone;
}

// The number a reading's text stands for; no value when the text is no number a reading
// can hold.
std::optional<double> readingValue(const QString& text, const Separators& separators) {
    const std::optional<long double> parsed = ParseNumber(text.toStdString(), separators);
    if (!parsed) return std::nullopt;
    const double value = static_cast<double>(*parsed);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

MeasurementModel::MeasurementModel(MeasurementTable& table, const Mirror& mirror, QObject* parent)
    : QAbstractTableModel(parent),
      table_(table),
      mirror_(mirror),
      rowCount_(table.displayRowCount()),
      columnCount_(shownColumns(table)),
      indicatorRow_(table.currentRow()) {}

int MeasurementModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rowCount_;
}

int MeasurementModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columnCount_;
}

bool MeasurementModel::holdsCell(const QModelIndex& index) const {
    return index.isValid() && index.model() == this && index.row() < rowCount_ &&
           index.column() < columnCount_ && index.row() < table_.displayRowCount() &&
           index.column() < shownColumns(table_);
}

QVariant MeasurementModel::data(const QModelIndex& index, int role) const {
    if (!holdsCell(index)) return QVariant();
    const bool medidas = index.column() == Medidas;
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            if (medidas) {
                const std::optional<LocalDateTime>& value = table_.recordAt(index.row()).medidas;
                return value ? dateTimeText_(*value) : QString();
            }
            return readingText(index.row(), index.column());
        case Qt::TextAlignmentRole:
            return static_cast<int>(Qt::AlignVCenter | (medidas ? Qt::AlignLeft : Qt::AlignRight));
        default:
            return QVariant();
    }
}

QString MeasurementModel::readingText(int row, int column) const {
    const std::optional<double> value = table_.recordAt(row).reading(column - FirstZone);
    if (!value) return QString();
    return QString::fromStdString(
        FormatGeneral(*value, kReadingPrecision, 0, mirror_.separators()));
}

QVariant MeasurementModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || section < 0) return QVariant();
    if (orientation == Qt::Vertical) return section < rowCount_ ? indicator(section) : QVariant();
    if (section >= columnCount_ || section >= shownColumns(table_)) return QVariant();
    return QString::fromStdString(table_.schema().name(section));
}

QString MeasurementModel::indicator(int row) const {
    if (row != table_.currentRow()) return QString();
    switch (table_.state()) {
        case MeasurementTable::State::Edit:
            return QStringLiteral("I");
        case MeasurementTable::State::Insert:
            return QStringLiteral("*");
        default:
            return QStringLiteral("\u25B6");
    }
}

Qt::ItemFlags MeasurementModel::flags(const QModelIndex& index) const {
    if (!holdsCell(index)) return Qt::NoItemFlags;
    if (index.column() == Medidas) return Qt::ItemIsEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!table_.isBrowsing() && index.row() == table_.currentRow()) flags |= Qt::ItemIsEditable;
    return flags;
}

bool MeasurementModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
    const QString text = value.toString();
    std::optional<double> reading;
    if (!text.isEmpty()) {
        reading = readingValue(text, mirror_.separators());
        if (!reading) {
            emit invalidNumber(text);
            return false;
        }
    }
    // The table tells the stored value back through apply().
    try {
        table_.setNumber(index.column(), reading);
    } catch (const std::exception& error) {
        emit storeFailed(QString::fromUtf8(error.what()));
        return false;
    }
    return true;
}

void MeasurementModel::reset() {
    ++applying_;
    beginResetModel();
    rowCount_ = table_.displayRowCount();
    columnCount_ = shownColumns(table_);
    indicatorRow_ = table_.currentRow();
    endResetModel();
    --applying_;
    emit tableCurrentRowChanged(table_.currentRow());
}

void MeasurementModel::apply(const TableChange& change) {
    if (change.kind == Kind::Reset) {
        reset();
        return;
    }
    ++applying_;
    announce(change);
    updateIndicator();
    --applying_;
    emit tableCurrentRowChanged(table_.currentRow());
}

void MeasurementModel::announce(const TableChange& change) {
    const int row = change.row;
    switch (change.kind) {
        case Kind::RowInserted:
            if (row < 0 || row > rowCount_) return;
            beginInsertRows(QModelIndex(), row, row);
            ++rowCount_;
            endInsertRows();
            return;
        case Kind::RowRemoved:
            if (row < 0 || row >= rowCount_) return;
            beginRemoveRows(QModelIndex(), row, row);
            --rowCount_;
            endRemoveRows();
            return;
        case Kind::RowChanged:
            moveRow(row, row);
            return;
        case Kind::RowMoved:
            moveRow(row, change.to);
            return;
        case Kind::Reset:
        case Kind::CurrentChanged:
            return;
    }
}

void MeasurementModel::moveRow(int from, int to) {
    if (from < 0 || from >= rowCount_ || to < 0 || to >= rowCount_) return;
    if (from != to) {
        // The destination is the row the moved one will stand before.
        beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
        endMoveRows();
    }
    if (columnCount_ > 0) emit dataChanged(index(to, 0), index(to, columnCount_ - 1));
}

void MeasurementModel::updateIndicator() {
    const int current = table_.currentRow();
    if (indicatorRow_ >= 0 && indicatorRow_ < rowCount_ && indicatorRow_ != current)
        emit headerDataChanged(Qt::Vertical, indicatorRow_, indicatorRow_);
    indicatorRow_ = current < rowCount_ ? current : -1;
    if (indicatorRow_ >= 0) emit headerDataChanged(Qt::Vertical, indicatorRow_, indicatorRow_);
}

void MeasurementModel::refreshTexts() {
    dateTimeText_ = DateTimeText(QLocale::system());
    if (rowCount_ == 0 || columnCount_ == 0) return;
    emit dataChanged(index(0, 0), index(rowCount_ - 1, columnCount_ - 1),
                     {Qt::DisplayRole, Qt::EditRole});
}

}  // namespace zelvaro
