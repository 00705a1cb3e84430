#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include "ui/charts/mirror_chart.h"
#include "ui/fields/numeric_field.h"
#include "ui/model_signals.h"
#include "ui/results/results_window.h"
#include "window_fixture.h"

using zelvaro::MirrorChange;
using zelvaro::MirrorChart;
using zelvaro::ModelChanges;
using zelvaro::NumericField;
using zelvaro::TfrmResultados;
using Window = zelvaro::fixtures::MainWindowFixture;

namespace {

TfrmResultados& ResultsOf(const Window& w) {
    return w.frm->results();
}

template <typename T = QWidget>
T* InResults(const Window& w, const char* name) {
    T* widget = ResultsOf(w).findChild<T*>(QString::fromLatin1(name));
    if (!widget) qFatal("no widget %s in the results window", name);
    return widget;
}

QString ResultsText(const Window& w, const char* field) {
    return InResults<QLineEdit>(w, field)->text();
}

std::vector<double> YValues(const MirrorChart& chart, int series) {
    std::vector<double> values;
    for (const auto& point : chart.seriesData(series).points()) values.push_back(double(point.y));
    return values;
}

// Reductions the project ran, counted by the chart datasets being filled.
struct ReductionCount {
    QSignalSpy spy;
    explicit ReductionCount(const Window& w)
        : spy(w.frm->findChild<zelvaro::ModelSignals*>(), &zelvaro::ModelSignals::changed) {}
    int count() const {
        int filled = 0;
        for (const QList<QVariant>& arguments : spy)
            if (arguments.at(0).value<ModelChanges>().has(MirrorChange::ChartDatasetsFilled))
                ++filled;
        return filled;
    }
};

// The page of a window drawn into an image of `size` first filled with magenta, so that
// what the page leaves alone shows.
QImage PageIn(TfrmResultados& results, QSize size) {
    QImage page(size, QImage::Format_ARGB32);
    page.fill(Qt::magenta);
    results.drawPage(page);
    return page;
}

}  // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void isHiddenAtTheStart();
    void resultadosReducesThenShowsTheSnapshot();
    void resultadosReducesOnlyAfterAChange();
    void fieldsKeepTheSnapshotWhileTheChartsFollow();
    void withNoReferenceZoneChosenTheFieldReadsZona0();
    void theChartsFollowALocaleChange();
    void aFailedReductionShowsTheResetMirror();
    void aNoteIsStoredWhenTheWindowCloses();
    void aNoteOnAnEmptyTableStartsARow();
    void theNoteFollowsTheCurrentRow();
    void printingFromTheMainWindow_data();
    void printingFromTheMainWindow();
    void printingFromItsToolBarKeepsTheWindow();
    void thePageIsTheWindowWithItsTitle();
    void thePageIsFittedToTheTopLeftCorner();
};

void ResultsWindowTest::isHiddenAtTheStart() {
    Window w;
    QVERIFY(ResultsOf(w).isHidden());
    QCOMPARE(ResultsOf(w).windowTitle(), QStringLiteral("Resultados"));
    QCOMPARE(ResultsOf(w).size(), QSize(846, 821));
}

void ResultsWindowTest::resultadosReducesThenShowsTheSnapshot() {
    Window w;
    w.typeWorkedExample();
    w.action("actResultados")->trigger();

    TfrmResultados& results = ResultsOf(w);
    QVERIFY(QTest::qWaitForWindowExposed(&results));
    QVERIFY(w.project().mirror().isReduced());
    const QString title = QStringLiteral("Resultados - [espelho 200,00mm - f/5,00]");
    QCOMPARE(results.windowTitle(), title);
    QCOMPARE(InResults<QLabel>(w, "Label12")->text(), title);
    QVERIFY(InResults<QLabel>(w, "Label12")->isHidden());
    for (const char* name : {"edtD", "edtR", "edtNumZonas", "edtLambda", "edtb", "edtK", "edtf",
                             "edtfD", "edtp", "edtRMS", "edtStrehl"}) {
        QCOMPARE(InResults<NumericField>(w, name)->shownWhenUnfocused(),
                 w.find<NumericField>(name)->shownWhenUnfocused());
    }
    QCOMPARE(ResultsText(w, "Edit1"), QStringLiteral("Zona 1"));
    QCOMPARE(ResultsText(w, "Memo2"), w.field("Memo2")->text());
    QCOMPARE(ResultsText(w, "Memo3"), w.field("Memo3")->text());
    QVERIFY(ResultsText(w, "Memo2").contains(QChar(0x03BB)));
    for (const char* chart : {"DBChart1", "DBChart2", "DBChart3", "DBChart4"}) {
        QCOMPARE(InResults<MirrorChart>(w, chart)->seriesData(0).points().size(),
                 w.find<MirrorChart>(chart)->seriesData(0).points().size());
    }
    QVERIFY(InResults<QLabel>(w, "lblFonteMovel")->isHidden());

    results.close();
    w.find<QCheckBox>("chkFonteMovel")->click();
    w.action("actResultados")->trigger();
    QVERIFY(InResults<QLabel>(w, "lblFonteMovel")->isVisible());
    QCOMPARE(InResults<QLabel>(w, "lblFonteMovel")->text(), QStringLiteral("Fonte móvel"));
}

