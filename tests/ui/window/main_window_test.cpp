#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>

#include "core/mirror_fields.h"
#include "fake_dialogs.h"
#include "ui/charts/mirror_chart.h"
#include "ui/help/help_viewer.h"
#include "ui/main_window.h"
#include "ui/model_signals.h"
#include "window_fixture.h"

using zelvaro::MirrorField;
using zelvaro::Separators;
using zelvaro::TfrmPrincipal;
using zelvaro::UserDialogs;
using zelvaro::fixtures::FakeDialogs;

using zelvaro::fixtures::typeAtTheFocus;
using Window = zelvaro::fixtures::MainWindowFixture;

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startsWithTheDefaults();
    void fieldsReadTheUsersSeparators_data();
    void fieldsReadTheUsersSeparators();
    void theZoneCountFieldsRules();
    void theZoneCountIsFrozenWhileRowsExist();
    void enterReducesTheWorkedExample();
    void kGoesIntoTheCurrentRow();
    void editingARowThenReducing();
    void chartsFollowTheReduction();
    void aRightClickOnAChartOpensTheChartMenu();
    void aFailedReductionResetsAndSaysSo();
    void theTesterBoxChangesOnlyTheIdealReadings();
    void theTesterIsSavedAndResetLikeTheMirror();
    void statusBarFollowsTheTable();
    void savingAndOpening();
    void aFailedOpenLeavesNothingToOverwrite();
    void aFileNamedFromOutsideOpensAsAbrir();
    void typedDataIsNeverLostWithoutAQuestion_data();
    void typedDataIsNeverLostWithoutAQuestion();
    void novoAfterSavingElsewhereSavesToTheLastFile();
    void ctrlCInAFieldOpensThePrinterSetUp();
    void aLocaleChangeRewritesEveryText();
    void scientificNotation();
    void hintsFollowTheirCheckBox();
    void limparDadosAsksFirst();
    void hugeAndForeignInputNeverBreaksTheModel_data();
    void hugeAndForeignInputNeverBreaksTheModel();
    void menusAndDisabledActions();
    void settingsSurviveARestart();
    void settingsAppliedAtStart();
    void aSettingsFileThatCannotBeWrittenIsReported();
    void aboutWindow();
    void f1ShowsTheFocusedControlsTopic_data();
    void f1ShowsTheFocusedControlsTopic();
    void helpNamesTheFileItCannotFind();
    void screenReaderNamesOfTheFields();
};

void MainWindowTest::startsWithTheDefaults() {
    Window w;
    QCOMPARE(w.frm->windowTitle(), QStringLiteral("Zelvaro"));
    QCOMPARE(QApplication::focusWidget(), w.field("edtD"));
    QCOMPARE(w.field("edtD")->text(), QString());
    QCOMPARE(w.field("edtR")->text(), QStringLiteral("0,00000"));
    QCOMPARE(w.field("edtNumZonas")->text(), QStringLiteral("001"));
    QCOMPARE(w.field("edtLambda")->text(), QStringLiteral("0,00056"));
    QCOMPARE(w.field("edtb")->text(), QStringLiteral("-1,00000"));
    QCOMPARE(w.field("edtK")->text(), QStringLiteral("0,00000"));
    QCOMPARE(w.find<QComboBox>("ComboBox1")->currentText(), QStringLiteral("Zona 1"));
    QCOMPARE(w.cell("ValueListEditor1", 0, 0), QStringLiteral("H1"));
    QCOMPARE(w.cell("ValueListEditor1", 0, 1), QStringLiteral("0,00000"));
    QCOMPARE(w.find<QLabel>("StatusPanel0")->text(), QStringLiteral("Registro 0/0"));
    QCOMPARE(w.find<QLabel>("StatusPanel1")->text(),
             QStringLiteral("Zona da parábola de referência = H1"));
    QCOMPARE(w.find<QTabWidget>("PageControl1")->currentIndex(), 0);
    QVERIFY(w.find<QCheckBox>("CheckBox1")->isChecked());
    QVERIFY(!w.find<QCheckBox>("CheckBox3")->isChecked());
    QVERIFY(!w.find<QToolButton>("ToolButton10")->isEnabled());
    QVERIFY(w.dialogs.shown.isEmpty());
}

