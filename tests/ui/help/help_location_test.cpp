#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>

#include "help_test_suites.h"
#include "tests/ui/recording_dialogs.h"
#include "ui/help/help_location.h"
#include "ui/help/help_system.h"
#include "ui/help/help_topic_of.h"
#include "ui/help/help_viewer.h"

namespace zelvaro {
namespace {

const QByteArray kOneTopic =
    "@zelvaro-help 1\n@title T\n@contents\n<p>c</p>\n@topic 7 Sete\n<p>sete</p>\n@end\n";

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Makes `folder` the current folder for as long as it lives.
class CurrentFolder {
  public:
    explicit CurrentFolder(const QString& folder) : previous_(QDir::currentPath()) {
        QDir::setCurrent(folder);
    }
    ~CurrentFolder() { QDir::setCurrent(previous_); }

  private:
    QString previous_;
};

class HelpLocationTest : public QObject {
    Q_OBJECT

  private slots:
    // Folders "a" and "b"; "a/Pasta.hlp" is a folder, not a file.
    void locatesTheFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("found");
        QTest::newRow("absolute") << "@/b/Zelvaro.hlp" << QStringList{"b/Zelvaro.hlp"}
                                  << "b/Zelvaro.hlp";
        QTest::newRow("absolute, missing")
            << "@/a/Zelvaro.hlp" << QStringList{"b/Zelvaro.hlp"} << "";
        QTest::newRow("bare, first folder")
            << "Zelvaro.hlp" << QStringList{"a/Zelvaro.hlp", "b/Zelvaro.hlp"} << "a/Zelvaro.hlp";
        QTest::newRow("bare, second folder")
            << "Zelvaro.hlp" << QStringList{"b/Zelvaro.hlp"} << "b/Zelvaro.hlp";
        QTest::newRow("bare, nowhere") << "Zelvaro.hlp" << QStringList{"b/Outro.hlp"} << "";
        QTest::newRow("a folder of that name is passed over")
            << "Pasta.hlp" << QStringList{"b/Pasta.hlp"} << "b/Pasta.hlp";
        QTest::newRow("no name") << "" << QStringList{"a/Zelvaro.hlp"} << "";
    }

    void locatesTheFile() {
        QFETCH(QString, name);
        QFETCH(QStringList, present);
        QFETCH(QString, found);
        QTemporaryDir root;
        const QDir dir(root.path());
        QVERIFY(dir.mkpath(QStringLiteral("a/Pasta.hlp")) && dir.mkpath(QStringLiteral("b")));
        for (const QString& file : present) QVERIFY(writeFile(dir.filePath(file), kOneTopic));
        name.replace(QLatin1Char('@'), root.path());

        const QString located = LocateHelpFile(
            name, {dir.filePath(QStringLiteral("a")), dir.filePath(QStringLiteral("b"))});
        QCOMPARE(located, found.isEmpty() ? QString() : dir.filePath(found));
    }

    void looksInTheCurrentFolderFirstThenBesideTheExecutable() {
        QTemporaryDir folder;
        CurrentFolder current(folder.path());
        const QStringList folders = HelpSearchFolders();
        QCOMPARE(folders.value(0), QDir::currentPath());
        QCOMPARE(folders.value(1), QCoreApplication::applicationDirPath());
        QVERIFY(folders.size() > 2);
    }

    void startsWithAnAbsolutePath() {
        RecordingDialogs dialogs;
        const HelpSystem help(nullptr, dialogs);
        QVERIFY(QDir::isAbsolutePath(help.helpFile()));
        QCOMPARE(QFileInfo(help.helpFile()).fileName(), QStringLiteral("Zelvaro.hlp"));
    }

