#include "ui/grid/reading_delegate.h"

#include <QLineEdit>

namespace zelvaro {

void ReadingDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                   const QModelIndex& index) const {
    const auto* line = qobject_cast<const QLineEdit*>(editor);
    if (line && !line->isModified()) return;
    QStyledItemDelegate::setModelData(editor, model, index);
}

}  // namespace zelvaro
