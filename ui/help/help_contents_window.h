#pragma once

#include <QList>
#include <QWidget>
#include <memory>

#include "ui/help/help_file.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTextBrowser;

namespace zelvaro {

// frmConteudoAjuda: the help's contents and index, not modal. The page "&Conteúdo" shows the
// contents page of the help file, whose links name topics; the page "Índ&ice" lists every
// keyword, filtered by the keywords that contain what is typed above the list (case and
// accents ignored); the first that starts with it is selected. Following a
// link, double-clicking a keyword, Enter or "&Mostrar" asks for the topic and closes the
// window.
class HelpContentsWindow : public QWidget {
    Q_OBJECT

  public:
    explicit HelpContentsWindow(QWidget* parent = nullptr);

    void setHelpFile(std::shared_ptr<const HelpFile> file);

  signals:
    void topicRequested(int number);

  private:
    void fillIndex();
    void filterIndex(const QString& text);
    void showEntry(const QListWidgetItem* item);

    std::shared_ptr<const HelpFile> file_;
    QTabWidget* pages_;
    QTextBrowser* contents_;
    QLineEdit* search_;
    QListWidget* index_;
};

}  // namespace zelvaro