void MainWindowTest::fieldsReadTheUsersSeparators_data() {
    QTest::addColumn<bool>("brazilian");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<double>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("pt: a point is the thousands separator") << true << "edtD"
                                                            << "1.5" << 15.0 << "15,00000";
    QTest::newRow("pt: a comma is the decimal separator") << true << "edtD"
                                                          << "1,5" << 1.5 << "1,50000";
    QTest::newRow("en: a point is the decimal separator") << false << "edtD"
                                                          << "1.5" << 1.5 << "1.50000";
    QTest::newRow("pt: thousands") << true << "edtR"
                                   << "2000" << 2000.0 << "2.000,00000";
    QTest::newRow("en: thousands") << false << "edtR"
                                   << "2000" << 2000.0 << "2,000.00000";
    QTest::newRow("pt: wavelength") << true << "edtLambda"
                                    << "0,00063" << 0.00063 << "0,00063";
    QTest::newRow("pt: b negative") << true << "edtb"
                                    << "-1,2" << -1.2 << "-1,20000";
}

void MainWindowTest::fieldsReadTheUsersSeparators() {
    QFETCH(bool, brazilian);
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(double, stored);
    QFETCH(QString, shown);
    Window w;
    if (!brazilian) {
        w.separators = Separators::english();
        QEvent change(QEvent::LocaleChange);
        QApplication::sendEvent(w.frm.get(), &change);
    }
    w.type(field.toLatin1().constData(), keys);
    w.find("ComboBox1")->setFocus();
    const auto& m = w.project().mirror().parameters();
    const long double value = field == "edtD"        ? m.D
                              : field == "edtR"      ? m.R
                              : field == "edtLambda" ? m.Lambda
                                                     : m.b;
    QCOMPARE(static_cast<double>(value), stored);
    QCOMPARE(w.field(field.toLatin1().constData())->text(), shown);
}

void MainWindowTest::theZoneCountFieldsRules() {
    Window w;
    w.type("edtNumZonas", QStringLiteral("-"));
    QCOMPARE(w.field("edtNumZonas")->text(), QStringLiteral("1"));
    w.type("edtNumZonas", QStringLiteral("1000"));
    QCOMPARE(w.project().mirror().parameters().ZoneCount, 999);
    w.leave();
    QCOMPARE(w.field("edtNumZonas")->text(), QStringLiteral("999"));
    QCOMPARE(w.find<QTableView>("ValueListEditor1")->model()->rowCount(), 999);
    QCOMPARE(w.find<QComboBox>("ComboBox1")->count(), 999);
    w.type("edtNumZonas", QStringLiteral("0"));
    QCOMPARE(w.project().mirror().parameters().ZoneCount, 1);
    w.leave();
    QCOMPARE(w.field("edtNumZonas")->text(), QStringLiteral("001"));
}

void MainWindowTest::theZoneCountIsFrozenWhileRowsExist() {
    Window w;
    w.type("edtNumZonas", QStringLiteral("3"));
    w.leave();
    w.action("actInserir")->trigger();
    w.project().table().setNumber(1, 0.5);
    w.project().table().post();
    w.type("edtNumZonas", QStringLiteral("7"));
    QCOMPARE(w.project().mirror().parameters().ZoneCount, 3);
    w.dialogs.yesNo = {true};
    w.action("actLimpaDados")->trigger();
    w.type("edtNumZonas", QStringLiteral("7"));
    QCOMPARE(w.project().mirror().parameters().ZoneCount, 7);
}

