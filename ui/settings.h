#pragma once

#include <QString>
#include <functional>

namespace zelvaro {

// The six preferences kept between runs in the settings file, with their defaults. The main
// window reads them once when it is created and writes them once when it closes; this is the
// only place that knows the file's sections and keys.
class Settings {
  public:
    QString decimalPattern = QStringLiteral("#,##0.00000");
    // The default is the executable's folder, given to read().
    QString startDirectory;
    QString fractionalFormat = QStringLiteral("%.9f");
    bool autoRadii = true;
    bool showHints = true;
    bool scientific = false;

    // Reads FORMATDECIMAL, DIRETORIOCORRENTE, FORMATACAONUMFRACIONARIO, AUTOCALCULARHX,
    // MOSTRARDICAS and NOTACAOCIENTIFICA in this order; whatever is missing or unreadable
    // keeps its default, `executableFolder` (with its trailing separator) for the folder.
    static Settings read(const QString& iniPath, const QString& executableFolder);

    // Writes the six entries in the same order, each at once, the ticks as "1" or "0". The
    // file's folder is made when it is missing. Throws ProfileWriteError; the entries
    // written before the failing one stay written.
    void write(const QString& iniPath) const;
};

// Whether a file, or a new file in a folder, can be written: found by trying, since on some
// systems the permission bits do not tell.
bool IsWritablePath(const QString& path);

// The settings file: the executable's path with its extension replaced by ".INI" when that
// file can be written, or can be made in the executable's folder; otherwise the file of the
// same name in `configFolder`, so that an installed program still keeps its preferences.
QString SettingsFilePath(const QString& executablePath, const QString& configFolder,
                         const std::function<bool(const QString&)>& isWritable = IsWritablePath);

}  // namespace zelvaro
