#pragma once

#include <QTableView>

#include "ui/variables/reduction_table_model.h"

namespace zelvaro {

class Mirror;

// ListView1: the table of variables as a report, one quantity a row and one zone a column,
// whole rows selected one at a time. It takes no part in the tab order. Every rebuild of the
// columns gives them their widths again and keeps the selected row.
class ReductionTableView : public QTableView {
    Q_OBJECT

  public:
    explicit ReductionTableView(const Mirror& mirror, QWidget* parent = nullptr);

    ReductionTableModel& tableModel() { return *model_; }

    // The zone count changed: new columns, every cell empty.
    void rebuildColumns() { model_->rebuildColumns(); }
    // A reduction filled the cells, or the separators changed.
    void refreshCells() { model_->refreshCells(); }

    // The selected row counted from 0, -1 when none is.
    int selectedRow() const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void applyColumnWidths();
    void fitRowHeight();

    ReductionTableModel* model_;
    int rowBeforeReset_ = -1;
};

}  // namespace zelvaro