void MainWindowTest::enterReducesTheWorkedExample() {
    Window w;
    w.typeWorkedExample();
    QCOMPARE(w.project().table().rowCount(), 1);
    w.field("edtD")->setFocus();
    QTest::keyClick(w.field("edtD"), Qt::Key_Return);
    QVERIFY2(w.dialogs.shown.isEmpty(), qPrintable(w.dialogs.shown.join('\n')));
    QVERIFY(w.project().mirror().isReduced());
    QCOMPARE(w.field("edtRMS")->text(), QStringLiteral("0,00000"));
    QCOMPARE(w.field("edtStrehl")->text(), QStringLiteral("0,99910"));
    QCOMPARE(w.field("Memo2")->text(), QStringLiteral("0,01244λ"));
    QCOMPARE(w.field("Memo3")->text(), QStringLiteral("λ/80,39"));
    QCOMPARE(w.cell("ListView1", 0, 1), QStringLiteral("0,2500"));
    QCOMPARE(w.cell("ListView1", 1, 5), QStringLiteral("100,0000"));
    QCOMPARE(w.cell("ListView1", 15, 5), QStringLiteral("0,000002508"));
    QCOMPARE(w.find<QTableView>("ListView1")->model()->headerData(5, Qt::Horizontal).toString(),
             QStringLiteral("Zona 05"));
}

void MainWindowTest::kGoesIntoTheCurrentRow() {
    Window w;
    w.type("edtK", QStringLiteral("0,25"));
    w.leave();
    QCOMPARE(w.project().table().rowCount(), 1);
    QCOMPARE(w.project().table().constantK(), 0.0);
    w.type("edtK", QStringLiteral("0,25"));
    w.leave();
    QCOMPARE(w.project().table().constantK(), 0.25);
    QCOMPARE(w.field("edtK")->text(), QStringLiteral("0,25000"));
}

void MainWindowTest::editingARowThenReducing() {
    Window w;
    w.typeWorkedExample();
    w.action("actReduzir")->trigger();
    auto* grid = w.find<QTableView>("RxDBGrid1");
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(0, 2));
    typeAtTheFocus(QStringLiteral("9"));
    QCOMPARE(w.project().table().reading(2), 1.44);
    w.action("actEditar")->trigger();
    grid->setFocus();
    typeAtTheFocus(QStringLiteral("1,45"));
    QVERIFY(!w.project().mirror().isReduced());
    w.action("actReduzir")->trigger();
    QCOMPARE(w.project().table().reading(2), 1.45);
    QCOMPARE(w.project().table().rowCount(), 1);
    QCOMPARE(w.cell("ListView1", 0, 2), QStringLiteral("1,4500"));
    QVERIFY(w.project().mirror().isReduced());
}

void MainWindowTest::chartsFollowTheReduction() {
    Window w;
    auto* wavefront = w.find<zelvaro::MirrorChart>("DBChart1");
    auto* aberration = w.find<zelvaro::MirrorChart>("DBChart2");
    QVERIFY(wavefront->seriesData(0).points().empty());
    w.typeWorkedExample();
    w.action("actReduzir")->trigger();
    QCOMPARE(wavefront->seriesData(0).points().size(), std::size_t(6));
    QCOMPARE(aberration->seriesData(0).points().size(), std::size_t(5));
    QCOMPARE(wavefront->bottomLabels().last(), QStringLiteral("100,00"));

    QAction* marks = w.find<QAction>("MostrarMarcas1");
    marks->trigger();
    QVERIFY(!wavefront->marksVisible());
    w.action("actReduzir")->trigger();
    QVERIFY(!wavefront->marksVisible());
    marks->trigger();
    QVERIFY(aberration->marksVisible());

    w.dialogs.yesNo = {true};
    w.action("actLimpaDados")->trigger();
    w.type("edtNumZonas", QStringLiteral("7"));
    QVERIFY(wavefront->seriesData(0).points().empty());
}

void MainWindowTest::aRightClickOnAChartOpensTheChartMenu() {
    Window w;
    auto* menu = w.find<QMenu>("PopupMenu1");
    QTest::mouseClick(w.find("DBChart2"), Qt::RightButton, {}, QPoint(5, 5));
    QTRY_VERIFY(menu->isVisible());
    menu->close();
}

void MainWindowTest::aFailedReductionResetsAndSaysSo() {
    Window w;
    w.typeUnreducibleRow();
    w.action("actReduzir")->trigger();
    QCOMPARE(w.dialogs.shown, QStringList({"Error: Erro durante os cálculos!"}));
    QCOMPARE(w.project().table().rowCount(), 0);
    QCOMPARE(w.field("edtNumZonas")->text(), QStringLiteral("001"));
}

