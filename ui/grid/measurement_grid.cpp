#include "ui/grid/measurement_grid.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QStyle>

#include "data/project.h"
#include "ui/error_report.h"
#include "ui/grid/measurement_model.h"
#include "ui/grid/reading_delegate.h"
#include "ui/user_dialogs.h"

namespace zelvaro {

namespace {

// Readings get room for ten characters, as a data grid gives a float field.
constexpr int kReadingCharacters = 10;

// A date and time with wide digits, to size Medidas.
LocalDateTime widestDateTime() {
    return *LocalDateTime::make(2000, 12, 28, ((23 * 60 + 58) * 60 + 58) * 1000);
}

}  // namespace

MeasurementGrid::MeasurementGrid(Project& project, UserDialogs& dialogs, QWidget* parent)
    : QTableView(parent),
      project_(project),
      dialogs_(dialogs),
      model_(new MeasurementModel(project.table(), project.mirror(), this)),
      fixedColumn_(new QTableView(this)) {
    setModel(model_);
    setItemDelegate(new ReadingDelegate(this));
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setEditTriggers(AnyKeyPressed | EditKeyPressed | DoubleClicked | SelectedClicked);
    setTabKeyNavigation(true);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    setContextMenuPolicy(Qt::CustomContextMenu);

    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);

    buildFixedColumn();
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { showPopup(viewport(), position); });
    connect(model_, &MeasurementModel::tableCurrentRowChanged, this, &MeasurementGrid::followTable);
    connect(model_, &QAbstractItemModel::modelReset, this, &MeasurementGrid::layoutColumns);
    connect(model_, &MeasurementModel::invalidNumber, this, &MeasurementGrid::reportInvalidNumber);
    connect(model_, &MeasurementModel::storeFailed, this,
            [this](const QString& message) { dialogs_.reportError(ErrorReportText(message)); });
    connect(qApp, &QApplication::focusChanged, this, &MeasurementGrid::focusMoved);
    layoutColumns();
    followTable(project_.table().currentRow());
}

MeasurementGrid::~MeasurementGrid() = default;

void MeasurementGrid::buildFixedColumn() {
    QTableView& fixed = *fixedColumn_;
    fixed.setObjectName(QStringLiteral("fixedColumn"));
    fixed.setModel(model_);
    fixed.setFocusPolicy(Qt::NoFocus);
    fixed.setSelectionMode(NoSelection);
    fixed.setEditTriggers(NoEditTriggers);
    fixed.setFrameShape(QFrame::NoFrame);
    fixed.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fixed.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fixed.setVerticalScrollMode(ScrollPerPixel);
    fixed.setContextMenuPolicy(Qt::CustomContextMenu);
    fixed.verticalHeader()->hide();
    fixed.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fixed.horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fixed.horizontalHeader()->setHighlightSections(false);
    // A fixed column is painted like the grid's titles.
    QPalette colours = fixed.palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Button));
    fixed.setPalette(colours);
    viewport()->stackUnder(&fixed);

    connect(fixed.verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, fixed.verticalScrollBar(),
            &QAbstractSlider::setValue);
    // A click into Medidas goes to that row, in the column the cursor is in.
    connect(&fixed, &QAbstractItemView::pressed, this, [this](const QModelIndex& index) {
        setFocus(Qt::MouseFocusReason);
        setCurrentCell(index.row(),
                       qMax<int>(currentIndex().column(), MeasurementModel::FirstZone));
    });
    connect(&fixed, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { showPopup(fixedColumn_->viewport(), position); });
}

// Column widths and the fixed column's content, again after every rebuild of the columns and
// every change of the font.
void MeasurementGrid::layoutColumns() {
    const QFontMetrics metrics(font());
    // The header's margins, and the cell's own padding and focus frame besides.
    const int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin) +
                       2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 4;
    const auto widthOf = [&metrics, margin](const QString& text) {
        return metrics.horizontalAdvance(text) + margin;
    };
    horizontalHeader()->setDefaultSectionSize(
        widthOf(QString(kReadingCharacters, QLatin1Char('0'))));
    verticalHeader()->setFixedWidth(widthOf(QStringLiteral("\u25B6")));
    const int columns = model_->columnCount();
    if (columns > 0) {
        const int width =
            qMax(widthOf(model_->dateTimeText(widestDateTime())),
                 widthOf(model_->headerData(MeasurementModel::Medidas, Qt::Horizontal).toString()));
        setColumnWidth(MeasurementModel::Medidas, width);
        fixedColumn_->setColumnWidth(MeasurementModel::Medidas, width);
    }
    for (int column = MeasurementModel::FirstZone; column < columns; ++column)
        fixedColumn_->setColumnHidden(column, true);
    layoutFixedColumn();
}

void MeasurementGrid::layoutFixedColumn() {
    const int frame = frameWidth();
    QHeaderView& rows = *fixedColumn_->verticalHeader();
    if (rows.defaultSectionSize() != verticalHeader()->defaultSectionSize())
        rows.setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    fixedColumn_->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    fixedColumn_->setGeometry(verticalHeader()->width() + frame, frame,
                              columnWidth(MeasurementModel::Medidas),
                              viewport()->height() + horizontalHeader()->height());
}

void MeasurementGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) layoutColumns();
}

void MeasurementGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    layoutFixedColumn();
}

void MeasurementGrid::updateGeometries() {
    QTableView::updateGeometries();
    layoutFixedColumn();
}

void MeasurementGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid() || index.column() == MeasurementModel::Medidas) return;
    QTableView::scrollTo(index, hint);
    // A cell under the fixed column is not in view: scroll it out from under it.
    const int hidden = columnWidth(MeasurementModel::Medidas) - visualRect(index).left();
    if (hidden > 0) horizontalScrollBar()->setValue(horizontalScrollBar()->value() - hidden);
}

void MeasurementGrid::keyboardSearch(const QString&) {}

// Tab and Backtab go cell by cell through the readings, row after row; the other moves never
// land on Medidas.
QModelIndex MeasurementGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    if (current.isValid() && (action == MoveNext || action == MovePrevious)) {
        int row = current.row();
        int column = current.column() + (action == MoveNext ? 1 : -1);
        if (column >= model_->columnCount()) {
            column = MeasurementModel::FirstZone;
            ++row;
        } else if (column < MeasurementModel::FirstZone) {
            column = model_->columnCount() - 1;
            --row;
        }
        return model_->index(row, column);
    }
    QModelIndex next = QTableView::moveCursor(action, modifiers);
    if (next.isValid() && next.column() == MeasurementModel::Medidas)
        next = next.siblingAtColumn(MeasurementModel::FirstZone);
    // Staying on a cell scrolled out of view (Home on Zona1) still brings it into view.
    if (next == current) scrollTo(current);
    return next;
}

void MeasurementGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    // Rows moving under the cursor while the model announces a change are no move of the
    // user's, and a cursor put where the table is asks for nothing.
    if (model_->isApplying() || !current.isValid()) return;
    MeasurementTable& table = project_.table();
    const int row = current.row();
    if (row == table.currentRow()) return;
    run([&table, row] { table.moveTo(row); });
    followTable(table.currentRow());
}

void MeasurementGrid::followTable(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.row() == row) return;
    setCurrentCell(row, qMax<int>(current.column(), MeasurementModel::FirstZone));
}

void MeasurementGrid::setCurrentCell(int row, int column) {
    const QModelIndex cell = model_->index(row, column);
    if (cell.isValid())
        selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
}

void MeasurementGrid::moveToFirstReadingColumn() {
    const int row = project_.table().currentRow();
    if (row < 0 || row >= model_->rowCount()) return;
    setCurrentCell(row, MeasurementModel::FirstZone);
    scrollTo(currentIndex());
}

void MeasurementGrid::finishEditing() {
    QWidget* editor = indexWidget(currentIndex());
    if (!editor) return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void MeasurementGrid::keyPressEvent(QKeyEvent* event) {
    MeasurementTable& table = project_.table();
    const bool editing = !table.isBrowsing();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Delete && modifiers == Qt::ControlModifier) {
        run([&table] { table.remove(); });
    } else if (event->key() == Qt::Key_Insert && modifiers == Qt::NoModifier) {
        // A new row only while editing is on; in browse state the key does nothing.
        if (editing) run([&table] { table.append(); });
    } else if (event->key() == Qt::Key_Escape && editing) {
        run([&table] { table.cancel(); });
    } else {
        QTableView::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool MeasurementGrid::holds(const QWidget* widget) const {
    return widget == this || isAncestorOf(widget);
}

// Cancel-on-exit: leaving the grid for another control of the window drops a new row into
// which nothing was stored. An editor's own focus loss has stored its text by now.
void MeasurementGrid::focusMoved(QWidget* old, QWidget* now) {
    if (!old || !now || !holds(old) || holds(now) || now->window() != window()) return;
    MeasurementTable& table = project_.table();
    if (table.state() == MeasurementTable::State::Insert && !table.hasPendingChange())
        run([&table] { table.cancel(); });
}

void MeasurementGrid::setPopupActions(const QList<QAction*>& actions) {
    if (!popup_) {
        popup_ = new QMenu(this);
        popup_->setObjectName(QStringLiteral("PopupMenu2"));
    }
    popup_->clear();
    for (QAction* action : actions) {
        if (action)
            popup_->addAction(action);
        else
            popup_->addSeparator();
    }
}

void MeasurementGrid::showPopup(QWidget* origin, const QPoint& position) {
    if (!popup_ || popup_->isEmpty()) return;
    finishEditing();
    popup_->popup(origin->mapToGlobal(position));
}

void MeasurementGrid::reportInvalidNumber(const QString& text) {
    dialogs_.reportError(
        ErrorReportText(QStringLiteral("'%1' is not a valid floating point value").arg(text)));
}

void MeasurementGrid::run(const std::function<void()>& command) {
    RunReportingErrors(dialogs_, command);
}

}  // namespace zelvaro