    void findsABareNameInTheCurrentFolder() {
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath(QStringLiteral("Zelvaro.hlp")), kOneTopic));
        CurrentFolder current(folder.path());
        RecordingDialogs dialogs;
        HelpSystem help(nullptr, dialogs);
        help.setHelpFile(QStringLiteral("Zelvaro.hlp"));
        help.showTopic(7);
        QCOMPARE(dialogs.messages, QStringList());
        QVERIFY(help.viewer() && help.viewer()->isVisible());
        QCOMPARE(help.viewer()->currentTopic(), 7);
    }

    // What is asked for of which file ("@" is a folder of its own; "-" writes no file), and
    // the one message shown instead of a window.
    void reportsWhatCannotBeShown_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("message");
        QTest::newRow("absolute path missing, topic")
            << "@/Zelvaro.hlp" << QByteArray("-") << 7
            << "Não foi possível abrir o arquivo de ajuda @/Zelvaro.hlp.";
        QTest::newRow("absolute path missing, contents")
            << "@/Zelvaro.hlp" << QByteArray("-") << 0
            << "Não foi possível abrir o arquivo de ajuda @/Zelvaro.hlp.";
        QTest::newRow("bare name missing")
            << "Inexistente.hlp" << QByteArray("-") << 7
            << "Não foi possível abrir o arquivo de ajuda Inexistente.hlp.";
        QTest::newRow("damaged file")
            << "@/Zelvaro.hlp" << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << 7
            << "O arquivo de ajuda @/Zelvaro.hlp está danificado: o arquivo não contém texto.";
        QTest::newRow("empty file, contents")
            << "@/Zelvaro.hlp" << QByteArray() << 0
            << "O arquivo de ajuda @/Zelvaro.hlp está danificado: o arquivo está vazio.";
        QTest::newRow("topic the file lacks")
            << "@/Zelvaro.hlp" << kOneTopic << 8
            << "O tópico 8 não existe no arquivo de ajuda @/Zelvaro.hlp.";
    }

    void reportsWhatCannotBeShown() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(int, topic);
        QFETCH(QString, message);
        QTemporaryDir folder;
        CurrentFolder current(folder.path());
        name.replace(QLatin1Char('@'), folder.path());
        message.replace(QLatin1Char('@'), QDir::toNativeSeparators(folder.path()));
        if (bytes != "-") QVERIFY(writeFile(name, bytes));

        RecordingDialogs dialogs;
        HelpSystem help(nullptr, dialogs);
        help.setHelpFile(name);
        if (topic == 0) {
            help.showContents();
        } else {
            help.showTopic(topic);
        }
        QCOMPARE(dialogs.messages, QStringList{message});
        QVERIFY(!help.viewer() && !help.contentsWindow());
    }

    void topicZeroShowsNothing() {
        RecordingDialogs dialogs;
        HelpSystem help(nullptr, dialogs);
        help.setHelpFile(QStringLiteral("Inexistente.hlp"));
        help.showTopic(0);
        QCOMPARE(dialogs.messages, QStringList());
        QVERIFY(!help.viewer());
    }

    // window (0) > group (13) > inner (none) > leaf (4); inner also holds blank (0).
    void findsTheTopicOfTheNearestControlThatHasOne_data() {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("topic");
        QTest::newRow("own topic") << "leaf" << 4;
        QTest::newRow("no property, enclosing topic") << "inner" << 13;
        QTest::newRow("topic 0, enclosing topic") << "blank" << 13;
        QTest::newRow("enclosing control itself") << "group" << 13;
        QTest::newRow("none up to the window") << "window" << 0;
        QTest::newRow("no control") << "" << 0;
    }

    void findsTheTopicOfTheNearestControlThatHasOne() {
        QFETCH(QString, focused);
        QFETCH(int, topic);
        QWidget window;
        window.setObjectName(QStringLiteral("window"));
        window.setProperty(kHelpTopicProperty, 0);
        auto* group = new QWidget(&window);
        group->setObjectName(QStringLiteral("group"));
        group->setProperty(kHelpTopicProperty, 13);
        auto* inner = new QWidget(group);
        inner->setObjectName(QStringLiteral("inner"));
        auto* leaf = new QWidget(inner);
        leaf->setObjectName(QStringLiteral("leaf"));
        leaf->setProperty(kHelpTopicProperty, 4);
        auto* blank = new QWidget(inner);
        blank->setObjectName(QStringLiteral("blank"));
        blank->setProperty(kHelpTopicProperty, 0);

        const QWidget* widget =
            window.objectName() == focused ? &window : window.findChild<QWidget*>(focused);
        if (focused.isEmpty()) widget = nullptr;
        QCOMPARE(HelpTopicOf(widget), topic);
    }
};

}  // namespace

int RunHelpLocationTests(int argc, char** argv) {
    HelpLocationTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace zelvaro

#include "help_location_test.moc"
