#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMainWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <cmath>
#include <string>

#include "ui/fields/numeric_field.h"

Q_DECLARE_METATYPE(zelvaro::Separators)

namespace zelvaro {
namespace {

const Separators kPt = Separators::brazilian();
const Separators kEn = Separators::english();
const char* const kFieldPattern = "#,##0.00000;-#,##0.00000";
const char* const kScientificPattern = "#.##0E+00;-#.##0E+00";

// Keys that type no text, written into the key strings of the tables.
constexpr char16_t kBackspace = 0x08;
constexpr char16_t kDelete = 0x7f;
constexpr char16_t kHome = 0x01;
constexpr char16_t kEscape = 0x1b;

Qt::Key keyOf(QChar c) {
    switch (c.unicode()) {
        case kBackspace:
            return Qt::Key_Backspace;
        case kDelete:
            return Qt::Key_Delete;
        case kHome:
            return Qt::Key_Home;
        case kEscape:
            return Qt::Key_Escape;
    }
    return c.unicode() < 0x80 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
}

// Presses the keys one after another as a keyboard sends them, foreign characters included.
void press(QWidget* widget, const QString& keys) {
    for (QChar c : keys) {
        const Qt::Key key = keyOf(c);
        QTest::sendKeyEvent(QTest::Click, widget, key, key == Qt::Key_Home ? QString() : QString(c),
                            Qt::NoModifier);
    }
}

QString keys(const char16_t* text) {
    return QString::fromUtf16(text);
}

// A window with two fields, so that the focus can leave the one under test.
class FieldWindow {
  public:
    explicit FieldWindow(const Separators& separators) {
        auto* central = new QWidget;
        auto* layout = new QVBoxLayout(central);
        field = new NumericField;
        other = new NumericField;
        layout->addWidget(field);
        layout->addWidget(other);
        field->setSeparators(separators);
        window.setCentralWidget(central);
        window.show();
        window.activateWindow();
    }

    // The window is active and the field under test starts without the focus.
    bool active() {
        if (!QTest::qWaitForWindowActive(&window)) return false;
        other->setFocus();
        return !field->hasFocus();
    }

    QMainWindow window;
    NumericField* field;
    NumericField* other;
};

long double lastEdited(const QSignalSpy& edits) {
    return edits.last().at(0).value<long double>();
}

QAction* contextMenuEntry(NumericField* field, const QString& label) {
    QContextMenuEvent event(QContextMenuEvent::Keyboard, field->rect().center(),
                            field->mapToGlobal(field->rect().center()));
    QApplication::sendEvent(field, &event);
    const QMenu* menu = field->findChild<QMenu*>();
    if (!menu) return nullptr;
    for (QAction* entry : menu->actions()) {
        if (entry->text().section(QLatin1Char('\t'), 0, 0) == label) return entry;
    }
    return nullptr;
}

void closeContextMenu(NumericField* field) {
    if (QMenu* menu = field->findChild<QMenu*>()) menu->close();
}

enum class PasteRoute { CtrlV, ShiftInsert, ContextMenu };

}  // namespace
}  // namespace zelvaro

Q_DECLARE_METATYPE(zelvaro::PasteRoute)

namespace zelvaro {

class NumericFieldTest : public QObject {
    Q_OBJECT

