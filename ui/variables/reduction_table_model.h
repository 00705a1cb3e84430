#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "core/reduction_table.h"

namespace zelvaro {

class Mirror;

// The table of variables (ListView1) over the mirror: 20 rows, column 0 the row's caption and
// column z the text of zone z. The model keeps its own copy of the columns and cells and
// changes it only when told, announcing each change, so views never see the mirror's table
// half-way through a rebuild.
class ReductionTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit ReductionTableModel(const Mirror& mirror, QObject* parent = nullptr);

    // The zone count changed: the columns are read anew, every cell is empty.
    void rebuildColumns();
    // A reduction filled the cells, or the separators changed: the cells are read anew.
    void refreshCells();

    const std::vector<ReductionTableColumn>& columns() const { return columns_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    int zoneCount() const;
    void readCells();
    const QString& cell(int row, int zone) const;

    const Mirror& mirror_;
    std::vector<ReductionTableColumn> columns_;
    // Row by row, one text per zone.
    std::vector<QString> cells_;
};

}  // namespace zelvaro
