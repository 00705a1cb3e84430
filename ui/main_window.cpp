#include "ui/main_window.h"

namespace zelvaro {

TfrmPrincipal::TfrmPrincipal(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QStringLiteral("Zelvaro"));
    resize(949, 769);
}

}  // namespace zelvaro
