#include "ui/grid/measurement_grid.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QtTest>
#include <optional>

#include "grid_fixture.h"

namespace zelvaro {
namespace {

using State = MeasurementTable::State;

constexpr int kZones = 3;

// Types into whatever has the focus, key by key, as the user would.
void type(const QString& text) {
    for (const QChar c : text) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

QModelIndex cell(MeasurementGrid& grid, int row, int column) {
    return grid.model()->index(row, column);
}

QTableView* fixedColumn(MeasurementGrid& grid) {
    return grid.findChild<QTableView*>(QStringLiteral("fixedColumn"));
}

}  // namespace

class MeasurementGridTest : public QObject {
    Q_OBJECT

  private slots:
    void typedReadingsAreStoredAndShown_data();
    void typedReadingsAreStoredAndShown();
    void finishEditingStoresWhatIsTyped();
    void typingInBrowseStateDoesNothing_data();
    void typingInBrowseStateDoesNothing();
    void newRowWhenTheFocusLeaves_data();
    void newRowWhenTheFocusLeaves();
    void keysWhileARowIsTyped_data();
    void keysWhileARowIsTyped();
    void ctrlDeleteRemovesNothing_data();
    void ctrlDeleteRemovesNothing();
    void invalidTextIsReported();
    void currentRowFollowsBothWays();
    void tabGoesCellByCellPastMedidas_data();
    void tabGoesCellByCellPastMedidas();
    void medidasStaysInViewWhenScrolled();
    void popupMenuHoldsTheActions();
    void manyZonesShow();
};

void MeasurementGridTest::typedReadingsAreStoredAndShown_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("decimal comma") << "1,5" << 1.5 << "1,5";
    QTest::newRow("negative") << "-0,25" << -0.25 << "-0,25";
    QTest::newRow("exponent") << "1e3" << 1000.0 << "1000";
    QTest::newRow("typed over") << "7\b8" << 8.0 << "8";
}

void MeasurementGridTest::typedReadingsAreStoredAndShown() {
    QFETCH(QString, typed);
    QFETCH(double, stored);
    QFETCH(QString, shown);
    GridWindow w(kZones);
    QVERIFY(w.showFocused());
    w.table().append();
    w.grid->moveToFirstReadingColumn();
    type(typed);
    press(Qt::Key_Tab);
    QCOMPARE(w.table().numberAt(0, TableSchema::zoneColumn(0)), std::optional<double>(stored));
    QCOMPARE(w.text(0, MeasurementModel::FirstZone), shown);
    // Typing goes on in the next cell.
    QCOMPARE(w.grid->currentIndex(), cell(*w.grid, 0, MeasurementModel::FirstZone + 1));
    type(QStringLiteral("2"));
    press(Qt::Key_Tab);
    QCOMPARE(w.text(0, MeasurementModel::FirstZone + 1), QStringLiteral("2"));
    QCOMPARE(w.table().state(), State::Insert);
    QVERIFY(w.dialogs.reports.isEmpty());
}

// A command that posts the row (here "Próximo Registro" from a menu that took no focus) first
// takes what is being typed.
void MeasurementGridTest::finishEditingStoresWhatIsTyped() {
    GridWindow w(kZones);
    w.addRows(2);
    QVERIFY(w.showFocused());
    w.table().first();
    w.table().edit();
    type(QStringLiteral("6"));
    QVERIFY(w.grid->indexWidget(w.grid->currentIndex()));
    w.grid->finishEditing();
    QVERIFY(!w.grid->indexWidget(w.grid->currentIndex()));
    w.table().next();
    QCOMPARE(w.table().currentRow(), 1);
    QCOMPARE(w.text(0, MeasurementModel::FirstZone), QStringLiteral("6"));
}

void MeasurementGridTest::typingInBrowseStateDoesNothing_data() {
    QTest::addColumn<QTestEventList>("keys");
    QTestEventList digit;
    digit.addKeyClick('0');
    QTest::newRow("a digit that starts a reading shown above") << digit;
    QTestEventList letters;
    letters.addKeyClicks(QStringLiteral("abc"));
    QTest::newRow("letters") << letters;
    QTestEventList insert;
    insert.addKeyClick(Qt::Key_Insert);
    QTest::newRow("Insert") << insert;
    QTestEventList f2;
    f2.addKeyClick(Qt::Key_F2);
    f2.addKeyClick('5');
    QTest::newRow("F2 and a digit") << f2;
}

void MeasurementGridTest::typingInBrowseStateDoesNothing() {
    QFETCH(QTestEventList, keys);
    GridWindow w(kZones);
    w.addRows(2);
    QVERIFY(w.showFocused());
    const QModelIndex start = cell(*w.grid, 1, MeasurementModel::FirstZone);
    QCOMPARE(w.grid->currentIndex(), start);
    const auto revision = w.table().revision();
    keys.simulate(w.grid);
    QCOMPARE(w.table().state(), State::Browse);
    QCOMPARE(w.table().displayRowCount(), 2);
    QCOMPARE(w.table().revision(), revision);
    QCOMPARE(w.grid->currentIndex(), start);
    QVERIFY(!w.grid->indexWidget(start));
    QCOMPARE(w.text(1, MeasurementModel::FirstZone), QStringLiteral("1"));
}

void MeasurementGridTest::newRowWhenTheFocusLeaves_data() {
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<bool>("toAnotherWindow");
    QTest::addColumn<int>("shownRows");
    QTest::addColumn<std::optional<double>>("reading");
    QTestEventList f2;
    f2.addKeyClick(Qt::Key_F2);
    QTestEventList digit;
    digit.addKeyClick('2');
    QTest::newRow("nothing typed: dropped")
        << QTestEventList() << false << 2 << std::optional<double>();
    QTest::newRow("a cell entered, nothing typed: dropped")
        << f2 << false << 2 << std::optional<double>();
    QTest::newRow("a reading typed: kept") << digit << false << 3 << std::optional<double>(2);
    QTest::newRow("another window: kept")
        << QTestEventList() << true << 3 << std::optional<double>();
}

void MeasurementGridTest::newRowWhenTheFocusLeaves() {
    QFETCH(QTestEventList, keys);
    QFETCH(bool, toAnotherWindow);
    QFETCH(int, shownRows);
    QFETCH(std::optional<double>, reading);
    GridWindow w(kZones);
    w.addRows(2);
    QVERIFY(w.showFocused());
    w.table().append();
    w.grid->moveToFirstReadingColumn();
    keys.simulate(w.grid);
    QLineEdit elsewhere;
    if (toAnotherWindow) {
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    } else {
        w.other->setFocus();
        QVERIFY(w.other->hasFocus());
    }
    QCOMPARE(w.table().displayRowCount(), shownRows);
    QCOMPARE(w.model().rowCount(), shownRows);
    if (shownRows == 3) {
        QCOMPARE(w.table().state(), State::Insert);
        QCOMPARE(w.table().numberAt(2, TableSchema::zoneColumn(0)), reading);
    } else {
        QCOMPARE(w.table().state(), State::Browse);
        QCOMPARE(w.grid->currentIndex().row(), 1);
    }
}

void MeasurementGridTest::keysWhileARowIsTyped_data() {
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("rows");
    QTest::addColumn<State>("state");
    QTest::addColumn<int>("currentRow");
    QTest::newRow("Escape drops the new row")
        << false << int(Qt::Key_Escape) << 2 << State::Browse << 0;
    QTest::newRow("Escape drops a changed new row")
        << true << int(Qt::Key_Escape) << 2 << State::Browse << 0;
    QTest::newRow("Insert posts it and starts another")
        << true << int(Qt::Key_Insert) << 3 << State::Insert << 3;
}

// The new row is appended while the first row is current: dropping it goes back there.
void MeasurementGridTest::keysWhileARowIsTyped() {
    QFETCH(bool, changed);
    QFETCH(int, key);
    QFETCH(int, rows);
    QFETCH(State, state);
    QFETCH(int, currentRow);
    GridWindow w(kZones);
    w.addRows(2);
    QVERIFY(w.showFocused());
    w.table().first();
    w.table().append();
    if (changed) w.table().setNumber(TableSchema::zoneColumn(0), 4);
    press(Qt::Key(key));
    QCOMPARE(w.table().rowCount(), rows);
    QCOMPARE(w.table().state(), state);
    QCOMPARE(w.table().currentRow(), currentRow);
    QCOMPARE(w.model().rowCount(), w.table().displayRowCount());
    QCOMPARE(w.grid->currentIndex().row(), currentRow);
}

void MeasurementGridTest::ctrlDeleteRemovesNothing_data() {
    QTest::addColumn<State>("state");
    QTest::newRow("browse") << State::Browse;
    QTest::newRow("edit") << State::Edit;
    QTest::newRow("insert") << State::Insert;
}

void MeasurementGridTest::ctrlDeleteRemovesNothing() {
    QFETCH(State, state);
    GridWindow w(kZones);
    w.addRows(3);
    QVERIFY(w.showFocused());
    if (state == State::Edit) w.table().edit();
    if (state == State::Insert) w.table().append();
    if (state != State::Browse) w.table().setNumber(TableSchema::zoneColumn(0), 5);
    const auto revision = w.table().revision();
    const int shown = w.table().displayRowCount();
    press(Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(w.table().state(), state);
    QCOMPARE(w.table().displayRowCount(), shown);
    QCOMPARE(w.model().rowCount(), shown);
    QCOMPARE(w.table().revision(), revision);
    QVERIFY(w.dialogs.reports.isEmpty());
}

void MeasurementGridTest::invalidTextIsReported() {
    GridWindow w(kZones);
    QVERIFY(w.showFocused());
    w.table().append();
    w.grid->moveToFirstReadingColumn();
    type(QStringLiteral("abc"));
    press(Qt::Key_Tab);
    QCOMPARE(w.dialogs.reports,
             QStringList({QStringLiteral("'abc' is not a valid floating point value.")}));
    QCOMPARE(w.table().numberAt(0, TableSchema::zoneColumn(0)), std::optional<double>());
    QVERIFY(!w.table().hasPendingChange());
}

void MeasurementGridTest::currentRowFollowsBothWays() {
    GridWindow w(kZones);
    w.addRows(3);
    QVERIFY(w.showFocused());
    MeasurementGrid& grid = *w.grid;
    w.table().moveTo(0);
    QCOMPARE(grid.currentIndex().row(), 0);

    const auto click = [&grid](QAbstractItemView& view, const QModelIndex& index) {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(index).center());
    };
    click(grid, cell(grid, 2, MeasurementModel::FirstZone + 1));
    QCOMPARE(w.table().currentRow(), 2);
    press(Qt::Key_Up);
    QCOMPARE(w.table().currentRow(), 1);

    // A click into Medidas goes to its row and keeps the column.
    click(*fixedColumn(grid), cell(grid, 0, MeasurementModel::Medidas));
    QCOMPARE(w.table().currentRow(), 0);
    QCOMPARE(grid.currentIndex(), cell(grid, 0, MeasurementModel::FirstZone + 1));

    // Going to another row posts what was typed.
    w.table().edit();
    w.table().setNumber(TableSchema::zoneColumn(1), 9);
    press(Qt::Key_Down);
    QCOMPARE(w.table().state(), State::Browse);
    QCOMPARE(w.table().currentRow(), 1);
    QCOMPARE(w.text(0, MeasurementModel::FirstZone + 1), QStringLiteral("9"));

    // A new row left without typing is dropped and the cursor returns to where it was.
    w.table().append();
    QCOMPARE(grid.currentIndex().row(), 3);
    press(Qt::Key_Up);
    QCOMPARE(w.table().displayRowCount(), 3);
    QCOMPARE(w.table().currentRow(), grid.currentIndex().row());
    QVERIFY(w.dialogs.reports.isEmpty());
}

void MeasurementGridTest::tabGoesCellByCellPastMedidas_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<int>("toRow");
    QTest::addColumn<int>("toColumn");
    const QKeyCombination tab(Qt::Key_Tab);
    const QKeyCombination backtab(Qt::ShiftModifier, Qt::Key_Backtab);
    QTest::newRow("Tab to the next reading") << 0 << 1 << tab << 0 << 2;
    QTest::newRow("Tab at the end of a row") << 0 << 3 << tab << 1 << 1;
    QTest::newRow("Tab at the last reading") << 2 << 3 << tab << 2 << 3;
    QTest::newRow("Backtab at Zona1") << 1 << 1 << backtab << 0 << 3;
    QTest::newRow("Backtab at the first reading") << 0 << 1 << backtab << 0 << 1;
    QTest::newRow("Left at Zona1") << 1 << 1 << QKeyCombination(Qt::Key_Left) << 1 << 1;
    QTest::newRow("Home") << 1 << 3 << QKeyCombination(Qt::Key_Home) << 1 << 1;
    QTest::newRow("Ctrl+Home") << 2 << 2 << QKeyCombination(Qt::ControlModifier, Qt::Key_Home) << 0
                               << 1;
}

