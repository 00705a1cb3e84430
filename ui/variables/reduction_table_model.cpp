#include "ui/variables/reduction_table_model.h"

#include <algorithm>
#include <string_view>

#include "core/mirror.h"

namespace zelvaro {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// As an int, the form item delegates and header views read.
int ColumnAlignment(const ReductionTableColumn& column) {
    return static_cast<int>((column.rightAligned ? Qt::AlignRight : Qt::AlignLeft) |
                            Qt::AlignVCenter);
}

}  // namespace

ReductionTableModel::ReductionTableModel(const Mirror& mirror, QObject* parent)
    : QAbstractTableModel(parent), mirror_(mirror), columns_(mirror.reductionTableColumns()) {
    readCells();
}

void ReductionTableModel::rebuildColumns() {
    beginResetModel();
    columns_ = mirror_.reductionTableColumns();
    readCells();
    endResetModel();
}

void ReductionTableModel::refreshCells() {
    // Cells of another zone count come with other columns.
    if (mirror_.parameters().ZoneCount != zoneCount()) {
        rebuildColumns();
        return;
    }
    readCells();
    if (zoneCount() == 0) return;
    emit dataChanged(index(0, 1), index(kReductionTableRowCount - 1, zoneCount()),
                     {Qt::DisplayRole});
}

int ReductionTableModel::zoneCount() const {
    return columns_.empty() ? 0 : static_cast<int>(columns_.size()) - 1;
}

void ReductionTableModel::readCells() {
    const ReductionTableCells& texts = mirror_.reductionTableCells();
    const int zones = zoneCount();
    cells_.assign(static_cast<std::size_t>(kReductionTableRowCount) * zones, QString());
    const std::size_t rows = std::min<std::size_t>(texts.size(), kReductionTableRowCount);
    for (std::size_t row = 0; row < rows; ++row) {
        const std::size_t cellCount = std::min<std::size_t>(texts[row].size(), zones);
        for (std::size_t zone = 0; zone < cellCount; ++zone) {
            cells_[row * zones + zone] = QString::fromStdString(texts[row][zone]);
        }
    }
}

const QString& ReductionTableModel::cell(int row, int zone) const {
    return cells_[static_cast<std::size_t>(row) * zoneCount() + zone];
}

int ReductionTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kReductionTableRowCount;
}

int ReductionTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ReductionTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
        case Qt::DisplayRole:
            if (index.column() == 0) return FromUtf8(ReductionTableCaption(index.row()));
            return cell(index.row(), index.column() - 1);
        case Qt::TextAlignmentRole:
            return ColumnAlignment(columns_[index.column()]);
        default:
            return {};
    }
}

QVariant ReductionTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(columns_[section].caption);
        case Qt::TextAlignmentRole:
            return ColumnAlignment(columns_[section]);
        default:
            return {};
    }
}

Qt::ItemFlags ReductionTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace zelvaro