void MainWindowTest::theTesterBoxChangesOnlyTheIdealReadings() {
    Window w;
    w.typeWorkedExample();
    w.action("actReduzir")->trigger();
    auto* box = w.find<QCheckBox>("chkFonteMovel");
    w.find("edtK")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box);
    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.find("ComboBox1"));

    box->click();
    QVERIFY(w.project().mirror().movingSource());
    // With the source moving, a paraboloid's ideal reading is exactly h²/2R.
    const zelvaro::ZoneGeometry& geometry = w.project().mirror().geometry();
    for (std::size_t zone = 0; zone < geometry.Ac.size(); ++zone) {
        const double h = geometry.Hm[zone];
        QVERIFY(std::abs(geometry.Ac[zone] - h * h / 4000) < 1e-12);
    }
    QCOMPARE(w.project().table().rowCount(), 1);
    QCOMPARE(w.cell("RxDBGrid1", 0, 2), QStringLiteral("1,44"));
    QCOMPARE(w.field("edtD")->text(), QStringLiteral("200,00000"));
    QVERIFY(w.project().isModified());
}

void MainWindowTest::theTesterIsSavedAndResetLikeTheMirror() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("movel.pbl"));
    Window w;
    w.typeWorkedExample();
    auto* box = w.find<QCheckBox>("chkFonteMovel");
    box->click();
    w.dialogs.saveNames = {path};
    w.action("actSalvar")->trigger();

    w.action("actNovo")->trigger();
    QVERIFY(!box->isChecked());
    QVERIFY(!w.project().mirror().movingSource());
    w.dialogs.openNames = {path, dir.filePath(QStringLiteral("nao-existe.pbl"))};
    w.action("actAbre")->trigger();
    QVERIFY(box->isChecked());
    w.action("actAbre")->trigger();
    QCOMPARE(w.dialogs.shown.last(), QStringLiteral("Information: Erro ao carregar arquivo"));
    QVERIFY(!box->isChecked());
}

void MainWindowTest::statusBarFollowsTheTable() {
    Window w;
    for (int row = 0; row < 3; ++row) {
        w.action("actInserir")->trigger();
        w.project().table().setNumber(1, row);
        w.project().table().post();
    }
    QCOMPARE(w.find<QLabel>("StatusPanel0")->text(), QStringLiteral("Registro 3/3"));
    w.action("actInserir")->trigger();
    QCOMPARE(w.find<QLabel>("StatusPanel0")->text(), QStringLiteral("Registro -1/3"));
    w.action("actPrimeiro")->trigger();
    QCOMPARE(w.find<QLabel>("StatusPanel0")->text(), QStringLiteral("Registro 1/3"));
    w.project().mirror().selectParabolaZone(1);
    QCOMPARE(w.find<QLabel>("StatusPanel1")->text(),
             QStringLiteral("Zona da parábola de referência = H1"));
}

void MainWindowTest::savingAndOpening() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("espelho.pbl"));
    Window w;
    w.typeWorkedExample();
    w.dialogs.saveNames = {path};
    w.action("actSalvar")->trigger();
    QCOMPARE(w.frm->windowTitle(), QStringLiteral("Zelvaro - espelho.pbl"));

    w.action("actNovo")->trigger();
    QCOMPARE(w.dialogs.shown, QStringList({"Save"}));
    QCOMPARE(w.frm->windowTitle(), QStringLiteral("Zelvaro"));
    QCOMPARE(w.field("edtD")->text(), QString());
    QCOMPARE(QApplication::focusWidget(), w.field("edtD"));

    w.dialogs.openNames = {path};
    w.action("actAbre")->trigger();
    QCOMPARE(w.frm->windowTitle(), QStringLiteral("Zelvaro - [espelho.pbl]"));
    QCOMPARE(w.project().mirror().parameters().ZoneCount, 5);
    QCOMPARE(w.cell("RxDBGrid1", 0, 2), QStringLiteral("1,44"));
    QVERIFY(w.project().mirror().isReduced());
    QCOMPARE(w.field("Memo3")->text(), QStringLiteral("λ/80,39"));
}

