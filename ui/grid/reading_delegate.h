#pragma once

#include <QStyledItemDelegate>

namespace zelvaro {

// The editor of a reading cell. It writes back only a text the user changed, so that a cell
// entered and left without typing stores nothing (and a new row left that way stays
// unchanged, to be dropped).
class ReadingDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

}  // namespace zelvaro
