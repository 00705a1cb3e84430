#pragma once

#include <QHeaderView>
#include <QTableView>

namespace zelvaro {

// The look the window's key/value and report grids share: no row header, column titles that
// are not buttons but can be resized, grid lines, one line per cell.
inline void SetReportGridLook(QTableView& view) {
    view.verticalHeader()->hide();
    view.horizontalHeader()->setSectionsClickable(false);
    view.horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view.setCornerButtonEnabled(false);
    view.setShowGrid(true);
    view.setWordWrap(false);
}

}  // namespace zelvaro