void ResultsWindowTest::resultadosReducesOnlyAfterAChange() {
    Window w;
    w.typeWorkedExample();
    ReductionCount reductions(w);
    w.action("actResultados")->trigger();
    w.action("actResultados")->trigger();
    QCOMPARE(reductions.count(), 1);

    // A typed note is a change of the table like any other.
    InResults<QPlainTextEdit>(w, "DBMemo1")->setFocus();
    QTest::keyClicks(InResults<QPlainTextEdit>(w, "DBMemo1"), QStringLiteral("ok"));
    QVERIFY(!w.project().mirror().isReduced());
    w.action("actResultados")->trigger();
    QCOMPARE(reductions.count(), 2);
}

void ResultsWindowTest::fieldsKeepTheSnapshotWhileTheChartsFollow() {
    Window w;
    w.typeWorkedExample();
    w.action("actResultados")->trigger();
    const QString rms = ResultsText(w, "edtRMS");
    const auto* copy = InResults<MirrorChart>(w, "DBChart1");

    w.project().table().edit();
    w.project().table().setNumber(1, 0.6);
    w.project().table().post();
    w.find<QCheckBox>("CheckBox3")->setChecked(true);
    w.action("actReduzir")->trigger();
    QVERIFY(w.field("edtRMS")->text() != rms);
    QCOMPARE(YValues(*copy, 1), YValues(*w.find<MirrorChart>("DBChart1"), 1));
    QCOMPARE(ResultsText(w, "edtRMS"), rms);

    w.action("actResultados")->trigger();
    QCOMPARE(ResultsText(w, "edtRMS"), rms);
    ResultsOf(w).close();
    w.action("actResultados")->trigger();
    QCOMPARE(ResultsText(w, "edtRMS"), w.field("edtRMS")->text());
    QVERIFY(ResultsText(w, "edtRMS").contains(QLatin1Char('E')));
}

void ResultsWindowTest::withNoReferenceZoneChosenTheFieldReadsZona0() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("zona.pbl"));
    {
        Window w;
        w.typeWorkedExample();
        w.dialogs.saveNames = {path};
        w.action("actSalvar")->trigger();
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    text.replace("[INDICE_ZONA_REDUCAO]=0", "[INDICE_ZONA_REDUCAO]=9");
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
    file.close();

    Window w;
    w.frm->openFile(path);
    QCOMPARE(w.find<QComboBox>("ComboBox1")->currentIndex(), -1);
    w.action("actResultados")->trigger();
    QCOMPARE(ResultsText(w, "Edit1"), QStringLiteral("Zona 0"));
}

void ResultsWindowTest::theChartsFollowALocaleChange() {
    Window w;
    w.typeWorkedExample();
    w.action("actResultados")->trigger();
    const auto* copy = InResults<MirrorChart>(w, "DBChart4");
    QCOMPARE(copy->markTexts(0).last(), QStringLiteral("-0,0189"));

    w.separators = zelvaro::Separators::english();
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(w.frm.get(), &change);
    QCOMPARE(copy->markTexts(0).last(), QStringLiteral("-0.0189"));
    QCOMPARE(copy->bottomLabels().last(), QStringLiteral("100.00"));
}

void ResultsWindowTest::aFailedReductionShowsTheResetMirror() {
    Window w;
    w.typeUnreducibleRow();
    w.action("actResultados")->trigger();
    QCOMPARE(w.dialogs.shown, QStringList({"Error: Erro durante os cálculos!"}));
    QVERIFY(ResultsOf(w).isVisible());
    QCOMPARE(ResultsText(w, "edtNumZonas"), w.field("edtNumZonas")->text());
    QVERIFY(InResults<MirrorChart>(w, "DBChart1")->seriesData(0).points().empty());
}

void ResultsWindowTest::aNoteIsStoredWhenTheWindowCloses() {
    Window w;
    w.typeWorkedExample();
    w.action("actResultados")->trigger();
    auto* note = InResults<QPlainTextEdit>(w, "DBMemo1");
    note->setFocus();
    QTest::keyClicks(note, QStringLiteral("Espelho quente"));
    QCOMPARE(w.project().table().state(), zelvaro::MeasurementTable::State::Edit);

    QVERIFY(ResultsOf(w).close());
    QVERIFY(w.project().table().isBrowsing());
    QCOMPARE(w.project().table().memo(), QStringLiteral("Espelho quente"));
    w.action("actResultados")->trigger();
    QCOMPARE(note->toPlainText(), QStringLiteral("Espelho quente"));
}

