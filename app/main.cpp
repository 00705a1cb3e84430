#include <QApplication>
#include <QScreen>
#include <QStringList>

#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvaro"));
    zelvaro::TfrmPrincipal window;
    // Centred on the screen at start.
    if (const QScreen* screen = QApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();
    // "zelvaro FILE.pbl", as a file manager starts it: the file opens as with "&Abrir".
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) window.openFile(arguments.at(1));
    return QApplication::exec();
}
