#pragma once

#include <QPointer>
#include <QString>
#include <memory>

class QWidget;

namespace zelvaro {

class HelpContentsWindow;
class HelpFile;
class HelpViewer;
class UserDialogs;

// The program's help: a help file of numbered topics, its contents window and its help window.
// The file is named by an absolute path or by a bare name, which is looked for in the current
// folder, beside the executable and in the data folders (HelpSearchFolders), and is read
// afresh each time help is asked for. A file that cannot be found or read, or a topic it
// lacks, is reported with a message and nothing else happens.
class HelpSystem {
  public:
    // The windows are owned by `parentWindow` (may be null) and by this object.
    HelpSystem(QWidget* parentWindow, UserDialogs& dialogs);
    ~HelpSystem();
    HelpSystem(const HelpSystem&) = delete;
    HelpSystem& operator=(const HelpSystem&) = delete;

    // The start value is StartHelpFilePath().
    void setHelpFile(const QString& pathOrBareName);
    QString helpFile() const { return helpFile_; }

    // The contents and index window.
    void showContents();
    // Topic `topic` in the help window; nothing for 0 (a control without a topic).
    void showTopic(int topic);

    // The windows, null until first shown.
    HelpViewer* viewer() const;
    HelpContentsWindow* contentsWindow() const;

  private:
    // The file read afresh; null after its fault has been shown.
    std::shared_ptr<const HelpFile> readFile();
    HelpViewer& ensureViewer();
    HelpContentsWindow& ensureContentsWindow();

    QWidget* parentWindow_;
    UserDialogs& dialogs_;
    QString helpFile_;
    QPointer<HelpViewer> viewer_;
    QPointer<HelpContentsWindow> contentsWindow_;
};

}  // namespace zelvaro
