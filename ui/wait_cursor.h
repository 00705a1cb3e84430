#pragma once

#include <QApplication>
#include <QCursor>

namespace zelvaro {

// The hourglass while a command works; the normal cursor again when it ends, also by an error.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace zelvaro
