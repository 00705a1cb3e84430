#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

#include "data/project.h"
#include "tests/ui/recording_dialogs.h"
#include "ui/model_signals.h"
#include "ui/radii/zone_radius_editor.h"

namespace zelvaro {
namespace {

// How the user leaves the cell being edited, or selects another one.
enum class Move { Down, Tab, Return, ClickValueH3, ClickKeyH4, FocusOtherWidget };

// Counts the times a widget got the focus.
struct FocusInCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) ++count;
        return false;
    }
};

// The editor, at its size in the main window, beside a button, over a project whose changes
// refill it as the main window does: D 200, R 2000, five zones of equal area.
struct Harness {
    Project project{Separators::brazilian()};
    RecordingDialogs dialogs;
    ModelSignals bridge{project};
    QWidget window;
    ZoneRadiusEditor* editor = new ZoneRadiusEditor(project.mirror(), dialogs, &window);
    QAbstractItemModelTester tester{editor->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest};
    QPushButton* other = new QPushButton(QStringLiteral("&Reduzir"), &window);
    FocusInCounter otherEntered;

    Harness() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(editor);
        layout->addWidget(other);
        editor->setFixedSize(246, 150);
        other->installEventFilter(&otherEntered);
        QObject::connect(&bridge, &ModelSignals::changed, editor, [this](const ModelChanges& c) {
            if (c.has(MirrorChange::ZoneRadiusList) || c.has(MirrorChange::ZoneCount) ||
                c.has(MirrorChange::Separators)) {
                editor->refill();
            }
        });
        project.mirror().setD(200);
        project.mirror().setR(2000);
        project.mirror().setZoneCount(5);
    }

    QModelIndex cell(int row, int column) const { return editor->model()->index(row, column); }
    QString text(int row, int column) const { return cell(row, column).data().toString(); }
    double radius(int zone) const { return project.mirror().geometry().Hx.at(zone); }

    void click(int row, int column) {
        QTest::mouseClick(editor->viewport(), Qt::LeftButton, {},
                          editor->visualRect(cell(row, column)).center());
    }

    // Starts typing into the current cell, H1 unless moved.
    void type(const QString& text) {
        editor->setFocus();
        for (const QChar c : text) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }

    QLineEdit* cellEditor() const {
        auto* line = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        return line && line->parentWidget() == editor->viewport() ? line : nullptr;
    }

    void perform(Move move) {
        switch (move) {
            case Move::Down:
                return QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            case Move::Tab:
                return QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            case Move::Return:
                return QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            case Move::ClickValueH3:
                return click(2, ZoneRadiusModel::ValueColumn);
            case Move::ClickKeyH4:
                return click(3, ZoneRadiusModel::KeyColumn);
            case Move::FocusOtherWidget:
                return QTest::mouseClick(other, Qt::LeftButton);
        }
    }
};

}  // namespace

class ZoneRadiusEditorTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { h.reset(); }

    void look();
    void acceptedRadius_data();
    void acceptedRadius();
    void refusedRadius_data();
    void refusedRadius();
    void unchangedTextKeepsTheRadius();
    void selectingChoosesTheParabolaZone_data();
    void selectingChoosesTheParabolaZone();
    void enteringSelectsNoZone();
    void refillsNineHundredNinetyNineZones();

  private:
    std::unique_ptr<Harness> h;
};

void ZoneRadiusEditorTest::init() {
    h = std::make_unique<Harness>();
    h->window.show();
    QVERIFY(QTest::qWaitForWindowActive(&h->window));
}

void ZoneRadiusEditorTest::look() {
    const QAbstractItemModel* model = h->editor->model();
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QString("Raios das Zonas (Hx)"));
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QString("Valores"));
    QCOMPARE(model->rowCount(), 5);
    QCOMPARE(h->text(0, 0), QString("H1"));
    QCOMPARE(h->text(4, 0), QString("H5"));
    QCOMPARE(h->text(0, 1), QString("44,72136"));
    QCOMPARE(h->text(4, 1), QString("100,00000"));
    QCOMPARE(model->flags(h->cell(0, 0)) & (Qt::ItemIsEditable | Qt::ItemIsSelectable),
             Qt::ItemFlags());
    QVERIFY(model->flags(h->cell(0, 1)) & Qt::ItemIsEditable);
    QCOMPARE(h->editor->columnWidth(0), 114);
    QCOMPARE(h->editor->columnWidth(1), 126);
    QVERIFY(h->editor->verticalHeader()->isHidden());
    QVERIFY(h->editor->showGrid());
}

void ZoneRadiusEditorTest::acceptedRadius_data() {
    QTest::addColumn<Move>("move");
    QTest::addColumn<bool>("leaves");
    QTest::newRow("Down") << Move::Down << false;
    QTest::newRow("Tab") << Move::Tab << false;
    QTest::newRow("Return") << Move::Return << false;
    QTest::newRow("click on another value") << Move::ClickValueH3 << false;
    QTest::newRow("click on a key") << Move::ClickKeyH4 << false;
    QTest::newRow("focus to another widget") << Move::FocusOtherWidget << true;
}