void MainWindowTest::aFailedOpenLeavesNothingToOverwrite() {
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("ruim.pbl"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[ARRAY_HX]=\"x\"\r\n[NUMERO_ZONAS]=1\r\n");
    file.close();
    Window w;
    w.dialogs.openNames = {broken, dir.filePath(QStringLiteral("nao-existe.pbl"))};
    w.action("actAbre")->trigger();
    QCOMPARE(w.dialogs.shown.last(), QStringLiteral("Information: Erro ao carregar arquivo"));
    QCOMPARE(w.frm->windowTitle(), QStringLiteral("Zelvaro"));
    w.action("actAbre")->trigger();
    QCOMPARE(w.dialogs.shown.last(), QStringLiteral("Information: Erro ao carregar arquivo"));

    w.dialogs.shown.clear();
    w.action("actNovo")->trigger();
    QVERIFY2(w.dialogs.shown.isEmpty(), "Novo after a failed open is Novo after start");
    QFile again(broken);
    QVERIFY(again.open(QIODevice::ReadOnly));
    QCOMPARE(again.readAll(), QByteArray("[ARRAY_HX]=\"x\"\r\n[NUMERO_ZONAS]=1\r\n"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("nao-existe.pbl"))));
}

void MainWindowTest::aFileNamedFromOutsideOpensAsAbrir() {
    Window w;
    w.frm->openFile(QStringLiteral(ZELVARO_EXAMPLES "/espelho-250mm-f5.pbl"));
    QCOMPARE(w.frm->windowTitle(), QStringLiteral("Zelvaro - [espelho-250mm-f5.pbl]"));
    QCOMPARE(w.project().mirror().parameters().ZoneCount, 8);
    QVERIFY(w.project().mirror().isReduced());
    QVERIFY(w.dialogs.shown.isEmpty());
    w.frm->openFile(QStringLiteral("nao-existe.pbl"));
    QCOMPARE(w.dialogs.shown, QStringList({"Information: Erro ao carregar arquivo"}));
}

void MainWindowTest::typedDataIsNeverLostWithoutAQuestion_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveDialogAnswers");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<bool>("saved");
    using A = UserDialogs::Answer;
    for (const char* command : {"close", "actNovo", "actAbre"}) {
        const QByteArray name(command);
        QTest::newRow(name + ": Cancel") << command << int(A::Cancel) << true << false << false;
        QTest::newRow(name + ": No") << command << int(A::No) << true << true << false;
        QTest::newRow(name + ": Yes, saved") << command << int(A::Yes) << true << true << true;
        QTest::newRow(name + ": Yes, save dialog cancelled")
            << command << int(A::Yes) << false << false << false;
    }
}

void MainWindowTest::typedDataIsNeverLostWithoutAQuestion() {
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(bool, saveDialogAnswers);
    QFETCH(bool, goesOn);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("novo.pbl"));
    Window w;
    w.typeWorkedExample();
    w.dialogs.yesNoCancel = {UserDialogs::Answer(answer)};
    if (saveDialogAnswers) w.dialogs.saveNames = {path};
    if (command == "close") {
        QCOMPARE(w.frm->close(), goesOn);
    } else {
        w.action(command.toLatin1().constData())->trigger();
    }
    QCOMPARE(w.dialogs.shown.value(0), QStringLiteral("Confirm: Deseja salvar?"));
    QCOMPARE(w.dialogs.shown.count(QStringLiteral("Confirm: Deseja salvar?")), 1);
    QCOMPARE(QFile::exists(path), saved);
    if (command == "actNovo") QCOMPARE(w.project().table().rowCount(), goesOn ? 0 : 1);
    if (command == "actAbre") QCOMPARE(w.dialogs.shown.contains("Open"), goesOn);
}

