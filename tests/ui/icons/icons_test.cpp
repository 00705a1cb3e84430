#include <QAction>
#include <QIcon>
#include <QImage>
#include <QTest>
#include <QWidget>

#include "ui/app_icon.h"
#include "ui/main_actions.h"

namespace {

// True when the icon draws something at that size: a missing file, a broken SVG or a missing
// SVG icon engine all give an empty or fully transparent picture.
bool drawsSomething(const QIcon& icon, int size) {
    const QImage image = icon.pixmap(size, size).toImage();
    if (image.isNull()) return false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) return true;
        }
    }
    return false;
}

}  // namespace

class IconsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // No icon theme at all, so that every command shows the picture the program brings.
        QIcon::setThemeSearchPaths({});
        QIcon::setFallbackSearchPaths({});
    }

    void bundledIconDraws_data() {
        QTest::addColumn<QString>("file");
        // The commands' pictures, the three the image list keeps unused, and the program's.
        for (const char* file :
             {"blank-page.svg",    "door-exit.svg",    "edit-text.svg",   "first.svg",
              "floppy-disk.svg",   "green-tick.svg",   "help-book.svg",   "insert.svg",
              "last.svg",          "next.svg",         "open-folder.svg", "page-chart.svg",
              "page-lines.svg",    "page-refresh.svg", "page-tick.svg",   "previous.svg",
              "printer-setup.svg", "printer.svg",      "red-cross.svg",   "three-dots.svg",
              "zelvaro.svg"}) {
            QTest::newRow(file) << QString::fromLatin1(file);
        }
    }

    void bundledIconDraws() {
        QFETCH(QString, file);
        QVERIFY(drawsSomething(QIcon(QStringLiteral(":/icons/") + file), 16));
    }

    void everyCommandHasItsIcon() {
        QWidget window;
        const zelvaro::MainActions actions = zelvaro::CreateMainActions(&window);
        for (const QAction* action : actions) {
            QVERIFY2(drawsSomething(action->icon(), 16), qPrintable(action->objectName()));
        }
    }

    void programIconScales_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("16") << 16;
        QTest::newRow("256") << 256;
    }

    void programIconScales() {
        QFETCH(int, size);
        const QIcon icon = zelvaro::ZelvaroIcon();
        QCOMPARE(icon.pixmap(size, size).size(), QSize(size, size));
        QVERIFY(drawsSomething(icon, size));
    }
};

QTEST_MAIN(IconsTest)
#include "icons_test.moc"
