#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <vector>

#include "data/project.h"
#include "data/table_schema.h"
#include "tests/fixtures/worked_example.h"
#include "ui/model_signals.h"
#include "ui/variables/reduction_table_view.h"
#include "ui/variables/variables_help_topic.h"

namespace zelvaro {
namespace {

// The view over a project whose changes reach it as they reach the main window's, with the
// model checked by QAbstractItemModelTester throughout.
struct Harness {
    Project project{Separators::brazilian()};
    ModelSignals bridge{project};
    ReductionTableView view{project.mirror()};
    QAbstractItemModelTester tester{&view.tableModel(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest};

    Harness() {
        QObject::connect(&bridge, &ModelSignals::changed, &view, [this](const ModelChanges& c) {
            if (c.has(MirrorChange::ReductionTableColumns)) view.rebuildColumns();
            if (c.has(MirrorChange::ReductionTableCells) || c.has(MirrorChange::Separators)) {
                view.refreshCells();
            }
        });
        view.resize(800, 500);
    }

    const QAbstractItemModel& model() const { return *view.model(); }
    QString text(int row, int column) const { return model().index(row, column).data().toString(); }
    QString header(int column) const {
        return model().headerData(column, Qt::Horizontal).toString();
    }

    void reduceWorkedExample() { fixtures::ReduceWorkedExample(project); }

    // Every cell shows the mirror's text of its row and zone.
    void expectMirrorTexts() const {
        const ReductionTableCells& cells = project.mirror().reductionTableCells();
        QCOMPARE(model().columnCount(), static_cast<int>(cells.at(0).size()) + 1);
        for (int row = 0; row < kReductionTableRowCount; ++row) {
            for (std::size_t zone = 0; zone < cells[row].size(); ++zone) {
                QCOMPARE(text(row, static_cast<int>(zone) + 1),
                         QString::fromStdString(cells[row][zone]));
            }
        }
    }

    void expectEmptyCells() const {
        for (int row = 0; row < kReductionTableRowCount; ++row) {
            for (int column = 1; column < model().columnCount(); ++column) {
                QCOMPARE(text(row, column), QString());
            }
        }
    }

    void clickRow(int row) {
        const QModelIndex cell = model().index(row, 0);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(cell).center());
    }
};

}  // namespace

class ReductionTableTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { h = std::make_unique<Harness>(); }
    void cleanup() { h.reset(); }

    void oneZone();
    void captions();
    void workedExample();
    void separatorsRewriteTheCells();
    void zoneCountEmptiesTheCellsAndKeepsTheSelectedRow();
    void nineHundredNinetyNineColumns();
    void selectingARow();
    void helpTopic_data();
    void helpTopic();

  private:
    std::unique_ptr<Harness> h;
};

void ReductionTableTest::oneZone() {
    QCOMPARE(h->model().rowCount(), 20);
    QCOMPARE(h->model().columnCount(), 2);
    QCOMPARE(h->header(0), QString("Variáveis"));
    QCOMPARE(h->header(1), QString("Zona 01"));
    QCOMPARE(h->view.columnWidth(0), 190);
    QCOMPARE(h->view.columnWidth(1), 100);
    h->expectEmptyCells();
    QCOMPARE(h->view.selectedRow(), -1);
}

void ReductionTableTest::captions() {
    const char* const captions[] = {"MEDIDAS",
                                    "Hx",
                                    "Hm",
                                    "Aberração Longitudinal Ideal (Ac)",
                                    "",
                                    "REDUÇÃO DAS MEDIDAS",
                                    "Residual (Ac - Medidas)",
                                    "Redução (Residual - Zona Referência)",
                                    "Redução Ajustada",
                                    "Tolerancia",
                                    "Aberração Transversal (TAf)",
                                    "TAf / p",
                                    "",
                                    "FRENTE DE ONDA",
                                    "Erro na Inclinação (u)",
                                    "Frente de Onda",
                                    "",
                                    "PARÁBOLA DE REFERÊNCIA",
                                    "Frente de Onda da Parábola",
                                    "PVT"};
    for (int row = 0; row < 20; ++row) QCOMPARE(h->text(row, 0), QString(captions[row]));
}

