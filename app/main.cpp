#include <QApplication>
#include <QScreen>

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
    return QApplication::exec();
}
