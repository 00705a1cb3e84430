#include "ui/help/help_contents_window.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/help/help_browser.h"

namespace zelvaro {

namespace {

constexpr int kTopicRole = Qt::UserRole;
constexpr int kSearchKeyRole = Qt::UserRole + 1;

QPushButton* makeButton(const QString& caption, const QString& name) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel* makeLabel(const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    return label;
}

// Lets the arrow and page keys typed into the search box move through the index list.
class ListKeysFilter : public QObject {
  public:
    ListKeysFilter(QListWidget* list, QObject* parent) : QObject(parent), list_(list) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                QCoreApplication::sendEvent(list_, event);
                return true;
            default:
                return false;
        }
    }

  private:
    QListWidget* list_;
};

}  // namespace

HelpContentsWindow::HelpContentsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      pages_(new QTabWidget),
      contents_(new QTextBrowser),
      search_(new QLineEdit),
      index_(new QListWidget) {
    setObjectName(QStringLiteral("frmConteudoAjuda"));
    setWindowTitle(QStringLiteral("Tópicos da Ajuda"));
    resize(520, 560);
    pages_->setObjectName(QStringLiteral("pgcAjuda"));
    contents_->setObjectName(QStringLiteral("txtConteudo"));
    contents_->setOpenLinks(false);
    contents_->document()->setDefaultStyleSheet(HelpStyleSheet());
    search_->setObjectName(QStringLiteral("edtProcura"));
    index_->setObjectName(QStringLiteral("lstIndice"));
    search_->installEventFilter(new ListKeysFilter(index_, this));

    QPushButton* showButton = makeButton(QStringLiteral("&Mostrar"), QStringLiteral("btnMostrar"));
    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->addWidget(
        makeLabel(QStringLiteral("&1 Digite a palavra que você procura:"), search_));
    indexLayout->addWidget(search_);
    indexLayout->addWidget(
        makeLabel(QStringLiteral("&2 Escolha uma entrada do índice e clique em Mostrar:"), index_));
    indexLayout->addWidget(index_);
    auto* showRow = new QHBoxLayout;
    showRow->addStretch();
    showRow->addWidget(showButton);
    indexLayout->addLayout(showRow);
    pages_->addTab(contents_, QStringLiteral("&Conteúdo"));
    pages_->addTab(indexPage, QStringLiteral("Índ&ice"));

    QPushButton* closeButton = makeButton(QStringLiteral("&Fechar"), QStringLiteral("btnFechar"));
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addLayout(closeRow);

    connect(contents_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        const int topic = HelpBrowser::topicOf(url);
        if (topic == 0) return;
        emit topicRequested(topic);
        close();
    });
    connect(search_, &QLineEdit::textChanged, this, &HelpContentsWindow::filterIndex);
    connect(search_, &QLineEdit::returnPressed, this, [this] { showEntry(index_->currentItem()); });
    connect(index_, &QListWidget::itemDoubleClicked, this, &HelpContentsWindow::showEntry);
    connect(showButton, &QPushButton::clicked, this, [this] { showEntry(index_->currentItem()); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
}

void HelpContentsWindow::setHelpFile(std::shared_ptr<const HelpFile> file) {
    file_ = std::move(file);
    if (!file_) return;
    setWindowTitle(QStringLiteral("Tópicos da Ajuda: %1").arg(file_->title()));
    contents_->setHtml(file_->contents());
    fillIndex();
}

void HelpContentsWindow::fillIndex() {
    const QList<HelpIndexEntry> entries = file_->index();
    QHash<QString, int> uses;
    for (const HelpIndexEntry& entry : entries) ++uses[HelpSearchKey(entry.keyword)];

    index_->clear();
    for (const HelpIndexEntry& entry : entries) {
        const QString key = HelpSearchKey(entry.keyword);
        // A keyword of several topics is told apart by the topics' titles.
        const QString text =
            uses.value(key) == 1
                ? entry.keyword
                : QStringLiteral("%1 — %2").arg(entry.keyword, file_->topic(entry.topic)->title);
        auto* item = new QListWidgetItem(text, index_);
        item->setData(kTopicRole, entry.topic);
        item->setData(kSearchKeyRole, key);
    }
    filterIndex(search_->text());
}

void HelpContentsWindow::filterIndex(const QString& text) {
    const QString key = HelpSearchKey(text.trimmed());
    QListWidgetItem* first = nullptr;
    QListWidgetItem* firstStarting = nullptr;
    for (int row = 0; row < index_->count(); ++row) {
        QListWidgetItem* item = index_->item(row);
        const QString itemKey = item->data(kSearchKeyRole).toString();
        item->setHidden(!itemKey.contains(key));
        if (item->isHidden()) continue;
        if (!first) first = item;
        if (!firstStarting && itemKey.startsWith(key)) firstStarting = item;
    }
    index_->setCurrentItem(firstStarting ? firstStarting : first);
    if (index_->currentItem()) index_->scrollToItem(index_->currentItem());
}

void HelpContentsWindow::showEntry(const QListWidgetItem* item) {
    if (!item || item->isHidden()) return;
    emit topicRequested(item->data(kTopicRole).toInt());
    close();
}

}  // namespace zelvaro