void ReductionTableTest::workedExample() {
    h->reduceWorkedExample();
    QCOMPARE(h->model().columnCount(), 6);
    const char* const headers[] = {"Variáveis", "Zona 01", "Zona 02",
                                   "Zona 03",   "Zona 04", "Zona 05"};
    for (int column = 0; column < 6; ++column)
        QCOMPARE(h->header(column), QString(headers[column]));
    h->expectMirrorTexts();
    QCOMPARE(h->text(0, 2), QString("1,4400"));
    QCOMPARE(h->text(1, 1), QString("44,7214"));
    QCOMPARE(h->text(5, 3), QString());
    const QModelIndex zoneCell = h->model().index(1, 1);
    QCOMPARE(zoneCell.data(Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask,
             int(Qt::AlignRight));
    QCOMPARE(h->model().index(1, 0).data(Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask,
             int(Qt::AlignLeft));
}

void ReductionTableTest::separatorsRewriteTheCells() {
    h->reduceWorkedExample();
    QSignalSpy changed(&h->view.tableModel(), &QAbstractItemModel::dataChanged);
    h->project.mirror().setSeparators(Separators::english());
    h->expectMirrorTexts();
    QCOMPARE(h->text(1, 1), QString("44.7214"));
    // Views are told that every zone cell changed.
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0][0].toModelIndex(), h->model().index(0, 1));
    QCOMPARE(changed[0][1].toModelIndex(), h->model().index(19, 5));
}

void ReductionTableTest::zoneCountEmptiesTheCellsAndKeepsTheSelectedRow() {
    h->reduceWorkedExample();
    h->view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&h->view));
    h->clickRow(7);
    // Widths the user gave the old columns do not stay.
    h->view.setColumnWidth(0, 50);
    h->view.setColumnWidth(3, 150);
    h->project.mirror().setZoneCount(3);
    QCOMPARE(h->model().columnCount(), 4);
    QCOMPARE(h->header(3), QString("Zona 03"));
    h->expectEmptyCells();
    QCOMPARE(h->view.selectedRow(), 7);
    QCOMPARE(h->view.columnWidth(0), 190);
    QCOMPARE(h->view.columnWidth(3), 100);
}

void ReductionTableTest::nineHundredNinetyNineColumns() {
    h->view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&h->view));
    h->project.mirror().setZoneCount(999);
    QCOMPARE(h->model().columnCount(), 1000);
    QCOMPARE(h->header(9), QString("Zona 09"));
    QCOMPARE(h->header(100), QString("Zona 100"));
    QCOMPARE(h->header(999), QString("Zona 999"));
    QCOMPARE(h->view.columnWidth(0), 190);
    for (int column = 1; column < 1000; ++column) QCOMPARE(h->view.columnWidth(column), 100);
    h->expectEmptyCells();
}

void ReductionTableTest::selectingARow() {
    h->view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&h->view));
    h->clickRow(9);
    QCOMPARE(h->view.selectedRow(), 9);
    // The whole row, caption and zones, is selected.
    QVERIFY(h->view.selectionModel()->isRowSelected(9, QModelIndex()));
    h->clickRow(19);
    QCOMPARE(h->view.selectedRow(), 19);
}

void ReductionTableTest::helpTopic_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("topic");
    const struct {
        const char* name;
        int row;
        int topic;
    } cases[] = {
        {"no row selected", -1, 13},
        {"MEDIDAS", 0, 13},
        {"Hx", 1, 1},
        {"Hm", 2, 29},
        {"Ac", 3, 2},
        {"first blank row", 4, 13},
        {"REDUÇÃO DAS MEDIDAS", 5, 13},
        {"Residual", 6, 14},
        {"Redução", 7, 15},
        {"Redução Ajustada", 8, 16},
        {"Tolerancia", 9, 17},
        {"TAf", 10, 18},
        {"TAf / p", 11, 19},
        {"second blank row", 12, 13},
        {"FRENTE DE ONDA", 13, 13},
        {"Erro na Inclinação", 14, 20},
        {"Frente de Onda", 15, 21},
        {"third blank row", 16, 13},
        {"PARÁBOLA DE REFERÊNCIA", 17, 13},
        {"Frente de Onda da Parábola", 18, 22},
        {"PVT", 19, 23},
    };
    for (const auto& c : cases) QTest::newRow(c.name) << c.row << c.topic;
}

void ReductionTableTest::helpTopic() {
    QFETCH(int, row);
    QFETCH(int, topic);
    QCOMPARE(VariablesHelpTopic(row), topic);
}

}  // namespace zelvaro

QTEST_MAIN(zelvaro::ReductionTableTest)
#include "reduction_table_test.moc"
