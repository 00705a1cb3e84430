#include "ui/variables/reduction_table_view.h"

#include "ui/report_grid_look.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>

namespace zelvaro {

ReductionTableView::ReductionTableView(const Mirror& mirror, QWidget* parent)
    : QTableView(parent), model_(new ReductionTableModel(mirror, this)) {
    setModel(model_);
    SetReportGridLook(*this);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setFocusPolicy(Qt::ClickFocus);
    setHorizontalScrollMode(ScrollPerPixel);
    fitRowHeight();
    applyColumnWidths();
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { rowBeforeReset_ = selectedRow(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        applyColumnWidths();
        if (rowBeforeReset_ >= 0) selectRow(rowBeforeReset_);
    });
}

int ReductionTableView::selectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ReductionTableView::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) fitRowHeight();
}

// A report's rows are one line of text high, so that all 20 rows fit on the page.
void ReductionTableView::fitRowHeight() {
    constexpr int kRowPadding = 4;
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + kRowPadding);
}

// New sections take the header's default size, so the zone columns, which share one width,
// get it from there; only the columns that differ are resized, one by one.
void ReductionTableView::applyColumnWidths() {
    const std::vector<ReductionTableColumn>& columns = model_->columns();
    if (columns.empty()) return;
    horizontalHeader()->setDefaultSectionSize(columns.back().width);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const int column = static_cast<int>(c);
        if (columnWidth(column) != columns[c].width) setColumnWidth(column, columns[c].width);
    }
}

}  // namespace zelvaro
