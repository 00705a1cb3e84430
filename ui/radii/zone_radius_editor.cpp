#include "ui/radii/zone_radius_editor.h"

#include "ui/report_grid_look.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimer>

#include "core/mirror.h"
#include "ui/error_report.h"
#include "ui/user_dialogs.h"

namespace zelvaro {

namespace {

constexpr int kKeyColumnWidth = 114;
constexpr int kValueColumnWidth = 126;

// Keys are not enabled items (see ZoneRadiusModel::flags) but read as plain labels.
class ZoneRadiusDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() == ZoneRadiusModel::KeyColumn) option->state |= QStyle::State_Enabled;
    }
};

// Eats the mouse press whose focus change was just refused, so that the widget clicked (a
// button, say) does not act on it. The press follows at once; if none comes, the filter goes
// at the next turn of the event loop.
class RefusedPressFilter : public QObject {
  public:
    explicit RefusedPressFilter(QObject* parent) : QObject(parent) {
        qApp->installEventFilter(this);
        QTimer::singleShot(0, this, &QObject::deleteLater);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) return false;
        qApp->removeEventFilter(this);
        return true;
    }
};

}  // namespace

ZoneRadiusEditor::ZoneRadiusEditor(Mirror& mirror, UserDialogs& dialogs, QWidget* parent)
    : QTableView(parent),
      mirror_(mirror),
      dialogs_(dialogs),
      model_(new ZoneRadiusModel(mirror, this)) {
    setItemDelegate(new ZoneRadiusDelegate(this));
    setModel(model_);
    SetReportGridLook(*this);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setColumnWidth(ZoneRadiusModel::KeyColumn, kKeyColumnWidth);
    setColumnWidth(ZoneRadiusModel::ValueColumn, kValueColumnWidth);
    refill();
}

void ZoneRadiusEditor::refill() {
    const int row = currentIndex().row();
    if (editor_) closeEditor(editor_, QAbstractItemDelegate::RevertModelCache);
    model_->refill();
    const int rows = model_->rowCount();
    if (rows == 0) return;
    const QScopedValueRollback<bool> quiet(programmaticMove_, true);
    setCurrentIndex(model_->index(row >= 0 && row < rows ? row : 0, ZoneRadiusModel::ValueColumn));
}

bool ZoneRadiusEditor::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (!QTableView::edit(index, trigger, event)) return false;
    auto* line = qobject_cast<QLineEdit*>(indexWidget(index));
    if (line && line != editor_) {
        // The delegate's own filter would store the text on Tab, Enter or a focus change
        // before it could be validated; this editor's events are judged here instead.
        line->removeEventFilter(itemDelegateForIndex(index));
        line->installEventFilter(this);
        editor_ = line;
        editedIndex_ = index;
    }
    return true;
}

void ZoneRadiusEditor::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Forgotten first: closing moves the focus, and EditNextItem opens the next editor.
    if (editor == editor_) {
        editor_ = nullptr;
        editedIndex_ = QPersistentModelIndex();
    }
    QTableView::closeEditor(editor, hint);
}

bool ZoneRadiusEditor::eventFilter(QObject* watched, QEvent* event) {
    if (!editor_ || watched != editor_) return QTableView::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::KeyPress:
            return editorKeyPress(static_cast<QKeyEvent*>(event));
        case QEvent::ShortcutOverride:
            // Escape belongs to the editor, as with every item editor.
            if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) return false;
            event->accept();
            return true;
        case QEvent::FocusOut:
            editorFocusOut(*static_cast<QFocusEvent*>(event));
            return false;
        default:
            return false;
    }
}

bool ZoneRadiusEditor::editorKeyPress(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            closeEditor(editor_, QAbstractItemDelegate::RevertModelCache);
            return true;
        case Qt::Key_Tab:
            if (acceptEdit()) finishEdit(QAbstractItemDelegate::EditNextItem);
            return true;
        case Qt::Key_Backtab:
            if (acceptEdit()) finishEdit(QAbstractItemDelegate::EditPreviousItem);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (acceptEdit()) finishEdit(QAbstractItemDelegate::SubmitModelCache);
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            // Accepted, the key goes on to the view, which moves the current cell.
            return !acceptEdit();
        default:
            return false;
    }
}

void ZoneRadiusEditor::editorFocusOut(const QFocusEvent& event) {
    // A message box, a menu or another window took the focus for a while: nothing is left.
    const Qt::FocusReason reason = event.reason();
    if (refusing_ || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        return;
    }
    QWidget* next = QApplication::focusWidget();
    if (!next) return;
    const bool staysInside = ownsFocusOf(next);
    // A click into the view is judged by mousePressEvent, which knows the cell clicked.
    if (staysInside && reason == Qt::MouseFocusReason) return;
    if (!acceptEdit()) {
        if (reason == Qt::MouseFocusReason) new RefusedPressFilter(this);
        return;
    }
    finishEdit(QAbstractItemDelegate::NoHint);
    if (!staysInside) leave();
}

bool ZoneRadiusEditor::acceptEdit() {
    if (!editor_ || !editedIndex_.isValid()) return true;
    if (model_->setData(editedIndex_, editor_->text())) return true;
    refuse(editor_);
    return false;
}

void ZoneRadiusEditor::refuse(QLineEdit* line) {
    const QScopedValueRollback<bool> refusing(refusing_, true);
    const QPointer<QLineEdit> guard(line);
    const QString key =
        model_->index(editedIndex_.row(), ZoneRadiusModel::KeyColumn).data().toString();
    const QString oldText = editedIndex_.data(Qt::EditRole).toString();
    // The focus comes back before the message, so a widget the user clicked is never entered.
    line->setFocus();
    dialogs_.message(QStringLiteral("O valor de %1 é inválido!").arg(key));
    if (!guard) return;
    line->setText(oldText);
    line->selectAll();
    line->setFocus();
}

void ZoneRadiusEditor::finishEdit(QAbstractItemDelegate::EndEditHint hint) {
    QLineEdit* line = editor_;
    commitData(line);
    closeEditor(line, hint);
}

void ZoneRadiusEditor::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
    QWidget* next = QApplication::focusWidget();
    if (next && !ownsFocusOf(next)) leave();
}

void ZoneRadiusEditor::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (editor_) {
        if (!index.isValid() || index == editedIndex_ || !acceptEdit()) {
            if (editor_) editor_->setFocus();
            return;
        }
        finishEdit(QAbstractItemDelegate::NoHint);
    }
    // A key is never selected itself, but clicking it chooses its zone.
    if (index.isValid() && index.column() == ZoneRadiusModel::KeyColumn) {
        selectZone(index.row());
        return;
    }
    QTableView::mousePressEvent(event);
}

void ZoneRadiusEditor::scrollTo(const QModelIndex& index, ScrollHint hint) {
    // Only rows scroll: without a horizontal scroll bar the keys must stay in sight.
    const int x = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    horizontalScrollBar()->setValue(x);
}

void ZoneRadiusEditor::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (!programmaticMove_ && current.isValid()) selectZone(current.row());
}

bool ZoneRadiusEditor::ownsFocusOf(const QWidget* widget) const {
    return widget == this || isAncestorOf(widget);
}

void ZoneRadiusEditor::selectZone(int row) {
    RunReportingErrors(dialogs_, [this, row] { mirror_.selectParabolaZone(row + 1); });
}

void ZoneRadiusEditor::leave() {
    RunReportingErrors(dialogs_, [this] { mirror_.leaveZoneRadiusEditor(); });
}

}  // namespace zelvaro