void MeasurementGridTest::tabGoesCellByCellPastMedidas() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QKeyCombination, key);
    QFETCH(int, toRow);
    QFETCH(int, toColumn);
    GridWindow w(kZones);
    w.addRows(3);
    QVERIFY(w.showFocused());
    w.grid->setCurrentIndex(cell(*w.grid, row, column));
    QCOMPARE(w.table().currentRow(), row);
    QTest::keyClick(w.grid, key.key(), key.keyboardModifiers());
    QCOMPARE(w.grid->currentIndex(), cell(*w.grid, toRow, toColumn));
    QCOMPARE(w.table().currentRow(), toRow);
}

void MeasurementGridTest::medidasStaysInViewWhenScrolled() {
    GridWindow w(40);
    w.addRows(3);
    QVERIFY(w.showFocused());
    MeasurementGrid& grid = *w.grid;
    QTableView& fixed = *fixedColumn(grid);
    grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
    QVERIFY(grid.columnViewportPosition(MeasurementModel::Medidas) < 0);
    QVERIFY(fixed.isVisible());
    QCOMPARE(fixed.geometry().left(), grid.viewport()->geometry().left());
    QCOMPARE(fixed.width(), grid.columnWidth(MeasurementModel::Medidas));
    QCOMPARE(fixed.columnViewportPosition(MeasurementModel::Medidas), 0);
    QCOMPARE(fixed.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Medidas"));

    // Home goes to Zona1, out from under Medidas.
    press(Qt::Key_Home);
    QCOMPARE(grid.currentIndex().column(), int(MeasurementModel::FirstZone));
    QVERIFY(grid.visualRect(grid.currentIndex()).left() >=
            grid.columnWidth(MeasurementModel::Medidas));

    // After a rebuild for more zones only Medidas is in the fixed column still.
    w.table().clear();
    w.project.mirror().setZoneCount(60);
    for (int column = MeasurementModel::FirstZone; column <= 60; ++column)
        QVERIFY(fixed.isColumnHidden(column));
    QVERIFY(!fixed.isColumnHidden(MeasurementModel::Medidas));
    QCOMPARE(fixed.width(), grid.columnWidth(MeasurementModel::Medidas));

    // "&Inserir Registro" from far to the right: the cursor goes to Zona1 of the new row.
    grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
    w.table().append();
    grid.moveToFirstReadingColumn();
    QCOMPARE(grid.currentIndex(), cell(grid, 0, MeasurementModel::FirstZone));
    QVERIFY(grid.visualRect(grid.currentIndex()).left() >=
            grid.columnWidth(MeasurementModel::Medidas));
}

void MeasurementGridTest::popupMenuHoldsTheActions() {
    GridWindow w(kZones);
    QVERIFY(w.showFocused());
    QAction inserir(QStringLiteral("&Inserir Registro"));
    QAction editar(QStringLiteral("&Editar Registro"));
    QAction limpar(QStringLiteral("Limpar Dados"));
    w.grid->setPopupActions({&inserir, &editar, nullptr, &limpar});
    auto* menu = w.grid->findChild<QMenu*>(QStringLiteral("PopupMenu2"));
    QVERIFY(menu);
    const QList<QAction*> actions = menu->actions();
    QCOMPARE(actions.size(), 4);
    QCOMPARE(actions[0], &inserir);
    QCOMPARE(actions[1], &editar);
    QVERIFY(actions[2]->isSeparator());
    QCOMPARE(actions[3], &limpar);

    const QPoint position(5, 5);
    QContextMenuEvent click(QContextMenuEvent::Mouse, position,
                            w.grid->viewport()->mapToGlobal(position));
    QApplication::sendEvent(w.grid->viewport(), &click);
    QTRY_VERIFY(menu->isVisible());
    menu->close();
}

// 999 zones and some hundred rows: the grid shows and scrolls to the far corner, with the
// fixed column holding Medidas only.
void MeasurementGridTest::manyZonesShow() {
    GridWindow w(TableSchema::kMaxZoneCount);
    w.addRows(200);
    QVERIFY(w.showFocused());
    MeasurementGrid& grid = *w.grid;
    grid.grab();
    grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
    grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
    grid.grab();
    QCOMPARE(w.model().columnCount(), TableSchema::kMaxZoneCount + 1);
    QCOMPARE(w.text(199, TableSchema::kMaxZoneCount), QStringLiteral("298,8"));
    QVERIFY(fixedColumn(grid)->isColumnHidden(TableSchema::kMaxZoneCount));
    QCOMPARE(grid.rowAt(grid.viewport()->height() - 1), 199);
}

int runMeasurementGridTests(int argc, char** argv) {
    MeasurementGridTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace zelvaro

#include "measurement_grid_test.moc"
