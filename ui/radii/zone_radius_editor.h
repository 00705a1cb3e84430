#pragma once

#include <QModelIndex>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>

#include "ui/radii/zone_radius_model.h"

class QLineEdit;

namespace zelvaro {

class Mirror;
class UserDialogs;

// ValueListEditor1: the outer radius of every zone, one row per zone.
//
// A value the user typed is validated before the cell may be left: moving to another cell
// (arrows, page keys, Tab, Enter, a click, also on a key) or moving the focus out of the
// editor. A text that is not a number is reported ("O valor de H3 é inválido!"), the cell
// gets its old text back and keeps the focus, and the move does not happen.
//
// Selecting a cell by mouse or keyboard, and clicking a key, makes that row's zone the
// parabola zone (of the mirror and of the current measurement row). When the focus leaves
// the editor the mirror rewrites the radii and recomputes the zone geometry; the window then
// calls refill(). A change of the current cell made by the program selects nothing.
class ZoneRadiusEditor : public QTableView {
    Q_OBJECT

  public:
    ZoneRadiusEditor(Mirror& mirror, UserDialogs& dialogs, QWidget* parent = nullptr);

    // The radius list, the zone count or the separators changed: every row is read again.
    void refill();

    using QTableView::edit;

    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

  protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

  protected slots:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

  private:
    bool editorKeyPress(QKeyEvent* event);
    void editorFocusOut(const QFocusEvent& event);
    // Stores the text of the open editor when it changed; false when it was refused.
    bool acceptEdit();
    void refuse(QLineEdit* line);
    void finishEdit(QAbstractItemDelegate::EndEditHint hint);
    bool ownsFocusOf(const QWidget* widget) const;
    void selectZone(int row);
    void leave();

    Mirror& mirror_;
    UserDialogs& dialogs_;
    ZoneRadiusModel* model_;
    // The editor of the value being typed, and its cell.
    QPointer<QLineEdit> editor_;
    QPersistentModelIndex editedIndex_;
    bool programmaticMove_ = false;
    bool refusing_ = false;
};

}  // namespace zelvaro
