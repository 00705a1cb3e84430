#pragma once

#include <QList>
#include <QPrinter>
#include <QStringList>
#include <optional>

#include "ui/user_dialogs.h"

namespace zelvaro::fixtures {

// Answers the window's questions and dialogs from scripts and records what was shown, one
// line each: "Confirm: Deseja salvar?", "Information: ...", "Zelvaro: ...", "Error: ...",
// "Open", "Save", "Printer", "Print".
class FakeDialogs : public UserDialogs {
  public:
    QStringList shown;
    QList<Answer> yesNoCancel;
    QList<bool> yesNo;
    QList<std::optional<QString>> openNames;
    QList<std::optional<QString>> saveNames;
    // What the save dialog proposed, each time.
    QStringList proposedSaveNames;
    // The print dialog's answers in turn (cancelled when none are left) and the PDF file a
    // confirmed dialog sends the page to.
    QList<bool> printAnswers;
    QString printTo;

    Answer askYesNoCancel(const QString& question) override {
        shown << QStringLiteral("Confirm: ") + question;
        return yesNoCancel.isEmpty() ? Answer::Cancel : yesNoCancel.takeFirst();
    }
    bool askYesNo(const QString& question) override {
        shown << QStringLiteral("Confirm: ") + question;
        return !yesNo.isEmpty() && yesNo.takeFirst();
    }
    void inform(const QString& text) override { shown << QStringLiteral("Information: ") + text; }
    void message(const QString& text) override { shown << QStringLiteral("Zelvaro: ") + text; }
    void reportError(const QString& text) override { shown << QStringLiteral("Error: ") + text; }
    std::optional<QString> openFileName(const QString&, const QString&) override {
        shown << QStringLiteral("Open");
        return openNames.isEmpty() ? std::nullopt : openNames.takeFirst();
    }
    std::optional<QString> saveFileName(const QString&, const QString& name) override {
        shown << QStringLiteral("Save");
        proposedSaveNames << name;
        return saveNames.isEmpty() ? std::nullopt : saveNames.takeFirst();
    }
    void printerSetup(QPrinter&) override { shown << QStringLiteral("Printer"); }
    bool choosePrinter(QPrinter& printer) override {
        shown << QStringLiteral("Print");
        const bool confirmed = !printAnswers.isEmpty() && printAnswers.takeFirst();
        if (confirmed && !printTo.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printTo);
        }
        return confirmed;
    }
};

}  // namespace zelvaro::fixtures
