#pragma once

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

#include "fake_dialogs.h"
#include "ui/main_window.h"

namespace zelvaro::fixtures {

inline zelvaro::LocalDateTime fixedClock() {
    return *zelvaro::LocalDateTime::make(2024, 3, 15, ((14 * 60 + 3) * 60 + 7) * 1000 + 123);
}

inline const std::vector<double> kWorkedReadings{0.25, 1.44, 2.46, 3.49, 4.51};

// Each key goes where the focus is when it is typed, as on a keyboard: the grid's first key
// opens a cell editor, which takes the keys after it.
inline void typeAtTheFocus(const QString& text) {
    for (const QChar c : text) QTest::keyClicks(QApplication::focusWidget(), QString(c));
}

// A shown window over fake dialogs, with the separators a test sets.
struct MainWindowFixture {
    FakeDialogs dialogs;
    Separators separators = Separators::brazilian();
    QTemporaryDir settingsFolder;
    // Whether the system seems to have a printer.
    bool hasPrinter = true;
    std::unique_ptr<TfrmPrincipal> frm;

    // With the settings file given, or a new one in a folder of its own.
    explicit MainWindowFixture(const QString& settingsPath = QString()) {
        TfrmPrincipal::Environment environment;
        environment.dialogs = &dialogs;
        environment.readSeparators = [this] { return separators; };
        environment.clock = fixedClock;
        environment.hasPrinter = [this] { return hasPrinter; };
        environment.settingsPath = settingsPath.isEmpty()
                                       ? settingsFolder.filePath(QStringLiteral("Zelvaro.INI"))
                                       : settingsPath;
        frm = std::make_unique<TfrmPrincipal>(environment);
        frm->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm.get()));
    }
    template <typename T = QWidget>
    T* find(const char* name) const {
        T* widget = frm->findChild<T*>(QString::fromLatin1(name));
        if (!widget) qFatal("no widget %s", name);
        return widget;
    }
    QLineEdit* field(const char* name) const { return find<QLineEdit>(name); }
    QAction* action(const char* name) const { return find<QAction>(name); }
    // Types into a field and leaves it for another, as a user does with Tab.
    void type(const char* name, const QString& keys) const {
        QLineEdit* edit = field(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, keys);
    }
    void leave() const { find("edtD")->setFocus(); }
    QString cell(const char* view, int row, int column) const {
        QAbstractItemModel* model = find<QTableView>(view)->model();
        return model->index(row, column).data().toString();
    }
    zelvaro::Project& project() const { return frm->project(); }
    // The worked mirror typed in: D 200, R 2000, 5 zones; one run of readings with the
    // parabola through H5.
    void typeWorkedExample() const {
        type("edtD", QStringLiteral("200"));
        type("edtR", QStringLiteral("2000"));
        type("edtNumZonas", QStringLiteral("5"));
        leave();
        action("actInserir")->trigger();
        QCOMPARE(QApplication::focusWidget(), find("RxDBGrid1"));
        for (double reading : kWorkedReadings) {
            typeAtTheFocus(QString::number(reading).replace('.', ','));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        project().mirror().selectParabolaZone(5);
    }
    // Two zones whose readings overflow the reduction: "Erro durante os cálculos!".
    void typeUnreducibleRow() const {
        type("edtNumZonas", QStringLiteral("2"));
        leave();
        action("actInserir")->trigger();
        typeAtTheFocus(QStringLiteral("1e308"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        typeAtTheFocus(QStringLiteral("-1e308"));
    }
};

}  // namespace zelvaro::fixtures
