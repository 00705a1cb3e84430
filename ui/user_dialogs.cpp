#include "ui/user_dialogs.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace zelvaro {

namespace {

const QString kFileFilter = QStringLiteral("Arquivo de dados (*.pbl)");

// A message box whose title and buttons are the ones given, not the toolkit's translations.
QMessageBox::ButtonRole runBox(
    QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
    std::initializer_list<std::pair<QString, QMessageBox::ButtonRole>> buttons) {
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    QAbstractButton* first = nullptr;
    for (const auto& [caption, role] : buttons) {
        QAbstractButton* button = box.addButton(caption, role);
        if (!first) first = button;
    }
    box.setDefaultButton(qobject_cast<QPushButton*>(first));
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    // Closing the box without a button is its escape button, or else the last one.
    return clicked ? box.buttonRole(clicked) : QMessageBox::RejectRole;
}

std::optional<QString> runFileDialog(QWidget* parent, QFileDialog::AcceptMode mode,
                                     const QString& folder, const QString& name) {
    QFileDialog dialog(parent);
    dialog.setWindowTitle(mode == QFileDialog::AcceptOpen ? QStringLiteral("Abrir")
                                                          : QStringLiteral("Salvar como"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(kFileFilter);
    dialog.setDefaultSuffix(QStringLiteral("pbl"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!folder.isEmpty()) dialog.setDirectory(folder);
    if (!name.isEmpty()) dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace

UserDialogs::Answer QtUserDialogs::askYesNoCancel(const QString& question) {
    switch (runBox(parent_, QMessageBox::Question, QStringLiteral("Confirm"), question,
                   {{QStringLiteral("&Yes"), QMessageBox::YesRole},
                    {QStringLiteral("&No"), QMessageBox::NoRole},
                    {QStringLiteral("Cancel"), QMessageBox::RejectRole}})) {
        case QMessageBox::YesRole:
            return Answer::Yes;
        case QMessageBox::NoRole:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

bool QtUserDialogs::askYesNo(const QString& question) {
    return runBox(parent_, QMessageBox::Question, QStringLiteral("Confirm"), question,
                  {{QStringLiteral("&Yes"), QMessageBox::YesRole},
                   {QStringLiteral("&No"), QMessageBox::NoRole}}) == QMessageBox::YesRole;
}

void QtUserDialogs::inform(const QString& text) {
    runBox(parent_, QMessageBox::Information, QStringLiteral("Information"), text,
           {{QStringLiteral("OK"), QMessageBox::AcceptRole}});
}

void QtUserDialogs::message(const QString& text) {
    runBox(parent_, QMessageBox::NoIcon, QStringLiteral("Zelvaro"), text,
           {{QStringLiteral("OK"), QMessageBox::AcceptRole}});
}

void QtUserDialogs::reportError(const QString& text) {
    runBox(parent_, QMessageBox::Critical, QStringLiteral("Zelvaro"), text,
           {{QStringLiteral("OK"), QMessageBox::AcceptRole}});
}

std::optional<QString> QtUserDialogs::openFileName(const QString& folder, const QString& name) {
    return runFileDialog(parent_, QFileDialog::AcceptOpen, folder, name);
}

std::optional<QString> QtUserDialogs::saveFileName(const QString& folder, const QString& name) {
    return runFileDialog(parent_, QFileDialog::AcceptSave, folder, name);
}

void QtUserDialogs::printerSetup(QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent_);
    dialog.exec();
}

bool QtUserDialogs::choosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    dialog.setOptions(QAbstractPrintDialog::PrintCollateCopies);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace zelvaro
