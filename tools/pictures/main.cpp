// Makes the pictures of the README with the program's own windows, offscreen: the main window
// after opening (and so reducing) an example, and its results page.
//
//   zelvaro-pictures EXAMPLE.pbl OUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "ui/main_window.h"
#include "ui/results/results_window.h"

namespace {

bool Save(const QImage& picture, const QString& path) {
    if (picture.save(path)) return true;
    std::fprintf(stderr, "zelvaro-pictures: %s não foi gravado\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "uso: zelvaro-pictures EXEMPLO.pbl PASTA\n");
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir settings;
    zelvaro::WindowEnvironment environment;
    environment.settingsPath = settings.filePath(QStringLiteral("Zelvaro.INI"));
    zelvaro::TfrmPrincipal window(environment);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    window.openFile(QString::fromLocal8Bit(argv[1]));
    window.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(0);
    QApplication::processEvents();
    if (!Save(window.grab().toImage(), out.filePath(QStringLiteral("janela-principal.png"))))
        return 1;

    zelvaro::TfrmResultados& results = window.results();
    results.show();
    QImage page(zelvaro::TfrmResultados::kWidth, zelvaro::TfrmResultados::kHeight,
                QImage::Format_RGB32);
    results.drawPage(page);
    return Save(page, out.filePath(QStringLiteral("pagina-de-resultados.png"))) ? 0 : 1;
}
