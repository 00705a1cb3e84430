#include "ui/grid/measurement_model.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>

#include "grid_fixture.h"

namespace zelvaro {
namespace {

using Step = std::function<void(Project&)>;
using State = MeasurementTable::State;

constexpr int kZones = 3;

void appendRun(Project& project, double reading) {
    project.table().append();
    project.table().setNumber(TableSchema::zoneColumn(0), reading);
    project.table().post();
}

}  // namespace

class MeasurementModelTest : public QObject {
    Q_OBJECT

  private slots:
    void staysInStepWithTheTable();
    void showsReadings_data();
    void showsReadings();
    void showsMedidasAndTitles();
    void indicatorFollowsCurrentRowAndState_data();
    void indicatorFollowsCurrentRowAndState();
    void onlyReadingsOfTheRowBeingTypedAreEditable();
    void storesTypedText_data();
    void storesTypedText();
    void refusesTextThatIsNoNumber_data();
    void refusesTextThatIsNoNumber();
    void writesTextsAnewForNewSeparators();
    void announcesRowsAsTheTableMovesThem();
};

// Every kind of change the table tells, checked by Qt's model tester as it is announced, and
// the model's counts equal to the table's once each command is over.
void MeasurementModelTest::staysInStepWithTheTable() {
    GridWindow w(kZones);
    QAbstractItemModelTester tester(&w.model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("espelho.pbl"));
    const struct {
        const char* name;
        Step step;
    } steps[] = {
        {"append", [](Project& p) { p.table().append(); }},
        {"store", [](Project& p) { p.table().setNumber(TableSchema::zoneColumn(1), 2.5); }},
        {"post", [](Project& p) { p.table().post(); }},
        {"append and cancel",
         [](Project& p) {
             p.table().append();
             p.table().cancel();
         }},
        {"more rows",
         [](Project& p) {
             appendRun(p, 1);
             appendRun(p, 2);
         }},
        {"edit", [](Project& p) { p.table().edit(); }},
        {"store while editing",
         [](Project& p) { p.table().setNumber(TableSchema::zoneColumn(0), 7); }},
        {"cancel the edit", [](Project& p) { p.table().cancel(); }},
        {"move", [](Project& p) { p.table().moveTo(0); }},
        {"unchanged new row left",
         [](Project& p) {
             p.table().append();
             p.table().moveTo(1);
         }},
        {"changed new row left",
         [](Project& p) {
             p.table().append();
             p.table().setNumber(TableSchema::zoneColumn(2), 3);
             p.table().moveTo(0);
         }},
        {"save", [&file](Project& p) { p.save(file); }},
        {"clear", [](Project& p) { p.table().clear(); }},
        {"rebuild for more zones", [](Project& p) { p.mirror().setZoneCount(5); }},
        {"load", [&file](Project& p) { p.load(file); }},
        {"reduce", [](Project& p) { p.reduce(); }},
        {"new", [](Project& p) { p.startNew(); }},
    };
    for (const auto& step : steps) {
        step.step(w.project);
        const MeasurementTable& table = w.table();
        QVERIFY2(w.model().rowCount() == table.displayRowCount(), step.name);
        QVERIFY2(w.model().columnCount() == table.schema().zoneCount() + 1, step.name);
    }
}

void MeasurementModelTest::showsReadings_data() {
    QTest::addColumn<std::optional<double>>("reading");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << std::optional<double>() << QString();
    QTest::newRow("zero") << std::optional<double>(0.0) << QStringLiteral("0");
    QTest::newRow("decimal comma") << std::optional<double>(1.5) << QStringLiteral("1,5");
    QTest::newRow("negative") << std::optional<double>(-0.25) << QStringLiteral("-0,25");
    QTest::newRow("15 digits") << std::optional<double>(1.0 / 3) << "0,333333333333333";
    QTest::newRow("small") << std::optional<double>(0.00001) << QStringLiteral("1E-5");
    QTest::newRow("large") << std::optional<double>(1.5e20) << QStringLiteral("1,5E20");
}

void MeasurementModelTest::showsReadings() {
    QFETCH(std::optional<double>, reading);
    QFETCH(QString, text);
    GridWindow w(kZones);
    w.table().append();
    w.table().setNumber(TableSchema::zoneColumn(1), reading);
    QCOMPARE(w.text(0, MeasurementModel::FirstZone + 1), text);
    w.table().post();
    QCOMPARE(w.text(0, MeasurementModel::FirstZone + 1), text);
    QCOMPARE(w.model()
                 .data(w.model().index(0, MeasurementModel::FirstZone + 1), Qt::EditRole)
                 .toString(),
             text);
}

void MeasurementModelTest::showsMedidasAndTitles() {
    GridWindow w(kZones);
    w.addRows(1);
    QCOMPARE(w.text(0, MeasurementModel::Medidas), DateTimeText()(fixedClock()));
    QStringList titles;
    for (int column = 0; column < w.model().columnCount(); ++column)
        titles << w.model().headerData(column, Qt::Horizontal).toString();
    QCOMPARE(titles, QStringList({"Medidas", "Zona1", "Zona2", "Zona3"}));
}

void MeasurementModelTest::indicatorFollowsCurrentRowAndState_data() {
    QTest::addColumn<int>("action");
    QTest::addColumn<QStringList>("indicators");
    QTest::newRow("browse, last row") << 0 << QStringList({"", "\u25B6"});
    QTest::newRow("browse, first row") << 1 << QStringList({"\u25B6", ""});
    QTest::newRow("edit") << 2 << QStringList({"", "I"});
    QTest::newRow("insert") << 3 << QStringList({"", "", "*"});
}

void MeasurementModelTest::indicatorFollowsCurrentRowAndState() {
    QFETCH(int, action);
    QFETCH(QStringList, indicators);
    GridWindow w(kZones);
    w.addRows(2);
    QSignalSpy headerChanges(&w.model(), &QAbstractItemModel::headerDataChanged);
    const Step actions[] = {
        [](Project&) {},
        [](Project& p) { p.table().first(); },
        [](Project& p) { p.table().edit(); },
        [](Project& p) { p.table().append(); },
    };
    actions[action](w.project);
    QStringList shown;
    for (int row = 0; row < w.model().rowCount(); ++row)
        shown << w.model().headerData(row, Qt::Vertical).toString();
    QCOMPARE(shown, indicators);
    if (action != 0) QVERIFY(!headerChanges.isEmpty());
}

void MeasurementModelTest::onlyReadingsOfTheRowBeingTypedAreEditable() {
    GridWindow w(kZones);
    w.addRows(2);
    MeasurementModel& model = w.model();
    const auto editable = [&model](int row, int column) {
        return model.flags(model.index(row, column)).testFlag(Qt::ItemIsEditable);
    };
    QVERIFY(!editable(1, MeasurementModel::FirstZone));
    w.table().edit();
    QVERIFY(editable(1, MeasurementModel::FirstZone));
    QVERIFY(editable(1, kZones));
    QVERIFY(!editable(1, MeasurementModel::Medidas));
    QVERIFY(!editable(0, MeasurementModel::FirstZone));
    w.table().append();
    QVERIFY(editable(2, MeasurementModel::FirstZone));
    QVERIFY(!editable(1, MeasurementModel::FirstZone));
    QVERIFY(!model.setData(model.index(1, MeasurementModel::FirstZone), QStringLiteral("1")));
}

void MeasurementModelTest::storesTypedText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<double>>("stored");
    QTest::newRow("decimal comma") << "1,5" << std::optional<double>(1.5);
    QTest::newRow("blanks around") << " 12,5 " << std::optional<double>(12.5);
    QTest::newRow("exponent") << "1e3" << std::optional<double>(1000);
    QTest::newRow("lone comma") << "," << std::optional<double>(0);
    QTest::newRow("empty text empties the cell") << "" << std::optional<double>();
}

