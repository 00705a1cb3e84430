#include "ui/about/about_window.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace zelvaro {

namespace {

QLabel* photoOf(const TfrmSobre& window) {
    return window.findChild<QLabel*>(QStringLiteral("Image1"));
}

QPushButton* closeButtonOf(const TfrmSobre& window) {
    return window.findChild<QPushButton*>(QStringLiteral("btnFechar"));
}

}  // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void isAModalToolWindow();
    void creditsTheProjectInFourRightAlignedLines();
    void showsThePhotographAlongTheBottomEdge();
    void leavesThePhotographEmptyWhenItCannotBeRead_data();
    void leavesThePhotographEmptyWhenItCannotBeRead();
    void closes_data();
    void closes();
    void centresOnAWindow();
};

void AboutWindowTest::isAModalToolWindow() {
    const TfrmSobre window(nullptr);
    QCOMPARE(window.objectName(), QStringLiteral("frmSobre"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Sobre..."));
    QVERIFY(window.isModal());
    QCOMPARE(window.windowType(), Qt::Tool);
    QVERIFY(!window.isVisible());
    QPushButton* button = closeButtonOf(window);
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("&Fechar"));
    QVERIFY(button->isDefault());
}

void AboutWindowTest::creditsTheProjectInFourRightAlignedLines() {
    const TfrmSobre window(nullptr);
    const QStringList credits = {QStringLiteral("Zelvaro — software livre para espelhistas"),
                                 QStringLiteral("2026"), QStringLiteral("Licença GPL-3.0-or-later"),
                                 QStringLiteral("Código-fonte junto ao programa")};
    const auto* panel = window.findChild<QWidget*>(QStringLiteral("Panel1"));
    QVERIFY(panel);
    const QList<QLabel*> lines = panel->findChildren<QLabel*>();
    QCOMPARE(lines.size(), credits.size());
    for (int i = 0; i < lines.size(); ++i) {
        QCOMPARE(lines[i]->text(), credits[i]);
        QVERIFY(lines[i]->alignment() & Qt::AlignRight);
    }
}

// The photograph comes from the program's resources, fills the window's width and ends at its
// bottom edge; what is painted there is the photograph.
void AboutWindowTest::showsThePhotographAlongTheBottomEdge() {
    TfrmSobre window(nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QLabel* photo = photoOf(window);
    QVERIFY(photo);
    const QPixmap picture = photo->pixmap();
    QCOMPARE(picture.size(), QSize(360, 120));
    QCOMPARE(photo->geometry().left(), 0);
    QCOMPARE(photo->width(), window.width());
    QCOMPARE(photo->geometry().bottom(), window.height() - 1);
    QVERIFY(photo->geometry().top() > closeButtonOf(window)->mapTo(&window, QPoint()).y());

    const QImage shown = window.grab().toImage();
    const QImage expected = picture.toImage();
    const QPoint offset = photo->mapTo(&window, QPoint((photo->width() - 360) / 2, 0));
    for (const QPoint point : {QPoint(330, 60), QPoint(280, 60), QPoint(2, 118)}) {
        QCOMPARE(shown.pixelColor(offset + point), expected.pixelColor(point));
    }
}

void AboutWindowTest::leavesThePhotographEmptyWhenItCannotBeRead_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("exists");
    QFile resource(kAboutPhoto);
    QVERIFY(resource.open(QIODevice::ReadOnly));
    const QByteArray photo = resource.readAll();
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("not a picture") << QByteArray("Zelvaro") << true;
    QTest::newRow("cut short") << photo.left(photo.size() / 3) << true;
}

void AboutWindowTest::leavesThePhotographEmptyWhenItCannotBeRead() {
    QFETCH(QByteArray, contents);
    QFETCH(bool, exists);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString fileName = folder.filePath(QStringLiteral("foucault.jpg"));
    if (exists) {
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    TfrmSobre window(nullptr, fileName);
    TfrmSobre whole(nullptr);
    window.show();
    whole.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(QTest::qWaitForWindowExposed(&whole));
    QVERIFY(photoOf(window)->pixmap().isNull());
    QCOMPARE(window.size(), whole.size());
    QCOMPARE(photoOf(window)->geometry(), photoOf(whole)->geometry());
}

void AboutWindowTest::closes_data() {
    QTest::addColumn<QTestEventList>("events");
    QTest::addColumn<bool>("onButton");
    QTestEventList click;
    click.addMouseClick(Qt::LeftButton);
    QTestEventList enter;
    enter.addKeyClick(Qt::Key_Return);
    QTestEventList mnemonic;
    mnemonic.addKeyClick(Qt::Key_F, Qt::AltModifier);
    QTestEventList escape;
    escape.addKeyClick(Qt::Key_Escape);
    QTest::newRow("click on \"&Fechar\"") << click << true;
    QTest::newRow("Enter presses the default button") << enter << false;
    QTest::newRow("Alt+F") << mnemonic << false;
    QTest::newRow("Esc") << escape << false;
}

void AboutWindowTest::closes() {
    QFETCH(QTestEventList, events);
    QFETCH(bool, onButton);
    TfrmSobre window(nullptr);
    window.open();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(window.isVisible());
    events.simulate(onButton ? static_cast<QWidget*>(closeButtonOf(window)) : &window);
    // A mnemonic presses the button as a click is shown, a moment later.
    QTRY_VERIFY(!window.isVisible());
}

void AboutWindowTest::centresOnAWindow() {
    QWidget main;
    main.setGeometry(120, 90, 900, 640);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    TfrmSobre window(&main);
    window.centreOn(&main);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint distance = window.geometry().center() - main.geometry().center();
    QVERIFY2(distance.manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1, %2").arg(distance.x()).arg(distance.y())));
}

int runAboutWindowTests(int argc, char** argv) {
    AboutWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace zelvaro

#include "about_window_test.moc"