void MainWindowTest::novoAfterSavingElsewhereSavesToTheLastFile() {
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("primeiro.pbl"));
    const QString second = dir.filePath(QStringLiteral("segundo.pbl"));
    Window w;
    w.typeWorkedExample();
    w.dialogs.saveNames = {first, second};
    w.action("actSalvar")->trigger();
    w.dialogs.openNames = {first};
    w.action("actAbre")->trigger();
    w.action("actSalvar")->trigger();
    QCOMPARE(w.dialogs.proposedSaveNames.last(), first);
    w.type("edtb", QStringLiteral("-1,1"));
    const QByteArray firstBytes = [&] {
        QFile f(first);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    w.dialogs.yesNoCancel = {UserDialogs::Answer::Yes};
    w.action("actNovo")->trigger();
    QFile f(first);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), firstBytes);
    QFile s(second);
    QVERIFY(s.open(QIODevice::ReadOnly));
    QVERIFY(s.readAll().contains("[COEFICIENTE_DEFORMACAO]=-1,1"));
}

void MainWindowTest::ctrlCInAFieldOpensThePrinterSetUp() {
    Window w;
    w.type("edtD", QStringLiteral("123"));
    QApplication::clipboard()->setText(QStringLiteral("antes"));
    w.field("edtD")->selectAll();
    QTest::keyClick(w.field("edtD"), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(w.dialogs.shown, QStringList({"Printer"}));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("antes"));
}

void MainWindowTest::aLocaleChangeRewritesEveryText() {
    Window w;
    w.typeWorkedExample();
    w.action("actReduzir")->trigger();
    w.separators = Separators::english();
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(w.frm.get(), &change);
    QCOMPARE(w.field("edtR")->text(), QStringLiteral("2,000.00000"));
    QCOMPARE(w.cell("ValueListEditor1", 4, 1), QStringLiteral("100.00000"));
    QCOMPARE(w.cell("ListView1", 1, 5), QStringLiteral("100.0000"));
    QCOMPARE(w.field("Memo2")->text(), QStringLiteral("0.01244λ"));
    QCOMPARE(w.cell("RxDBGrid1", 0, 2), QStringLiteral("1.44"));
}

void MainWindowTest::scientificNotation() {
    Window w;
    w.find<QCheckBox>("CheckBox3")->click();
    QCOMPARE(w.field("edtNumZonas")->text(), QStringLiteral("1,000E+00"));
    QCOMPARE(w.field("edtLambda")->text(), QStringLiteral("5,600E-04"));
    w.find<QCheckBox>("CheckBox3")->click();
    QCOMPARE(w.field("edtNumZonas")->text(), QStringLiteral("1,00000"));
}

void MainWindowTest::hintsFollowTheirCheckBox() {
    Window w;
    QCOMPARE(w.field("edtD")->toolTip(), QStringLiteral("Diâmetro do espelho"));
    QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), w.field("edtD")->mapToGlobal(QPoint(2, 2)));
    w.find<QCheckBox>("CheckBox2")->setChecked(false);
    QObject* window = w.frm.get();
    QVERIFY2(window->eventFilter(w.field("edtD"), &tip), "no hint while unticked");
    w.find<QCheckBox>("CheckBox2")->setChecked(true);
    QVERIFY(!window->eventFilter(w.field("edtD"), &tip));
}

void MainWindowTest::limparDadosAsksFirst() {
    Window w;
    w.action("actInserir")->trigger();
    w.project().table().post();
    w.dialogs.yesNo = {false, true};
    w.action("actLimpaDados")->trigger();
    QCOMPARE(w.project().table().rowCount(), 1);
    w.action("actLimpaDados")->trigger();
    QCOMPARE(w.project().table().rowCount(), 0);
    QCOMPARE(w.dialogs.shown.count(QStringLiteral("Confirm: Deseja apagar todos os dados?")), 2);
}

void MainWindowTest::hugeAndForeignInputNeverBreaksTheModel_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::newRow("1e4000") << "edtD"
                            << "1e4000";
    QTest::newRow("999 nines") << "edtR" << QString(999, '9');
    QTest::newRow("arabic digits") << "edtD" << QString::fromUtf8("١٢٣");
    QTest::newRow("zone count 1e4000") << "edtNumZonas"
                                       << "1e4000";
    QTest::newRow("NaN") << "edtb"
                         << "NaN";
}

