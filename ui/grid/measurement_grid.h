#pragma once

#include <QList>
#include <QTableView>
#include <functional>

class QAction;
class QMenu;

namespace zelvaro {

class MeasurementModel;
class Project;
class UserDialogs;

// RxDBGrid1: the measurement table as a data grid. Medidas is a fixed column, a second view
// laid over the left edge of this one, so it stays in view when the grid scrolls sideways and
// is never entered. The grid's current row and the table's current row follow each other:
// the grid moves the table when the user goes to another row, and follows the table whenever
// its model tells that the table's current row changed.
//
// Cells can be typed into only while the table is editing or inserting a row, and only in
// that row. An unchanged new row is dropped when the focus leaves the grid for another control
// of the window. Rows are never deleted: Ctrl+Delete asks the table, which refuses silently.
class MeasurementGrid : public QTableView {
    Q_OBJECT

  public:
    MeasurementGrid(Project& project, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~MeasurementGrid() override;
    MeasurementGrid(const MeasurementGrid&) = delete;
    MeasurementGrid& operator=(const MeasurementGrid&) = delete;

    MeasurementModel& measurementModel() { return *model_; }

    // PopupMenu2, shown on a right click, with these actions in this order; a null entry is a
    // separator line.
    void setPopupActions(const QList<QAction*>& actions);
    // Puts the cursor on Zona1 of the table's current row (after "&Inserir Registro").
    void moveToFirstReadingColumn();
    // Stores what is being typed into a cell and closes the cell's editor, so that a command
    // that posts the row (reduce, save, move) takes the typed value along.
    void finishEditing();

    // Typing never searches for a row.
    void keyboardSearch(const QString& search) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

  private:
    void buildFixedColumn();
    void layoutColumns();
    void layoutFixedColumn();
    void followTable(int row);
    void setCurrentCell(int row, int column);
    void focusMoved(QWidget* old, QWidget* now);
    bool holds(const QWidget* widget) const;
    void showPopup(QWidget* origin, const QPoint& position);
    void reportInvalidNumber(const QString& text);
    void run(const std::function<void()>& command);

    Project& project_;
    UserDialogs& dialogs_;
    MeasurementModel* model_;
    QTableView* fixedColumn_;
    QMenu* popup_ = nullptr;
};

}  // namespace zelvaro
