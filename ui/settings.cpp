#include "ui/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "data/private_profile.h"

namespace zelvaro {

namespace {

const QString Formats = QStringLiteral("FORMATACOES");
const QString Folders = QStringLiteral("DIRETORIOS");
const QString CheckBoxes = QStringLiteral("CHECKBOXES");
const QString DecimalPatternKey = QStringLiteral("FORMATDECIMAL");
const QString StartDirectoryKey = QStringLiteral("DIRETORIOCORRENTE");
const QString FractionalFormatKey = QStringLiteral("FORMATACAONUMFRACIONARIO");
const QString AutoRadiiKey = QStringLiteral("AUTOCALCULARHX");
const QString ShowHintsKey = QStringLiteral("MOSTRARDICAS");
const QString ScientificKey = QStringLiteral("NOTACAOCIENTIFICA");

QString yesNoText(bool yes) {
    return yes ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace

Settings Settings::read(const QString& iniPath, const QString& executableFolder) {
    const PrivateProfile profile(iniPath);
    Settings settings;
    settings.decimalPattern =
        profile.readString(Formats, DecimalPatternKey).value_or(settings.decimalPattern);
    settings.startDirectory =
        profile.readString(Folders, StartDirectoryKey).value_or(executableFolder);
    settings.fractionalFormat =
        profile.readString(Formats, FractionalFormatKey).value_or(settings.fractionalFormat);
    settings.autoRadii = ReadYesNo(profile.readString(CheckBoxes, AutoRadiiKey), true);
    settings.showHints = ReadYesNo(profile.readString(CheckBoxes, ShowHintsKey), true);
    settings.scientific = ReadYesNo(profile.readString(CheckBoxes, ScientificKey), false);
    return settings;
}

void Settings::write(const QString& iniPath) const {
    // The folder under the user's configuration folder does not exist before the first close.
    QDir().mkpath(QFileInfo(iniPath).absolutePath());
    const PrivateProfile profile(iniPath);
    profile.writeString(Formats, DecimalPatternKey, decimalPattern);
    profile.writeString(Folders, StartDirectoryKey, startDirectory);
    profile.writeString(Formats, FractionalFormatKey, fractionalFormat);
    profile.writeString(CheckBoxes, AutoRadiiKey, yesNoText(autoRadii));
    profile.writeString(CheckBoxes, ShowHintsKey, yesNoText(showHints));
    profile.writeString(CheckBoxes, ScientificKey, yesNoText(scientific));
}

bool IsWritablePath(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) {
        QTemporaryFile probe(QDir(path).filePath(QStringLiteral("zelvaro-XXXXXX")));
        return probe.open();
    }
    QFile file(path);
    return file.exists() && file.open(QIODevice::ReadWrite);
}

QString SettingsFilePath(const QString& executablePath, const QString& configFolder,
                         const std::function<bool(const QString&)>& isWritable) {
    const QFileInfo executable(executablePath);
    const QString name = executable.completeBaseName() + QStringLiteral(".INI");
    const QString beside = QDir(executable.absolutePath()).filePath(name);
    const bool usable =
        QFileInfo::exists(beside) ? isWritable(beside) : isWritable(executable.absolutePath());
    return usable ? beside : QDir(configFolder).filePath(name);
}

}  // namespace zelvaro
