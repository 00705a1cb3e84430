#pragma once

#include <QTextBrowser>
#include <QUrl>
#include <memory>

namespace zelvaro {

class HelpFile;

// The page area of the help window: shows the topics of a help file at the addresses
// "topic:N", so that links between topics, back and forward work as in a web browser. A link
// to a topic the file lacks shows a page that says so.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

  public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    // The address of topic `number`, and the topic an address names (0 for other addresses).
    static QUrl topicUrl(int number);
    static int topicOf(const QUrl& url);

    // The file whose topics are shown; the page on show is read again from it.
    void setHelpFile(std::shared_ptr<const HelpFile> file);
    void showTopic(int number);
    // The topic on show; 0 before the first.
    int currentTopic() const { return topicOf(source()); }

    QVariant loadResource(int type, const QUrl& name) override;

  private:
    QString pageOf(int number) const;

    std::shared_ptr<const HelpFile> file_;
};

// The look of the help pages: headings, formulas, notes and tables.
QString HelpStyleSheet();

}  // namespace zelvaro
