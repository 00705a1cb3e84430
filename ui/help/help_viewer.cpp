#include "ui/help/help_viewer.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/help/help_browser.h"
#include "ui/help/help_file.h"

namespace zelvaro {

namespace {

QPushButton* addButton(QHBoxLayout* row, const QString& caption, const QString& name) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

}  // namespace

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new HelpBrowser) {
    setObjectName(QStringLiteral("frmAjuda"));
    setWindowTitle(QStringLiteral("Ajuda"));
    resize(640, 560);

    auto* buttons = new QHBoxLayout;
    QPushButton* contents =
        addButton(buttons, QStringLiteral("&Conteúdo"), QStringLiteral("btnConteudo"));
    back_ = addButton(buttons, QStringLiteral("&Voltar"), QStringLiteral("btnVoltar"));
    forward_ = addButton(buttons, QStringLiteral("&Avançar"), QStringLiteral("btnAvancar"));
    buttons->addStretch();
    back_->setEnabled(false);
    forward_->setEnabled(false);

    browser_->setObjectName(QStringLiteral("txtTopico"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    connect(contents, &QPushButton::clicked, this, &HelpViewer::contentsRequested);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
}

void HelpViewer::setHelpFile(std::shared_ptr<const HelpFile> file) {
    if (file) setWindowTitle(file->title());
    browser_->setHelpFile(std::move(file));
}

void HelpViewer::showTopic(int number) {
    browser_->showTopic(number);
    show();
    raise();
    activateWindow();
}

int HelpViewer::currentTopic() const {
    return browser_->currentTopic();
}

}  // namespace zelvaro
