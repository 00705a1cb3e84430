#pragma once

#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace zelvaro {

// Every question, message and file dialog the main window shows, behind one interface so that
// tests can answer them. The message boxes carry the standard English titles and buttons.
class UserDialogs {
  public:
    enum class Answer { Yes, No, Cancel };

    virtual ~UserDialogs() = default;

    // "Confirm", a question icon, "&Yes", "&No" and "Cancel".
    virtual Answer askYesNoCancel(const QString& question) = 0;
    // "Confirm", a question icon, "&Yes" and "&No".
    virtual bool askYesNo(const QString& question) = 0;
    // "Information", an information icon and "OK".
    virtual void inform(const QString& text) = 0;
    // A plain message: the application title "Zelvaro" and "OK".
    virtual void message(const QString& text) = 0;
    // The default error report: "Zelvaro", an error icon and "OK".
    virtual void reportError(const QString& text) = 0;
    // The open and save dialogs: filter "Arquivo de dados (*.pbl)", default extension "pbl".
    // No value when cancelled.
    virtual std::optional<QString> openFileName(const QString& folder, const QString& name) = 0;
    virtual std::optional<QString> saveFileName(const QString& folder, const QString& name) = 0;
    // The printer set-up dialog; what is chosen there is what later printing uses.
    virtual void printerSetup(QPrinter& printer) = 0;
    // The print dialog: printer, copies and collation. False when cancelled.
    virtual bool choosePrinter(QPrinter& printer) = 0;
};

// The dialogs of the window system, parented to `parent`.
class QtUserDialogs : public UserDialogs {
  public:
    explicit QtUserDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    Answer askYesNoCancel(const QString& question) override;
    bool askYesNo(const QString& question) override;
    void inform(const QString& text) override;
    void message(const QString& text) override;
    void reportError(const QString& text) override;
    std::optional<QString> openFileName(const QString& folder, const QString& name) override;
    std::optional<QString> saveFileName(const QString& folder, const QString& name) override;
    void printerSetup(QPrinter& printer) override;
    bool choosePrinter(QPrinter& printer) override;

  private:
    QWidget* parent_;
};

}  // namespace zelvaro
