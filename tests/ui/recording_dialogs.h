#pragma once

#include <QStringList>

#include "ui/user_dialogs.h"

namespace zelvaro {

// Answers no question and records every message and error report shown.
class RecordingDialogs : public UserDialogs {
  public:
    QStringList messages;
    QStringList errors;

    Answer askYesNoCancel(const QString&) override { return Answer::Cancel; }
    bool askYesNo(const QString&) override { return false; }
    void inform(const QString& text) override { messages.append(text); }
    void message(const QString& text) override { messages.append(text); }
    void reportError(const QString& text) override { errors.append(text); }
    std::optional<QString> openFileName(const QString&, const QString&) override { return {}; }
    std::optional<QString> saveFileName(const QString&, const QString&) override { return {}; }
    void printerSetup(QPrinter&) override {}
    bool choosePrinter(QPrinter&) override { return false; }
};

}  // namespace zelvaro