void ResultsWindowTest::aNoteOnAnEmptyTableStartsARow() {
    Window w;
    w.action("actResultados")->trigger();
    auto* note = InResults<QPlainTextEdit>(w, "DBMemo1");
    note->setFocus();
    QTest::keyClicks(note, QStringLiteral("nublado"));
    QVERIFY(ResultsOf(w).close());
    QCOMPARE(w.project().table().rowCount(), 1);
    QCOMPARE(w.project().table().memo(), QStringLiteral("nublado"));
}

void ResultsWindowTest::theNoteFollowsTheCurrentRow() {
    Window w;
    zelvaro::MeasurementTable& table = w.project().table();
    for (const QString& notes : {QStringLiteral("primeira"), QStringLiteral("segunda")}) {
        w.action("actInserir")->trigger();
        table.setMemo(notes);
        table.post();
    }
    w.action("actResultados")->trigger();
    auto* note = InResults<QPlainTextEdit>(w, "DBMemo1");
    QCOMPARE(note->toPlainText(), QStringLiteral("segunda"));
    w.action("actPrimeiro")->trigger();
    QCOMPARE(note->toPlainText(), QStringLiteral("primeira"));
}

void ResultsWindowTest::printingFromTheMainWindow_data() {
    QTest::addColumn<bool>("hasPrinter");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("printed");
    QTest::addColumn<bool>("visibleAfter");
    QTest::newRow("printed") << true << true << QStringList{"Print"} << true << false;
    QTest::newRow("cancelled") << true << false << QStringList{"Print"} << false << false;
    QTest::newRow("no printer") << false << true
                                << QStringList{"Error: There is no default printer currently "
                                               "selected."}
                                << false << false;
}

void ResultsWindowTest::printingFromTheMainWindow() {
    QFETCH(bool, hasPrinter);
    QFETCH(bool, confirmed);
    QFETCH(QStringList, shown);
    QFETCH(bool, printed);
    QFETCH(bool, visibleAfter);
    QTemporaryDir folder;
    Window w;
    w.hasPrinter = hasPrinter;
    w.dialogs.printAnswers = {confirmed};
    w.dialogs.printTo = folder.filePath(QStringLiteral("pagina.pdf"));

    w.action("actImprimir")->trigger();

    QCOMPARE(w.dialogs.shown, shown);
    QCOMPARE(QFile::exists(w.dialogs.printTo), printed);
    QCOMPARE(ResultsOf(w).isVisible(), visibleAfter);
    QVERIFY(InResults<QToolBar>(w, "ToolBar1")->isVisibleTo(&ResultsOf(w)));
    QVERIFY(InResults<QLabel>(w, "Label12")->isHidden());
    QCOMPARE(ResultsOf(w).palette().color(QPalette::Window),
             ResultsOf(w).palette().color(QPalette::Button));
}

void ResultsWindowTest::printingFromItsToolBarKeepsTheWindow() {
    QTemporaryDir folder;
    Window w;
    w.dialogs.printAnswers = {true};
    w.dialogs.printTo = folder.filePath(QStringLiteral("pagina.pdf"));
    w.action("actResultados")->trigger();
    InResults<QAction>(w, "ToolButton1")->trigger();

    QVERIFY(QFile::exists(w.dialogs.printTo));
    QVERIFY(ResultsOf(w).isVisible());
    QVERIFY(InResults<QToolBar>(w, "ToolBar1")->isVisible());
    QVERIFY(InResults<QLabel>(w, "Label12")->isHidden());
}

// The title takes the strip of the tool bar, on white.
void ResultsWindowTest::thePageIsTheWindowWithItsTitle() {
    Window w;
    w.typeWorkedExample();
    w.action("actResultados")->trigger();
    const QImage page = PageIn(ResultsOf(w), QSize(846, 821));
    int titlePixels = 0;
    for (int x = 0; x < 846; ++x) {
        for (int y = 0; y < 30; ++y) {
            const QColor colour = page.pixelColor(x, y);
            QVERIFY2(colour != QColor(Qt::magenta), "the page left a pixel alone");
            if (colour.lightness() < 100) ++titlePixels;
        }
    }
    QVERIFY(titlePixels > 200);
    QCOMPARE(page.pixelColor(5, 700), QColor(Qt::white));
    QVERIFY(InResults<QLabel>(w, "Label12")->isHidden());
}

void ResultsWindowTest::thePageIsFittedToTheTopLeftCorner() {
    Window w;
    // Landscape: as high as the page, 846 × 400 / 821 = 412.2 wide.
    const QImage landscape = PageIn(ResultsOf(w), QSize(1000, 400));
    QVERIFY(landscape.pixelColor(411, 399) != QColor(Qt::magenta));
    QCOMPARE(landscape.pixelColor(413, 0), QColor(Qt::magenta));
    // Portrait: as wide as the page, 821 × 500 / 846 = 485.2 high.
    const QImage portrait = PageIn(ResultsOf(w), QSize(500, 1000));
    QVERIFY(portrait.pixelColor(499, 484) != QColor(Qt::magenta));
    QCOMPARE(portrait.pixelColor(0, 486), QColor(Qt::magenta));
}

QTEST_MAIN(ResultsWindowTest)
#include "results_window_test.moc"
