#pragma once

#include <QMainWindow>

namespace zelvaro {

// The main window: a view and controller over the open test.
class TfrmPrincipal : public QMainWindow {
    Q_OBJECT

  public:
    explicit TfrmPrincipal(QWidget* parent = nullptr);
};

}  // namespace zelvaro
