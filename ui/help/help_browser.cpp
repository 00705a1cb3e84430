#include "ui/help/help_browser.h"

#include "ui/help/help_file.h"

namespace zelvaro {

namespace {

const QString kTopicScheme = QStringLiteral("topic");

}  // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    document()->setDefaultStyleSheet(HelpStyleSheet());
}

QUrl HelpBrowser::topicUrl(int number) {
    return QUrl(kTopicScheme + QLatin1Char(':') + QString::number(number));
}

int HelpBrowser::topicOf(const QUrl& url) {
    if (url.scheme() != kTopicScheme) return 0;
    bool ok = false;
    const int number = url.path().toInt(&ok);
    return ok && number > 0 ? number : 0;
}

void HelpBrowser::setHelpFile(std::shared_ptr<const HelpFile> file) {
    file_ = std::move(file);
    if (currentTopic() > 0) reload();
}

void HelpBrowser::showTopic(int number) {
    const QUrl url = topicUrl(number);
    if (source() == url) {
        reload();
    } else {
        setSource(url, QTextDocument::HtmlResource);
    }
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const int number = topicOf(name);
    if (type != QTextDocument::HtmlResource || number == 0) return QVariant();
    return pageOf(number);
}

QString HelpBrowser::pageOf(int number) const {
    const HelpTopic* topic = file_ ? file_->topic(number) : nullptr;
    if (!topic) {
        return QStringLiteral(
                   "<h1>Tópico não encontrado</h1>"
                   "<p>O tópico %1 não existe no arquivo de ajuda.</p>")
            .arg(number);
    }
    return QStringLiteral("<h1>%1</h1>\n%2").arg(topic->title.toHtmlEscaped(), topic->body);
}

QString HelpStyleSheet() {
    return QStringLiteral(
        "h1 { color: #1b3f73; font-size: x-large; margin-bottom: 8px; }"
        "h2 { color: #1b3f73; font-size: large; margin-top: 14px; }"
        "p { margin-top: 4px; margin-bottom: 6px; }"
        "p.formula { margin-left: 28px; font-style: italic; }"
        "p.nota { background-color: #fff6d5; }"
        "table { border-collapse: collapse; margin-top: 4px; margin-bottom: 8px; }"
        "th { background-color: #e3ebf7; border: 1px solid #9aa8bd; padding: 3px; }"
        "td { border: 1px solid #9aa8bd; padding: 3px; }"
        "a { color: #1a5fb4; }");
}

}  // namespace zelvaro