void MainWindowTest::hugeAndForeignInputNeverBreaksTheModel() {
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    Window w;
    QLineEdit* edit = w.field(field.toLatin1().constData());
    edit->setFocus();
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    for (const QChar c : pasted.left(40)) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
    w.leave();
    const zelvaro::Mirror& mirror = w.project().mirror();
    const auto& m = mirror.parameters();
    for (long double value : {m.D, m.R, m.f, m.fD, m.At, m.Az, m.p, m.b, m.Lambda}) {
        QVERIFY(std::isfinite(value));
    }
    for (const auto* zones :
         {&mirror.geometry().Hx, &mirror.geometry().Hm, &mirror.geometry().Ac}) {
        for (double value : *zones) QVERIFY(std::isfinite(value));
    }
    QVERIFY(m.ZoneCount >= 1 && m.ZoneCount <= 999);
}

void MainWindowTest::menusAndDisabledActions() {
    Window w;
    QVERIFY(!w.action("actConfiguracao")->isEnabled());
    QVERIFY(!w.action("actSalvarComo")->isEnabled());
    QStringList captions;
    for (QAction* menu : w.frm->menuBar()->actions()) {
        captions << menu->text();
        for (QAction* entry : menu->menu()->actions()) {
            QVERIFY(entry->objectName() != QLatin1String("actSalvarComo"));
            captions << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
        }
    }
    QCOMPARE(captions, QStringList({"&Arquivo", "&Novo", "-", "&Salvar", "&Abrir", "-",
                                    "Con&figurar Impressão", "Im&primir", "-", "&Configuração...",
                                    "-", "Sa&ir", "&Gráficos", "&Resultados", "A&juda", "Ajuda...",
                                    "-", "&Sobre..."}));
    QCOMPARE(w.action("actSalvar")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(w.action("actResultados")->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
    QCOMPARE(w.action("actSalvar")->toolTip(), QStringLiteral("Salva dados"));
}

void MainWindowTest::settingsSurviveARestart() {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Zelvaro.INI"));
    {
        Window w(ini);
        QVERIFY(w.find<QCheckBox>("CheckBox1")->isChecked());
        QVERIFY(w.find<QCheckBox>("CheckBox2")->isChecked());
        QVERIFY(!w.find<QCheckBox>("CheckBox3")->isChecked());
        w.find<QCheckBox>("CheckBox1")->click();
        w.find<QCheckBox>("CheckBox2")->click();
        w.find<QCheckBox>("CheckBox3")->click();
        w.frm->openFile(QStringLiteral(ZELVARO_EXAMPLES "/espelho-150mm-f8.pbl"));
        QVERIFY(w.frm->close());
    }
    QFile file(ini);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("DIRETORIOCORRENTE=" ZELVARO_EXAMPLES "/\r\n"));
    QVERIFY(text.contains("FORMATACAONUMFRACIONARIO=%.9f"));
    Window again(ini);
    QVERIFY(!again.find<QCheckBox>("CheckBox1")->isChecked());
    QVERIFY(!again.find<QCheckBox>("CheckBox2")->isChecked());
    QVERIFY(again.find<QCheckBox>("CheckBox3")->isChecked());
    QCOMPARE(again.field("edtNumZonas")->text(), QStringLiteral("1,000E+00"));
}

void MainWindowTest::settingsAppliedAtStart() {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Zelvaro.INI"));
    QFile file(ini);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "[FORMATACOES]\r\nFORMATDECIMAL=0.00\r\nFORMATACAONUMFRACIONARIO=%.3f\r\n"
        "[CHECKBOXES]\r\nAUTOCALCULARHX=0\r\nMOSTRARDICAS=true\r\n"
        "NOTACAOCIENTIFICA=1\r\n");
    file.close();
    Window w(ini);
    QVERIFY(w.find<QCheckBox>("CheckBox2")->isChecked());
    QCOMPARE(w.field("edtR")->text(), QStringLiteral("0,000E+00"));
    w.type("edtD", QStringLiteral("200"));
    w.leave();
    QCOMPARE(w.cell("ValueListEditor1", 0, 1), QStringLiteral("0,00000"));
    w.find<QCheckBox>("CheckBox3")->click();
    QCOMPARE(w.field("edtNumZonas")->text(), QStringLiteral("1,00"));
    QCOMPARE(w.project().mirror().fractionalFormat(), std::string("%.3f"));
}

