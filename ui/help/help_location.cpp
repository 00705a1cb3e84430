#include "ui/help/help_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zelvaro {

namespace {

QString installedHelpFolder() {
#ifdef ZELVARO_HELP_DIR
    return QString::fromUtf8(ZELVARO_HELP_DIR);
#else
    return QString();
#endif
}

bool isFile(const QString& path) {
    return QFileInfo(path).isFile();
}

}  // namespace

QString HelpFileName() {
    return QStringLiteral("Zelvaro.hlp");
}

QString StartHelpFilePath() {
    // A program run from its build folder has its help file beside it; an installed one in the
    // installation's help folder.
    const QString beside =
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(HelpFileName());
    const QString folder = installedHelpFolder();
    if (folder.isEmpty() || QFileInfo::exists(beside)) return beside;
    return QDir(folder).absoluteFilePath(HelpFileName());
}

QStringList HelpSearchFolders() {
    QStringList folders{QDir::currentPath(), QCoreApplication::applicationDirPath()};
    folders << QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
    for (const QString& shared :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        folders << QDir(shared).filePath(QStringLiteral("zelvaro"));
    }
    if (!installedHelpFolder().isEmpty()) folders << installedHelpFolder();
    folders.removeDuplicates();
    return folders;
}

QString LocateHelpFile(const QString& pathOrName, const QStringList& folders) {
    if (pathOrName.isEmpty()) return QString();
    if (QDir::isAbsolutePath(pathOrName)) return isFile(pathOrName) ? pathOrName : QString();
    for (const QString& folder : folders) {
        const QString path = QDir(folder).absoluteFilePath(pathOrName);
        if (isFile(path)) return path;
    }
    return QString();
}

}  // namespace zelvaro
