#pragma once

#include <QWidget>
#include <memory>

class QPushButton;

namespace zelvaro {

class HelpBrowser;
class HelpFile;

// frmAjuda: the help window, not modal. Shows one topic at a time; links lead to other
// topics, "&Voltar" and "&Avançar" (or Alt+Left and Alt+Right) walk the topics seen, and
// "&Conteúdo" asks for the contents window.
class HelpViewer : public QWidget {
    Q_OBJECT

  public:
    explicit HelpViewer(QWidget* parent = nullptr);

    void setHelpFile(std::shared_ptr<const HelpFile> file);
    // Shows topic `number` and brings the window to the front.
    void showTopic(int number);
    // The topic on show; 0 before the first.
    int currentTopic() const;

  signals:
    void contentsRequested();

  private:
    HelpBrowser* browser_;
    QPushButton* back_;
    QPushButton* forward_;
};

}  // namespace zelvaro
