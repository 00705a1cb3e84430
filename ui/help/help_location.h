#pragma once

#include <QString>
#include <QStringList>

namespace zelvaro {

// The help file's name without a folder, as the help commands name it.
QString HelpFileName();

// The absolute path the program starts with: in the installed help folder when the build
// names one (ZELVARO_HELP_DIR), else beside the executable.
QString StartHelpFilePath();

// Where a name without a folder is looked for, in this order: the current folder, the
// executable's folder, the application's data folders and "zelvaro" in the shared data
// folders, then the installed help folder when the build names one.
QStringList HelpSearchFolders();

// The file that `pathOrName` names: an absolute path as it is, a relative one in the first
// of `folders` that holds it. Empty when there is no such file.
QString LocateHelpFile(const QString& pathOrName, const QStringList& folders);

}  // namespace zelvaro