  private slots:
    void typing_data();
    void typing();
    void texts_data();
    void texts();
    void leavingReadsTheText_data();
    void leavingReadsTheText();
    void settingTheValue();
    void separatorsAndPatternRewriteTheTexts();
    void paste_data();
    void paste();
    void readOnlyNeverEdits();
    void refusalDropsEveryChangeSilently();
    void inputMethodCommitIsChecked_data();
    void inputMethodCommitIsChecked();
    void windowShortcutWins_data();
    void windowShortcutWins();
    void focusMovedWhileInactiveLeaves();
};

void NumericFieldTest::typing_data() {
    QTest::addColumn<Separators>("separators");
    QTest::addColumn<double>("minValue");
    QTest::addColumn<double>("maxValue");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("refusals");
    QTest::addColumn<int>("edits");

    QTest::newRow("pt decimal comma") << kPt << 0.0 << 0.0 << "12,5"
                                      << "12,5" << 12.5 << 0 << 4;
    QTest::newRow("pt 1.5 reads 15") << kPt << 0.0 << 0.0 << "1.5"
                                     << "1.5" << 15.0 << 0 << 3;
    QTest::newRow("en decimal point") << kEn << 0.0 << 0.0 << "1.5"
                                      << "1.5" << 1.5 << 0 << 3;
    QTest::newRow("en 1,5 reads 15") << kEn << 0.0 << 0.0 << "1,5"
                                     << "1,5" << 15.0 << 0 << 3;
    QTest::newRow("letters refused") << kPt << 0.0 << 0.0 << "1a2x"
                                     << "12" << 12.0 << 2 << 2;
    QTest::newRow("exponent") << kEn << 0.0 << 0.0 << "2e-3"
                              << "2e-3" << 0.002 << 0 << 4;
    QTest::newRow("second decimal refused") << kPt << 0.0 << 0.0 << "1,2,3"
                                            << "1,23" << 1.23 << 1 << 4;
    QTest::newRow("13th decimal refused") << kPt << 0.0 << 0.0 << "0,1234567890123"
                                          << "0,123456789012" << 0.123456789012 << 1 << 14;
    QTest::newRow("Arabic-Indic digit refused")
        << kPt << 0.0 << 0.0 << keys(u"1\u0662") << "1" << 1.0 << 1 << 1;
    QTest::newRow("lone minus") << kPt << 0.0 << 0.0 << "-"
                                << "-" << 0.0 << 0 << 1;
    QTest::newRow("zone count minus refused") << kPt << 1.0 << 999.0 << "-5"
                                              << "5" << 5.0 << 1 << 1;
    QTest::newRow("zone count 1000 reads 999") << kPt << 1.0 << 999.0 << "1000"
                                               << "1000" << 999.0 << 0 << 4;
    QTest::newRow("zone count 0 reads 1") << kPt << 1.0 << 999.0 << "0"
                                          << "0" << 1.0 << 0 << 1;
    QTest::newRow("backspace") << kPt << 1.0 << 999.0 << keys(u"12\b") << "1" << 1.0 << 0 << 3;
    QTest::newRow("deleting is not checked")
        << kEn << 0.0 << 0.0 << keys(u"1e+5\u0001\u007f") << "e+5" << 0.0 << 0 << 5;
    QTest::newRow("escape rewrites from the value")
        << kPt << 0.0 << 0.0 << keys(u"1.5\u001b") << "15" << 15.0 << 0 << 3;
    QTest::newRow("escape in the zone count")
        << kPt << 1.0 << 999.0 << keys(u"0\u001b") << "1" << 1.0 << 0 << 1;
}

void NumericFieldTest::typing() {
    QFETCH(Separators, separators);
    QFETCH(double, minValue);
    QFETCH(double, maxValue);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(int, refusals);
    QFETCH(int, edits);

    FieldWindow w(separators);
    QVERIFY(w.active());
    w.field->setBounds(minValue, maxValue);
    w.field->setFocus();
    w.field->selectAll();
    QSignalSpy edited(w.field, &NumericField::valueEdited);
    QSignalSpy refused(w.field, &NumericField::refused);

    press(w.field, keys);

    QCOMPARE(w.field->text(), text);
    QCOMPARE(w.field->editText(), text);
    QCOMPARE(static_cast<double>(w.field->value()), value);
    QCOMPARE(refused.count(), refusals);
    QCOMPARE(edited.count(), edits);
    if (edits > 0) QCOMPARE(static_cast<double>(lastEdited(edited)), value);
}

void NumericFieldTest::texts_data() {
    QTest::addColumn<Separators>("separators");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("unfocused");
    QTest::addColumn<QString>("focused");

    QTest::newRow("pt") << kPt << kFieldPattern << 1234.5 << "1.234,50000"
                        << "1234,5";
    QTest::newRow("en") << kEn << kFieldPattern << 1234.5 << "1,234.50000"
                        << "1234.5";
    QTest::newRow("negative") << kPt << kFieldPattern << -0.25 << "-0,25000"
                              << "-0,25";
    QTest::newRow("zero is empty while focused") << kPt << kFieldPattern << 0.0 << "0,00000"
                                                 << "";
    QTest::newRow("zone count") << kPt << "000" << 5.0 << "005"
                                << "5";
    QTest::newRow("scientific") << kPt << kScientificPattern << 0.00056 << "5,600E-04"
                                << "0,00056";
    QTest::newRow("twelve decimals") << kEn << kFieldPattern << 0.1234567890123456 << "0.12346"
                                     << "0.123456789012";
}

void NumericFieldTest::texts() {
    QFETCH(Separators, separators);
    QFETCH(QString, pattern);
    QFETCH(double, value);
    QFETCH(QString, unfocused);
    QFETCH(QString, focused);

    FieldWindow w(separators);
    QVERIFY(w.active());
    w.field->setDisplayPattern(pattern.toStdString());
    w.field->setValue(value);
    QSignalSpy edited(w.field, &NumericField::valueEdited);
    QSignalSpy left(w.field, &NumericField::left);

    QCOMPARE(w.field->text(), unfocused);
    QCOMPARE(w.field->shownWhenUnfocused(), unfocused);
    QCOMPARE(w.field->editText(), focused);
    QVERIFY(w.field->alignment() & Qt::AlignRight);

    w.field->setFocus();
    QCOMPARE(w.field->text(), focused);
    QCOMPARE(left.count(), 0);

    w.other->setFocus();
    QCOMPARE(w.field->text(), unfocused);
    QCOMPARE(left.count(), 1);
    QCOMPARE(edited.count(), 0);
}

void NumericFieldTest::leavingReadsTheText_data() {
    QTest::addColumn<Separators>("separators");
    QTest::addColumn<double>("minValue");
    QTest::addColumn<double>("maxValue");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("unfocused");
    QTest::addColumn<QString>("focusedAgain");

    QTest::newRow("zone count 0") << kPt << 1.0 << 999.0 << "000"
                                  << "0" << 1.0 << "001"
                                  << "1";
    QTest::newRow("zone count 1000") << kPt << 1.0 << 999.0 << "000"
                                     << "1000" << 999.0 << "999"
                                     << "999";
    QTest::newRow("pt 1.5") << kPt << 0.0 << 0.0 << kFieldPattern << "1.5" << 15.0 << "15,00000"
                            << "15";
    QTest::newRow("pt decimal left open")
        << kPt << 0.0 << 0.0 << kFieldPattern << "1," << 1.0 << "1,00000"
        << "1";
    QTest::newRow("en") << kEn << 0.0 << 0.0 << kFieldPattern << "2.25" << 2.25 << "2.25000"
                        << "2.25";
    QTest::newRow("lone minus") << kEn << 0.0 << 0.0 << kFieldPattern << "-" << 0.0 << "0.00000"
                                << "";
}

void NumericFieldTest::leavingReadsTheText() {
    QFETCH(Separators, separators);
    QFETCH(double, minValue);
    QFETCH(double, maxValue);
    QFETCH(QString, pattern);
    QFETCH(QString, keys);
    QFETCH(double, value);
    QFETCH(QString, unfocused);
    QFETCH(QString, focusedAgain);

    FieldWindow w(separators);
    QVERIFY(w.active());
    w.field->setDisplayPattern(pattern.toStdString());
    w.field->setBounds(minValue, maxValue);
    w.field->setFocus();
    w.field->selectAll();
    press(w.field, keys);
    QSignalSpy edited(w.field, &NumericField::valueEdited);
    QSignalSpy left(w.field, &NumericField::left);

    w.other->setFocus();
    QCOMPARE(static_cast<double>(w.field->value()), value);
    QCOMPARE(w.field->text(), unfocused);
    QCOMPARE(left.count(), 1);

    w.field->setFocus();
    QCOMPARE(w.field->text(), focusedAgain);
    QCOMPARE(edited.count(), 0);
}

void NumericFieldTest::settingTheValue() {
    FieldWindow w(kPt);
    QVERIFY(w.active());
    w.field->setDisplayPattern(kFieldPattern);
    QSignalSpy edited(w.field, &NumericField::valueEdited);

    w.field->setValue(3);
    QCOMPARE(w.field->text(), QString("3,00000"));

    w.field->setFocus();
    w.field->selectAll();
    press(w.field, "1,");
    w.field->setValue(1);
    QCOMPARE(w.field->text(), QString("1,"));
    w.field->setValue(2.5);
    QCOMPARE(w.field->text(), QString("2,5"));
    QCOMPARE(edited.count(), 2);

    w.field->setBounds(1, 999);
    w.field->setValue(0);
    QCOMPARE(static_cast<double>(w.field->value()), 1.0);
    w.field->setValue(5000);
    QCOMPARE(static_cast<double>(w.field->value()), 999.0);
    QCOMPARE(w.field->text(), QString("999"));
    QCOMPARE(edited.count(), 2);
}

void NumericFieldTest::separatorsAndPatternRewriteTheTexts() {
    FieldWindow w(kPt);
    QVERIFY(w.active());
    w.field->setDisplayPattern(kFieldPattern);
    w.field->setValue(1234.5);
    QSignalSpy edited(w.field, &NumericField::valueEdited);

    w.field->setSeparators(kEn);
    QCOMPARE(w.field->text(), QString("1,234.50000"));
    w.field->setDisplayPattern(kScientificPattern);
    QCOMPARE(w.field->text(), QString("1.235E+03"));

    w.field->setFocus();
    QCOMPARE(w.field->text(), QString("1234.5"));
    w.field->setSeparators(kPt);
    QCOMPARE(w.field->text(), QString("1234,5"));
    w.field->setDisplayPattern(kFieldPattern);
    QCOMPARE(w.field->text(), QString("1234,5"));

    w.other->setFocus();
    QCOMPARE(w.field->text(), QString("1.234,50000"));
    QCOMPARE(edited.count(), 0);
}

void NumericFieldTest::paste_data() {
    QTest::addColumn<Separators>("separators");
    QTest::addColumn<PasteRoute>("route");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("refusals");

    const QString nines(300, QLatin1Char('9'));
    const PasteRoute ctrlV = PasteRoute::CtrlV;
    QTest::newRow("pt number") << kPt << ctrlV << ""
                               << "12,5"
                               << "12,5" << 12.5 << 0;
    QTest::newRow("pt with thousands") << kPt << ctrlV << ""
                                       << "1.234,5"
                                       << "1.234,5" << 1234.5 << 0;
    QTest::newRow("en with thousands") << kEn << ctrlV << ""
                                       << "1,234.5"
                                       << "1,234.5" << 1234.5 << 0;
    QTest::newRow("blanks around") << kPt << ctrlV << ""
                                   << " 3 "
                                   << " 3 " << 3.0 << 0;
    QTest::newRow("after typed digits") << kPt << ctrlV << "1"
                                        << "2"
                                        << "12" << 12.0 << 0;
    QTest::newRow("300 nines") << kPt << ctrlV << "" << nines << nines << 1e300 << 0;
    QTest::newRow("letters refused") << kPt << ctrlV << "7"
                                     << "abc"
                                     << "7" << 7.0 << 1;
    QTest::newRow("result not a number") << kEn << ctrlV << "1.5"
                                         << ".5"
                                         << "1.5" << 1.5 << 1;
    QTest::newRow("overflow refused") << kPt << ctrlV << ""
                                      << "1e5000"
                                      << "" << 0.0 << 1;
    QTest::newRow("shift+insert") << kPt << PasteRoute::ShiftInsert << ""
                                  << "4,5"
                                  << "4,5" << 4.5 << 0;
    QTest::newRow("shift+insert refused") << kPt << PasteRoute::ShiftInsert << ""
                                          << "x"
                                          << "" << 0.0 << 1;
    QTest::newRow("context menu") << kPt << PasteRoute::ContextMenu << ""
                                  << "2,5"
                                  << "2,5" << 2.5 << 0;
    QTest::newRow("context menu refused") << kPt << PasteRoute::ContextMenu << "9"
                                          << "zz"
                                          << "9" << 9.0 << 1;
}

void NumericFieldTest::paste() {
    QFETCH(Separators, separators);
    QFETCH(PasteRoute, route);
    QFETCH(QString, typed);
    QFETCH(QString, clipboard);
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(int, refusals);

    FieldWindow w(separators);
    QVERIFY(w.active());
    w.field->setFocus();
    press(w.field, typed);
    QApplication::clipboard()->setText(clipboard);
    QSignalSpy edited(w.field, &NumericField::valueEdited);
    QSignalSpy refused(w.field, &NumericField::refused);
    QSignalSpy left(w.field, &NumericField::left);

    switch (route) {
        case PasteRoute::CtrlV:
            QTest::keyClick(w.field, Qt::Key_V, Qt::ControlModifier);
            break;
        case PasteRoute::ShiftInsert:
            QTest::keyClick(w.field, Qt::Key_Insert, Qt::ShiftModifier);
            break;
        case PasteRoute::ContextMenu: {
            QAction* entry = contextMenuEntry(w.field, QLineEdit::tr("&Paste"));
            QVERIFY(entry);
            entry->trigger();
            closeContextMenu(w.field);
            break;
        }
    }

    QCOMPARE(w.field->text(), text);
    QVERIFY(std::isfinite(w.field->value()));
    QCOMPARE(static_cast<double>(w.field->value()), value);
    QCOMPARE(refused.count(), refusals);
    QCOMPARE(edited.count(), 1 - refusals);
    QTRY_VERIFY(w.field->hasFocus());
    QCOMPARE(left.count(), 0);
}

void NumericFieldTest::readOnlyNeverEdits() {
    FieldWindow w(kPt);
    QVERIFY(w.active());
    w.field->setValue(3);
    w.field->setReadOnly(true);
    w.field->setFocus();
    QApplication::clipboard()->setText("5");
    QSignalSpy edited(w.field, &NumericField::valueEdited);
    QSignalSpy refused(w.field, &NumericField::refused);

    press(w.field, keys(u"12x\b\u0001\u007f"));
    QTest::keyClick(w.field, Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(w.field->text(), QString("3"));
    QCOMPARE(edited.count(), 0);
    QCOMPARE(refused.count(), 0);
}

void NumericFieldTest::refusalDropsEveryChangeSilently() {
    FieldWindow w(kPt);
    QVERIFY(w.active());
    bool tableHasRows = true;
    w.field->setCharacterKeyRefusal([&tableHasRows] { return tableHasRows; });
    w.field->setBounds(1, 999);
    w.field->setValue(5);
    w.field->setFocus();
    QApplication::clipboard()->setText("7");
    QSignalSpy edited(w.field, &NumericField::valueEdited);
    QSignalSpy refused(w.field, &NumericField::refused);

    press(w.field, keys(u"1-x\b\u0001\u007f"));
    QTest::keyClick(w.field, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(w.field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w.field, Qt::Key_X, Qt::ControlModifier);
    QAction* pasteEntry = contextMenuEntry(w.field, QLineEdit::tr("&Paste"));
    QVERIFY(pasteEntry);
    QVERIFY(!pasteEntry->isEnabled());
    closeContextMenu(w.field);

    QCOMPARE(w.field->text(), QString("5"));
    QCOMPARE(edited.count(), 0);
    QCOMPARE(refused.count(), 0);

    tableHasRows = false;
    w.field->end(false);
    press(w.field, "2");
    QCOMPARE(w.field->text(), QString("52"));
    QCOMPARE(edited.count(), 1);
}

void NumericFieldTest::inputMethodCommitIsChecked_data() {
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("refusals");

    QTest::newRow("digit") << "5"
                           << "15" << 0;
    QTest::newRow("point becomes the decimal") << "."
                                               << "1," << 0;
    QTest::newRow("letter refused") << "a"
                                    << "1" << 1;
    QTest::newRow("foreign digit refused") << keys(u"\u0665") << "1" << 1;
}

void NumericFieldTest::inputMethodCommitIsChecked() {
    QFETCH(QString, commit);
    QFETCH(QString, text);
    QFETCH(int, refusals);

    FieldWindow w(Separators{",", "\u00A0"});
    QVERIFY(w.active());
    w.field->setFocus();
    press(w.field, "1");
    QSignalSpy refused(w.field, &NumericField::refused);

    QInputMethodEvent event;
    event.setCommitString(commit);
    QApplication::sendEvent(w.field, &event);

    QCOMPARE(w.field->text(), text);
    QCOMPARE(refused.count(), refusals);
}

void NumericFieldTest::windowShortcutWins_data() {
    QTest::addColumn<int>("key");

    QTest::newRow("Ctrl+C does not copy") << int(Qt::Key_C);
    QTest::newRow("Ctrl+V does not paste") << int(Qt::Key_V);
}

void NumericFieldTest::windowShortcutWins() {
    QFETCH(int, key);

    FieldWindow w(kPt);
    auto* command = new QAction(QString::fromUtf8("Con&figurar Impressão"), &w.window);
    command->setShortcut(QKeyCombination(Qt::ControlModifier, Qt::Key(key)));
    w.window.addAction(command);
    QVERIFY(w.active());
    QSignalSpy triggered(command, &QAction::triggered);
    w.field->setFocus();
    press(w.field, "123");
    w.field->selectAll();
    QApplication::clipboard()->setText("sentinel");

    QTest::keyClick(w.field, Qt::Key(key), Qt::ControlModifier);

    QCOMPARE(triggered.count(), 1);
    QCOMPARE(QApplication::clipboard()->text(), QString("sentinel"));
    QCOMPARE(w.field->text(), QString("123"));
}

void NumericFieldTest::focusMovedWhileInactiveLeaves() {
    FieldWindow w(kPt);
    QVERIFY(w.active());
    w.field->setDisplayPattern(kFieldPattern);
    w.field->setFocus();
    press(w.field, "7,");
    QSignalSpy left(w.field, &NumericField::left);

    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    QCOMPARE(left.count(), 0);
    QCOMPARE(w.field->text(), QString("7,"));

    w.other->setFocus();
    w.window.activateWindow();
    QVERIFY(w.active());
    QCOMPARE(left.count(), 1);
    QCOMPARE(w.field->text(), QString("7,00000"));
}

}  // namespace zelvaro

QTEST_MAIN(zelvaro::NumericFieldTest)
#include "numeric_field_test.moc"