void MeasurementModelTest::storesTypedText() {
    QFETCH(QString, text);
    QFETCH(std::optional<double>, stored);
    GridWindow w(kZones);
    w.table().append();
    w.table().setNumber(TableSchema::zoneColumn(0), 9);
    QSignalSpy invalid(&w.model(), &MeasurementModel::invalidNumber);
    QVERIFY(w.model().setData(w.model().index(0, MeasurementModel::FirstZone), text));
    QCOMPARE(w.table().numberAt(0, TableSchema::zoneColumn(0)), stored);
    QCOMPARE(invalid.count(), 0);
}

void MeasurementModelTest::refusesTextThatIsNoNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "abc";
    QTest::newRow("thousands separator") << "1.234,5";
    QTest::newRow("decimal point") << "1.5";
    QTest::newRow("only a blank") << " ";
    QTest::newRow("beyond a double") << "1e400";
}

void MeasurementModelTest::refusesTextThatIsNoNumber() {
    QFETCH(QString, text);
    GridWindow w(kZones);
    w.table().append();
    w.table().setNumber(TableSchema::zoneColumn(0), 9);
    QSignalSpy invalid(&w.model(), &MeasurementModel::invalidNumber);
    QVERIFY(!w.model().setData(w.model().index(0, MeasurementModel::FirstZone), text));
    QCOMPARE(invalid.count(), 1);
    QCOMPARE(invalid.at(0).at(0).toString(), text);
    QCOMPARE(w.table().numberAt(0, TableSchema::zoneColumn(0)), std::optional<double>(9));
}

void MeasurementModelTest::writesTextsAnewForNewSeparators() {
    GridWindow w(kZones);
    appendRun(w.project, 1.5);
    QCOMPARE(w.text(0, MeasurementModel::FirstZone), QStringLiteral("1,5"));
    QSignalSpy changes(&w.model(), &QAbstractItemModel::dataChanged);
    w.project.mirror().setSeparators(Separators::english());
    w.model().refreshTexts();
    QCOMPARE(changes.count(), 1);
    QCOMPARE(w.text(0, MeasurementModel::FirstZone), QStringLiteral("1.5"));
    w.table().edit();
    QVERIFY(w.model().setData(w.model().index(0, MeasurementModel::FirstZone), "2.5"));
    QCOMPARE(w.table().numberAt(0, TableSchema::zoneColumn(0)), std::optional<double>(2.5));
}

// A posted row that sorts elsewhere than where it was typed is announced as a move; its key
// is set by hand here, the one way a row can sort before others.
void MeasurementModelTest::announcesRowsAsTheTableMovesThem() {
    GridWindow w(kZones);
    QAbstractItemModelTester tester(&w.model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    w.addRows(3);
    QSignalSpy moves(&w.model(), &QAbstractItemModel::rowsMoved);
    w.table().append();
    w.table().setNumber(TableSchema::zoneColumn(0), 42);
    w.table().setNumber(w.table().schema().chaveColumn(), 0);
    w.table().post();
    QCOMPARE(moves.count(), 1);
    QCOMPARE(w.model().rowCount(), 4);
    QCOMPARE(w.text(0, MeasurementModel::FirstZone), QStringLiteral("42"));
    QCOMPARE(w.model().headerData(0, Qt::Vertical).toString(), QStringLiteral("\u25B6"));
}

int runMeasurementModelTests(int argc, char** argv) {
    MeasurementModelTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace zelvaro

#include "measurement_model_test.moc"