void ZoneRadiusEditorTest::acceptedRadius() {
    QFETCH(Move, move);
    QFETCH(bool, leaves);
    const double meanRadius = h->project.mirror().geometry().Hm.at(0);

    h->type("12,3");
    h->perform(move);
    QCOMPARE(h->radius(0), 12.3);
    if (!leaves) {
        // Stored as typed; the geometry waits until the editor is left.
        QCOMPARE(h->text(0, 1), QString("12,3"));
        QCOMPARE(h->project.mirror().geometry().Hm.at(0), meanRadius);
        h->perform(Move::FocusOtherWidget);
    }
    QCOMPARE(QApplication::focusWidget(), h->other);
    QCOMPARE(h->text(0, 1), QString("12,30000"));
    QCOMPARE(h->project.mirror().geometry().Hm.at(0), 6.15);
    QCOMPARE(h->dialogs.messages, QStringList());
}

void ZoneRadiusEditorTest::refusedRadius_data() {
    QTest::addColumn<Move>("move");
    QTest::newRow("Down") << Move::Down;
    QTest::newRow("Tab") << Move::Tab;
    QTest::newRow("Return") << Move::Return;
    QTest::newRow("click on another value") << Move::ClickValueH3;
    QTest::newRow("click on a key") << Move::ClickKeyH4;
    QTest::newRow("focus to another widget") << Move::FocusOtherWidget;
}

void ZoneRadiusEditorTest::refusedRadius() {
    QFETCH(Move, move);
    const double radius = h->radius(0);
    QSignalSpy clicked(h->other, &QPushButton::clicked);

    h->type("abc");
    h->perform(move);
    QCOMPARE(h->dialogs.messages, QStringList{"O valor de H1 é inválido!"});
    QLineEdit* line = h->cellEditor();
    QVERIFY(line);
    QCOMPARE(line->text(), QString("44,72136"));
    QCOMPARE(h->editor->currentIndex(), h->cell(0, 1));
    QCOMPARE(h->radius(0), radius);
    // Neither a zone was selected nor the editor left.
    QCOMPARE(h->project.table().rowCount(), 0);
    QCOMPARE(h->text(0, 1), QString("44,72136"));
    // A button clicked meanwhile was neither entered nor pressed.
    QCOMPARE(h->otherEntered.count, 0);
    QCOMPARE(clicked.count(), 0);
}

void ZoneRadiusEditorTest::unchangedTextKeepsTheRadius() {
    const double radius = h->radius(0);
    h->editor->setFocus();
    QTest::keyClick(h->editor, Qt::Key_F2);
    QVERIFY(h->cellEditor());
    h->perform(Move::Down);
    h->perform(Move::FocusOtherWidget);
    // The text shows five decimals; an unchanged text does not round the radius to them.
    QCOMPARE(h->radius(0), radius);
    QCOMPARE(h->dialogs.messages, QStringList());
}

void ZoneRadiusEditorTest::selectingChoosesTheParabolaZone_data() {
    QTest::addColumn<Move>("move");
    QTest::addColumn<int>("zoneIndex");
    QTest::addColumn<int>("currentRow");
    QTest::newRow("click on the value of H3") << Move::ClickValueH3 << 2 << 2;
    QTest::newRow("Down from H1") << Move::Down << 1 << 1;
    QTest::newRow("click on the key H4") << Move::ClickKeyH4 << 3 << 0;
}

void ZoneRadiusEditorTest::selectingChoosesTheParabolaZone() {
    QFETCH(Move, move);
    QFETCH(int, zoneIndex);
    QFETCH(int, currentRow);

    h->editor->setFocus();
    h->perform(move);
    QCOMPARE(h->project.mirror().parameters().ParabolaZoneIndex, zoneIndex);
    // On the empty table a measurement row was appended to hold the zone.
    QCOMPARE(h->project.table().rowCount(), 1);
    QCOMPARE(h->project.table().parabolaZone(), std::optional<double>(zoneIndex));
    QCOMPARE(h->editor->currentIndex(), h->cell(currentRow, 1));
    for (const QModelIndex& index : h->editor->selectionModel()->selectedIndexes()) {
        QCOMPARE(index.column(), 1);
    }
    QCOMPARE(h->dialogs.errors, QStringList());
}

void ZoneRadiusEditorTest::enteringSelectsNoZone() {
    h->other->setFocus();
    QTest::keyClick(h->other, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), h->editor);
    QCOMPARE(h->project.table().rowCount(), 0);
}

void ZoneRadiusEditorTest::refillsNineHundredNinetyNineZones() {
    h->project.mirror().setZoneCount(999);
    const std::vector<ZoneRadiusEntry> entries = h->project.mirror().zoneRadiusList();
    QCOMPARE(h->editor->model()->rowCount(), 999);
    for (int row = 0; row < 999; ++row) {
        QCOMPARE(h->text(row, 0), QString::fromStdString(entries[row].key));
        QCOMPARE(h->text(row, 1), QString::fromStdString(entries[row].value));
    }
    QCOMPARE(h->text(998, 0), QString("H999"));
    QCOMPARE(h->editor->columnWidth(1), 126);
    // With a vertical scroll bar the values no longer fit; moving down keeps the keys shown.
    h->editor->setFocus();
    h->perform(Move::Down);
    QCOMPARE(h->editor->currentIndex(), h->cell(1, 1));
    QCOMPARE(h->editor->horizontalScrollBar()->value(), 0);
}

}  // namespace zelvaro

QTEST_MAIN(zelvaro::ZoneRadiusEditorTest)
#include "zone_radius_editor_test.moc"