void MainWindowTest::aSettingsFileThatCannotBeWrittenIsReported() {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("arquivo")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // A folder that is a file: nothing can be written below it, not even by root.
    const QString ini = dir.filePath(QStringLiteral("arquivo/Zelvaro.INI"));
    Window w(ini);
    QVERIFY(w.frm->close());
    QCOMPARE(w.dialogs.shown.size(), 1);
    QVERIFY(w.dialogs.shown.first().startsWith(QStringLiteral("Error: Unable to write to ")));
    QVERIFY(w.dialogs.shown.first().endsWith(QStringLiteral("Zelvaro.INI.")));
}

void MainWindowTest::aboutWindow() {
    Window w;
    QAction* about = w.action("Sobre1");
    QVERIFY(about->isEnabled());
    QString title;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        title = modal->windowTitle();
        modal->close();
    });
    about->trigger();
    QCOMPARE(title, QStringLiteral("Sobre..."));
}

void MainWindowTest::f1ShowsTheFocusedControlsTopic_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("topic");
    QTest::newRow("edtRMS") << "edtRMS" << -1 << 7;
    QTest::newRow("edtK") << "edtK" << -1 << 4;
    QTest::newRow("chkFonteMovel") << "chkFonteMovel" << -1 << 30;
    QTest::newRow("ValueListEditor1") << "ValueListEditor1" << -1 << 1;
    QTest::newRow("table, no row") << "ListView1" << -1 << 13;
    QTest::newRow("table, Hm") << "ListView1" << 2 << 29;
    QTest::newRow("table, FRENTE DE ONDA") << "ListView1" << 13 << 13;
    QTest::newRow("table, PVT") << "ListView1" << 19 << 23;
}

void MainWindowTest::f1ShowsTheFocusedControlsTopic() {
    QFETCH(QString, control);
    QFETCH(int, row);
    QFETCH(int, topic);
    // "Ajuda..." switches to the bare name, found in the current folder.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QStringLiteral(ZELVARO_HELP_FOLDER));
    Window w;
    w.action("actAjuda")->trigger();
    QVERIFY(w.dialogs.shown.isEmpty());
    w.find<QTabWidget>("PageControl1")->setCurrentIndex(1);
    QWidget* widget = w.find(control.toLatin1().constData());
    if (row >= 0) {
        auto* view = qobject_cast<QTableView*>(widget);
        view->selectRow(row);
    }
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_F1);
    auto* viewer = w.frm->findChild<zelvaro::HelpViewer*>(QStringLiteral("frmAjuda"));
    QDir::setCurrent(previous);
    QVERIFY(viewer);
    QCOMPARE(viewer->currentTopic(), topic);
}

void MainWindowTest::helpNamesTheFileItCannotFind() {
    Window w;
    const QString previous = QDir::currentPath();
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    w.field("edtRMS")->setFocus();
    QTest::keyClick(w.field("edtRMS"), Qt::Key_F1);
    w.action("actAjuda")->trigger();
    QDir::setCurrent(previous);
    QCOMPARE(w.dialogs.shown.size(), 2);
    QVERIFY(w.dialogs.shown.at(0).startsWith(
        QStringLiteral("Zelvaro: Não foi possível abrir o arquivo de ajuda ")));
    QVERIFY(w.dialogs.shown.at(1).contains(QStringLiteral("Zelvaro.hlp")));
}

void MainWindowTest::screenReaderNamesOfTheFields() {
    Window w;
    for (int i = 0; i < zelvaro::kMirrorFieldCount; ++i) {
        const auto& description = zelvaro::DescriptionOf(static_cast<MirrorField>(i));
        const QByteArray name(description.objectName.data(),
                              static_cast<qsizetype>(description.objectName.size()));
        QLineEdit* edit = w.field(name.constData());
        const QList<QLabel*> labels = w.frm->findChildren<QLabel*>();
        const auto label = std::find_if(labels.begin(), labels.end(),
                                        [edit](QLabel* l) { return l->buddy() == edit; });
        QVERIFY2(label != labels.end(), name.constData());
        QCOMPARE((*label)->text().toStdString(), std::string(description.label));
    }
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
