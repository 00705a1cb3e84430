#include <gtest/gtest.h>

#include "tests/data/ini_file_fixture.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QString>
#include <QTemporaryDir>
#include <initializer_list>

#include "data/private_profile.h"
#include "ui/settings.h"

namespace zelvaro {
namespace {

const QString ExecutableFolder = QStringLiteral("/opt/zelvaro/");

QByteArray joined(std::initializer_list<QByteArray> lines, const QByteArray& end) {
    QByteArray bytes;
    for (const QByteArray& line : lines) bytes += line + end;
    return bytes;
}

QByteArray utf16LittleEndian(const QString& text) {
    QByteArray bytes("\xFF\xFE");
    for (const QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

Settings defaults() {
    Settings settings;
    settings.startDirectory = ExecutableFolder;
    return settings;
}

Settings with(Settings settings, void (*change)(Settings&)) {
    change(settings);
    return settings;
}

void expectSettings(const Settings& actual, const Settings& expected, const char* name) {
    EXPECT_EQ(actual.decimalPattern, expected.decimalPattern) << name;
    EXPECT_EQ(actual.startDirectory, expected.startDirectory) << name;
    EXPECT_EQ(actual.fractionalFormat, expected.fractionalFormat) << name;
    EXPECT_EQ(actual.autoRadii, expected.autoRadii) << name;
    EXPECT_EQ(actual.showHints, expected.showHints) << name;
    EXPECT_EQ(actual.scientific, expected.scientific) << name;
}

class SettingsTest : public fixtures::IniFileFixture {};

TEST_F(SettingsTest, WithoutAFileReadsTheDefaultsAndWritesTheThreeSections) {
    const Settings read = Settings::read(path(), ExecutableFolder);
    expectSettings(read, defaults(), "no file");
    Settings closing = read;
    closing.startDirectory.clear();
    closing.write(path());
    EXPECT_EQ(stored(),
              joined({"[FORMATACOES]", "FORMATDECIMAL=#,##0.00000", "FORMATACAONUMFRACIONARIO=%.9f",
                      "[DIRETORIOS]", "DIRETORIOCORRENTE=", "[CHECKBOXES]", "AUTOCALCULARHX=1",
                      "MOSTRARDICAS=1", "NOTACAOCIENTIFICA=0"},
                     "\r\n"));
    expectSettings(Settings::read(path(), ExecutableFolder), closing, "read again");
}

TEST_F(SettingsTest, ReadsWhatTheFileHolds) {
    const struct Case {
        const char* name;
        QByteArray bytes;
        Settings expected;
    } cases[] = {
        {"hints true is the default", "[CHECKBOXES]\r\nMOSTRARDICAS=true\r\n", defaults()},
        {"hints 0x0", "[CHECKBOXES]\r\nMOSTRARDICAS=0x0\r\n",
         with(defaults(), [](Settings& s) { s.showHints = false; })},
        {"hints 2", "[checkboxes]\r\nmostrardicas=2\r\n", defaults()},
        {"scientific true is the default", "[CHECKBOXES]\r\nNOTACAOCIENTIFICA=true\r\n",
         defaults()},
        {"scientific 1", "[CHECKBOXES]\r\nNOTACAOCIENTIFICA=1\r\n",
         with(defaults(), [](Settings& s) { s.scientific = true; })},
        {"no automatic radii", "[CHECKBOXES]\r\nAUTOCALCULARHX=0\r\n",
         with(defaults(), [](Settings& s) { s.autoRadii = false; })},
        {"present and empty",
         "[FORMATACOES]\r\nFORMATDECIMAL=\r\n[DIRETORIOS]\r\nDIRETORIOCORRENTE=\r\n",
         with(defaults(),
              [](Settings& s) {
                  s.decimalPattern.clear();
                  s.startDirectory.clear();
              })},
        {"texts as they are",
         "[FORMATACOES]\r\nFORMATDECIMAL=0.00\r\nFORMATACAONUMFRACIONARIO=%.2e\r\n"
         "[DIRETORIOS]\r\nDIRETORIOCORRENTE=/dados/a\xC3\xA7\xC3\xA3o/\r\n",
         with(defaults(),
              [](Settings& s) {
                  s.decimalPattern = QStringLiteral("0.00");
                  s.fractionalFormat = QStringLiteral("%.2e");
                  s.startDirectory = QString::fromUtf8("/dados/ação/");
              })},
    };
    for (const Case& c : cases) {
        store(c.bytes);
        expectSettings(Settings::read(path(), ExecutableFolder), c.expected, c.name);
    }
}

// What the program writes at close in the cases below.
Settings closing() {
    Settings settings;
    settings.decimalPattern = QStringLiteral("0.0");
    settings.startDirectory = QString::fromUtf8("/dados/ação/");
    settings.fractionalFormat = QStringLiteral("%.3f");
    settings.autoRadii = false;
    settings.showHints = false;
    settings.scientific = true;
    return settings;
}

TEST_F(SettingsTest, ReadsWhatItCanOfABadFileAndRewritesOnlyTheSixEntries) {
    const QByteArray junk("\x00\x01\xFF\xFE\x80lixo\x00=\x00", 12);
    const QByteArray moreJunk("\x1A\x00\xFF", 3);
    const QByteArray longLine(100000, 'x');
    const QByteArray longValue(100000, 'y');
    const QByteArray folder = closing().startDirectory.toUtf8();
    const struct Case {
        const char* name;
        QByteArray before;
        Settings read;
        QByteArray after;
    } cases[] = {
        {"binary junk", joined({junk, "[FORMATACOES]", "FORMATDECIMAL=0.00", moreJunk}, "\r\n"),
         with(defaults(), [](Settings& s) { s.decimalPattern = QStringLiteral("0.00"); }),
         joined({junk, "[FORMATACOES]", "FORMATDECIMAL=0.0", moreJunk,
                 "FORMATACAONUMFRACIONARIO=%.3f", "[DIRETORIOS]", "DIRETORIOCORRENTE=" + folder,
                 "[CHECKBOXES]", "AUTOCALCULARHX=0", "MOSTRARDICAS=0", "NOTACAOCIENTIFICA=1"},
                "\r\n")},
        {"lines of 100 000 characters",
         joined({"[CHECKBOXES]", longLine, "MOSTRARDICAS=0", "[FORMATACOES]",
                 "FORMATDECIMAL=" + longValue},
                "\r\n"),
         with(defaults(),
              [](Settings& s) {
                  s.decimalPattern = QString(2047, u'y');
                  s.showHints = false;
              }),
         joined({"[CHECKBOXES]", longLine, "MOSTRARDICAS=0", "AUTOCALCULARHX=0",
                 "NOTACAOCIENTIFICA=1", "[FORMATACOES]", "FORMATDECIMAL=0.0",
                 "FORMATACAONUMFRACIONARIO=%.3f", "[DIRETORIOS]", "DIRETORIOCORRENTE=" + folder},
                "\r\n")},
        {"no sections", joined({"FORMATDECIMAL=0.00", "MOSTRARDICAS=0"}, "\n"), defaults(),
         joined({"FORMATDECIMAL=0.00", "MOSTRARDICAS=0", "[FORMATACOES]", "FORMATDECIMAL=0.0",
                 "FORMATACAONUMFRACIONARIO=%.3f", "[DIRETORIOS]", "DIRETORIOCORRENTE=" + folder,
                 "[CHECKBOXES]", "AUTOCALCULARHX=0", "MOSTRARDICAS=0", "NOTACAOCIENTIFICA=1"},
                "\n")},
        {"duplicate keys",
         joined({"[CHECKBOXES]", "MOSTRARDICAS=1", "MOSTRARDICAS=0", "NOTACAOCIENTIFICA=0",
                 "NOTACAOCIENTIFICA=1"},
                "\r\n"),
         defaults(),
         joined({"[CHECKBOXES]", "MOSTRARDICAS=0", "MOSTRARDICAS=0", "NOTACAOCIENTIFICA=1",
                 "NOTACAOCIENTIFICA=1", "AUTOCALCULARHX=0", "[FORMATACOES]", "FORMATDECIMAL=0.0",
                 "FORMATACAONUMFRACIONARIO=%.3f", "[DIRETORIOS]", "DIRETORIOCORRENTE=" + folder},
                "\r\n")},
        {"CR-only line ends",
         joined({"[CHECKBOXES]", "NOTACAOCIENTIFICA=1", "[DIRETORIOS]", "DIRETORIOCORRENTE=/tmp/"},
                "\r"),
         with(defaults(),
              [](Settings& s) {
                  s.scientific = true;
                  s.startDirectory = QStringLiteral("/tmp/");
              }),
         joined({"[CHECKBOXES]", "NOTACAOCIENTIFICA=1", "AUTOCALCULARHX=0", "MOSTRARDICAS=0",
                 "[DIRETORIOS]", "DIRETORIOCORRENTE=" + folder, "[FORMATACOES]",
                 "FORMATDECIMAL=0.0", "FORMATACAONUMFRACIONARIO=%.3f"},
                "\r")},
        {"UTF-16 byte-order mark",
         utf16LittleEndian(QString::fromUtf8("[FORMATACOES]\r\nFORMATDECIMAL=0.00\r\n; ç\r\n")),
         with(defaults(), [](Settings& s) { s.decimalPattern = QStringLiteral("0.00"); }),
         utf16LittleEndian(QString::fromUtf8(
             "[FORMATACOES]\r\nFORMATDECIMAL=0.0\r\n; ç\r\nFORMATACAONUMFRACIONARIO=%.3f\r\n"
             "[DIRETORIOS]\r\nDIRETORIOCORRENTE=/dados/ação/\r\n[CHECKBOXES]\r\n"
             "AUTOCALCULARHX=0\r\nMOSTRARDICAS=0\r\nNOTACAOCIENTIFICA=1\r\n"))},
    };
    for (const Case& c : cases) {
        store(c.before);
        expectSettings(Settings::read(path(), ExecutableFolder), c.read, c.name);
        closing().write(path());
        EXPECT_EQ(stored(), c.after) << c.name;
        expectSettings(Settings::read(path(), ExecutableFolder), closing(), c.name);
    }
}

TEST_F(SettingsTest, MakesTheMissingConfigurationFolder) {
    const QString inConfig = folder_.filePath(QStringLiteral("config/Zelvaro/ZELVARO.INI"));
    closing().write(inConfig);
    expectSettings(Settings::read(inConfig, ExecutableFolder), closing(), "in a new folder");
}

TEST_F(SettingsTest, ReportsAFileItCannotWrite) {
    store("");
    const QString underAFile = path() + QStringLiteral("/ZELVARO.INI");
    try {
        closing().write(underAFile);
        ADD_FAILURE() << "written";
    } catch (const ProfileWriteError& error) {
        EXPECT_EQ(error.what(),
                  "Unable to write to " + QDir::toNativeSeparators(underAFile).toStdString());
    }
}

TEST(SettingsFilePath, KeepsTheFileBesideTheExecutableWhereItCanBeWritten) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString bin = folder.filePath(QStringLiteral("bin"));
    const QString config = folder.filePath(QStringLiteral("config"));
    ASSERT_TRUE(QDir().mkpath(bin));
    enum Place { Beside, InConfig };
    const struct Case {
        const char* name;
        const char* executable;
        const char* iniName;
        bool iniExists;
        bool folderWritable;
        bool iniWritable;
        Place place;
    } cases[] = {
        {"writable folder", "zelvaro.exe", "zelvaro.INI", false, true, true, Beside},
        {"read-only folder", "zelvaro.exe", "zelvaro.INI", false, false, true, InConfig},
        {"writable file in a read-only folder", "zelvaro.exe", "zelvaro.INI", true, false, true,
         Beside},
        {"read-only file", "zelvaro.exe", "zelvaro.INI", true, true, false, InConfig},
        {"no extension", "zelvaro", "zelvaro.INI", false, true, true, Beside},
        {"dots in the name", "zelvaro.1.exe", "zelvaro.1.INI", false, false, true, InConfig},
    };
    for (const Case& c : cases) {
        const QString ini = QDir(bin).filePath(QString::fromUtf8(c.iniName));
        QFile::remove(ini);
        if (c.iniExists) {
            QFile file(ini);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        QSet<QString> readOnly;
        if (!c.folderWritable) readOnly.insert(bin);
        if (!c.iniWritable) readOnly.insert(ini);
        const QString path =
            SettingsFilePath(QDir(bin).filePath(QString::fromUtf8(c.executable)), config,
                             [&](const QString& p) { return !readOnly.contains(p); });
        EXPECT_EQ(path,
                  c.place == Beside ? ini : QDir(config).filePath(QString::fromUtf8(c.iniName)))
            << c.name;
    }
}

// The executable's folder made read-only for real; skipped for a user, such as root, whose
// writes permissions do not stop.
class ReadOnlyFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        ASSERT_TRUE(QDir().mkpath(bin_));
    }

    void TearDown() override {
        QFile::setPermissions(bin_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void makeBinReadOnly() {
        ASSERT_TRUE(QFile::setPermissions(bin_, QFile::ReadOwner | QFile::ExeOwner));
        QFile probe(QDir(bin_).filePath(QStringLiteral("probe")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            GTEST_SKIP() << "permissions do not stop this user's writes";
        }
    }

    QTemporaryDir folder_;
    const QString bin_ = folder_.filePath(QStringLiteral("bin"));
    const QString config_ = folder_.filePath(QStringLiteral("config"));
    const QString executable_ = QDir(bin_).filePath(QStringLiteral("zelvaro"));
    const QString beside_ = QDir(bin_).filePath(QStringLiteral("zelvaro.INI"));
    const QString inConfig_ = QDir(config_).filePath(QStringLiteral("zelvaro.INI"));
};

TEST_F(ReadOnlyFolderTest, MovesANewFileToTheConfigurationFolder) {
    EXPECT_TRUE(IsWritablePath(bin_));
    EXPECT_EQ(SettingsFilePath(executable_, config_), beside_);
    makeBinReadOnly();
    if (IsSkipped()) return;
    EXPECT_FALSE(IsWritablePath(bin_));
    EXPECT_EQ(SettingsFilePath(executable_, config_), inConfig_);
    closing().write(inConfig_);
    expectSettings(Settings::read(inConfig_, ExecutableFolder), closing(), "in config");
}

TEST_F(ReadOnlyFolderTest, KeepsAWritableFileBesideTheExecutable) {
    Settings().write(beside_);
    makeBinReadOnly();
    if (IsSkipped()) return;
    EXPECT_TRUE(IsWritablePath(beside_));
    EXPECT_EQ(SettingsFilePath(executable_, config_), beside_);
    closing().write(beside_);
    expectSettings(Settings::read(beside_, ExecutableFolder), closing(), "beside");
    ASSERT_TRUE(QFile::setPermissions(beside_, QFile::ReadOwner));
    EXPECT_FALSE(IsWritablePath(beside_));
    EXPECT_EQ(SettingsFilePath(executable_, config_), inConfig_);
}

}  // namespace
}  // namespace zelvaro
