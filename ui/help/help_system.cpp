#include "ui/help/help_system.h"

#include <QDir>

#include "ui/help/help_contents_window.h"
#include "ui/help/help_file.h"
#include "ui/help/help_location.h"
#include "ui/help/help_viewer.h"
#include "ui/user_dialogs.h"

namespace zelvaro {

HelpSystem::HelpSystem(QWidget* parentWindow, UserDialogs& dialogs)
    : parentWindow_(parentWindow), dialogs_(dialogs), helpFile_(StartHelpFilePath()) {}

HelpSystem::~HelpSystem() {
    delete viewer_;
    delete contentsWindow_;
}

void HelpSystem::setHelpFile(const QString& pathOrBareName) {
    helpFile_ = pathOrBareName;
}

void HelpSystem::showContents() {
    const std::shared_ptr<const HelpFile> file = readFile();
    if (!file) return;
    HelpContentsWindow& window = ensureContentsWindow();
    window.setHelpFile(file);
    window.show();
    window.raise();
    window.activateWindow();
}

void HelpSystem::showTopic(int topic) {
    if (topic <= 0) return;
    const std::shared_ptr<const HelpFile> file = readFile();
    if (!file) return;
    if (!file->topic(topic)) {
        dialogs_.message(QStringLiteral("O tópico %1 não existe no arquivo de ajuda %2.")
                             .arg(topic)
                             .arg(QDir::toNativeSeparators(helpFile_)));
        return;
    }
    HelpViewer& viewer = ensureViewer();
    viewer.setHelpFile(file);
    viewer.showTopic(topic);
}

HelpViewer* HelpSystem::viewer() const {
    return viewer_;
}

HelpContentsWindow* HelpSystem::contentsWindow() const {
    return contentsWindow_;
}

std::shared_ptr<const HelpFile> HelpSystem::readFile() {
    const QString path = LocateHelpFile(helpFile_, HelpSearchFolders());
    if (path.isEmpty()) {
        dialogs_.message(HelpFileMissingText(helpFile_));
        return nullptr;
    }
    try {
        return std::make_shared<const HelpFile>(HelpFile::load(path));
    } catch (const HelpFileError& error) {
        dialogs_.message(error.text());
        return nullptr;
    }
}

HelpViewer& HelpSystem::ensureViewer() {
    if (!viewer_) {
        viewer_ = new HelpViewer(parentWindow_);
        QObject::connect(viewer_, &HelpViewer::contentsRequested, viewer_,
                         [this] { showContents(); });
    }
    return *viewer_;
}

HelpContentsWindow& HelpSystem::ensureContentsWindow() {
    if (!contentsWindow_) {
        contentsWindow_ = new HelpContentsWindow(parentWindow_);
        QObject::connect(contentsWindow_, &HelpContentsWindow::topicRequested, contentsWindow_,
                         [this](int topic) { showTopic(topic); });
    }
    return *contentsWindow_;
}

}  // namespace zelvaro
