#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "data/project.h"
#include "ui/error_report.h"
#include "ui/model_signals.h"
#include "ui/user_dialogs.h"

using zelvaro::ModelChanges;
using zelvaro::QtUserDialogs;
using zelvaro::UserDialogs;

namespace {

struct Seen {
    QString title;
    QString text;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// While `show` runs, looks at the message box it opens and clicks the button captioned
// `click`.
Seen inspectBox(const QString& click, const std::function<void()>& show) {
    Seen seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text();
            if (button->text() == click) button->click();
        }
    });
    show();
    return seen;
}

}  // namespace

class UserDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void messageBoxesCarryTheStandardTitlesAndButtons_data();
    void messageBoxesCarryTheStandardTitlesAndButtons();
    void fileDialogsOfferProjectFiles();
    void errorReportAddsAFullStop_data();
    void errorReportAddsAFullStop();
    void openingAFileTellsTheViewsOnce();
};

void UserDialogsTest::messageBoxesCarryTheStandardTitlesAndButtons_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("click");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("answer");
    using A = UserDialogs::Answer;
    const QStringList three{"&Yes", "&No", "Cancel"};
    QTest::newRow("yes/no/cancel: yes")
        << "ync"
        << "&Yes"
        << "Confirm" << three << int(QMessageBox::Question) << int(A::Yes);
    QTest::newRow("yes/no/cancel: no")
        << "ync"
        << "&No"
        << "Confirm" << three << int(QMessageBox::Question) << int(A::No);
    QTest::newRow("yes/no/cancel: cancel")
        << "ync"
        << "Cancel"
        << "Confirm" << three << int(QMessageBox::Question) << int(A::Cancel);
    QTest::newRow("yes/no: yes") << "yn"
                                 << "&Yes"
                                 << "Confirm" << QStringList{"&Yes", "&No"}
                                 << int(QMessageBox::Question) << 1;
    QTest::newRow("yes/no: no") << "yn"
                                << "&No"
                                << "Confirm" << QStringList{"&Yes", "&No"}
                                << int(QMessageBox::Question) << 0;
    QTest::newRow("information") << "info"
                                 << "OK"
                                 << "Information" << QStringList{"OK"}
                                 << int(QMessageBox::Information) << 0;
    QTest::newRow("plain message")
        << "message"
        << "OK"
        << "Zelvaro" << QStringList{"OK"} << int(QMessageBox::NoIcon) << 0;
    QTest::newRow("error report") << "error"
                                  << "OK"
                                  << "Zelvaro" << QStringList{"OK"} << int(QMessageBox::Critical)
                                  << 0;
}

void UserDialogsTest::messageBoxesCarryTheStandardTitlesAndButtons() {
    QFETCH(QString, kind);
    QFETCH(QString, click);
    QFETCH(QString, title);
    QFETCH(QStringList, buttons);
    QFETCH(int, icon);
    QFETCH(int, answer);
    QtUserDialogs dialogs;
    int got = 0;
    const Seen seen = inspectBox(click, [&] {
        if (kind == "ync") got = int(dialogs.askYesNoCancel(QStringLiteral("Deseja salvar?")));
        if (kind == "yn") got = dialogs.askYesNo(QStringLiteral("Deseja salvar?")) ? 1 : 0;
        if (kind == "info") dialogs.inform(QStringLiteral("Deseja salvar?"));
        if (kind == "message") dialogs.message(QStringLiteral("Deseja salvar?"));
        if (kind == "error") dialogs.reportError(QStringLiteral("Deseja salvar?"));
    });
    QCOMPARE(seen.title, title);
    QCOMPARE(seen.text, QStringLiteral("Deseja salvar?"));
    // The order on screen is the platform's; the captions are ours.
    QStringList shownButtons = seen.buttons;
    shownButtons.sort();
    buttons.sort();
    QCOMPARE(shownButtons, buttons);
    QCOMPARE(int(seen.icon), icon);
    QCOMPARE(got, answer);
}

void UserDialogsTest::fileDialogsOfferProjectFiles() {
    QTemporaryDir dir;
    QtUserDialogs dialogs;
    QString title;
    QStringList filters;
    QString suffix;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        suffix = dialog->defaultSuffix();
        dialog->reject();
    });
    QCOMPARE(dialogs.openFileName(dir.path(), QString()), std::nullopt);
    QCOMPARE(title, QStringLiteral("Abrir"));
    QCOMPARE(filters, QStringList{"Arquivo de dados (*.pbl)"});
    QCOMPARE(suffix, QStringLiteral("pbl"));
}

void UserDialogsTest::errorReportAddsAFullStop_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a letter") << "'abc' is not a valid floating point value"
                              << "'abc' is not a valid floating point value.";
    QTest::newRow("an exclamation mark") << "Erro durante os cálculos!"
                                         << "Erro durante os cálculos!";
    QTest::newRow("a full stop") << "Pronto."
                                 << "Pronto.";
    QTest::newRow("a digit") << "Erro 5"
                             << "Erro 5.";
    QTest::newRow("a slash") << "a/"
                             << "a/.";
    QTest::newRow("empty") << ""
                           << "";
}

void UserDialogsTest::errorReportAddsAFullStop() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(zelvaro::ErrorReportText(message), shown);
}

void UserDialogsTest::openingAFileTellsTheViewsOnce() {
    zelvaro::Project project(zelvaro::Separators::brazilian());
    zelvaro::ModelSignals bridge(project);
    QSignalSpy changed(&bridge, &zelvaro::ModelSignals::changed);
    project.load(QStringLiteral(ZELVARO_EXAMPLES "/espelho-250mm-f5.pbl"));
    QCOMPARE(changed.count(), 1);
    const auto changes = changed.first().first().value<ModelChanges>();
    QVERIFY(changes.tableReset);
    QVERIFY(changes.has(zelvaro::MirrorChange::ZoneRadiusList));
    QVERIFY(changes.has(zelvaro::MirrorChange::ReductionTableCells));

    changed.clear();
    project.mirror().setD(251);
    QCOMPARE(changed.count(), 1);
}

QTEST_MAIN(UserDialogsTest)
#include "user_dialogs_test.moc"
