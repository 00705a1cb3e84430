#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include "help_test_suites.h"
#include "tests/ui/recording_dialogs.h"
#include "ui/help/help_contents_window.h"
#include "ui/help/help_system.h"
#include "ui/help/help_viewer.h"

namespace zelvaro {
namespace {

const QByteArray kThreeTopics =
    "@zelvaro-help 1\n"
    "@title Ajuda de teste\n"
    "@contents\n"
    "<p><a href=\"topic:1\">Aberração</a> e <a href=\"topic:3\">Strehl</a></p>\n"
    "@topic 1 Aberração transversal\n"
    "@keywords aberração transversal; TAf; desvio do erro\n"
    "<p>Veja <a href=\"topic:2\">o erro RMS</a> e <a href=\"topic:99\">o que falta</a>.</p>\n"
    "@topic 2 Erro RMS\n"
    "@keywords RMS; erro\n"
    "<p>O RMS resume o erro.</p>\n"
    "@topic 3 Razão de Strehl\n"
    "@keywords Strehl; erro\n"
    "<p>Strehl.</p>\n"
    "@end\n";

// The help over a file of three topics in a folder of its own.
struct Harness {
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("Zelvaro.hlp"));
    RecordingDialogs dialogs;
    HelpSystem help{nullptr, dialogs};

    Harness() {
        write(kThreeTopics);
        help.setHelpFile(path);
    }

    void write(const QByteArray& bytes) const {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }

    QTextBrowser* page() const { return help.viewer()->findChild<QTextBrowser*>("txtTopico"); }
    QListWidget* index() const {
        return help.contentsWindow()->findChild<QListWidget*>(QStringLiteral("lstIndice"));
    }
    QLineEdit* search() const {
        return help.contentsWindow()->findChild<QLineEdit*>(QStringLiteral("edtProcura"));
    }
    void click(QWidget* window, const char* button) const {
        QTest::mouseClick(window->findChild<QPushButton*>(QString::fromLatin1(button)),
                          Qt::LeftButton);
    }
};

QStringList visibleTexts(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        if (!list->item(row)->isHidden()) texts << list->item(row)->text();
    }
    return texts;
}

// Clicks the middle of the first link to `href` on the page, as the user would.
bool clickLink(QTextBrowser* browser, const QString& href) {
    if (!QTest::qWaitForWindowExposed(browser->window())) return false;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href) continue;
            QTextCursor cursor(browser->document());
            cursor.setPosition(fragment.position() + fragment.length() / 2);
            QTest::mouseClick(browser->viewport(), Qt::LeftButton, {},
                              browser->cursorRect(cursor).center());
            return true;
        }
    }
    return false;
}

class HelpWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheTopicAskedFor() {
        Harness harness;
        harness.help.showTopic(2);
        HelpViewer* viewer = harness.help.viewer();
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->objectName(), QStringLiteral("frmAjuda"));
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Ajuda de teste"));
        QCOMPARE(viewer->currentTopic(), 2);
        QCOMPARE(harness.page()->toPlainText(), QStringLiteral("Erro RMS\nO RMS resume o erro."));
        QCOMPARE(harness.dialogs.messages, QStringList());
    }

    void readsTheFileAfreshEachTime() {
        Harness harness;
        harness.help.showTopic(2);
        QByteArray changed = kThreeTopics;
        changed.replace("O RMS resume o erro.", "Texto novo.");
        harness.write(changed);
        harness.help.showTopic(2);
        QVERIFY(harness.page()->toPlainText().contains(QStringLiteral("Texto novo.")));
    }

    void followsLinksBackAndForward() {
        Harness harness;
        harness.help.showTopic(1);
        HelpViewer* viewer = harness.help.viewer();
        QVERIFY(clickLink(harness.page(), QStringLiteral("topic:2")));
        QCOMPARE(viewer->currentTopic(), 2);
        auto* back = viewer->findChild<QPushButton*>(QStringLiteral("btnVoltar"));
        auto* forward = viewer->findChild<QPushButton*>(QStringLiteral("btnAvancar"));
        QVERIFY(back->isEnabled() && !forward->isEnabled());

        harness.click(viewer, "btnVoltar");
        QCOMPARE(viewer->currentTopic(), 1);
        QVERIFY(!back->isEnabled() && forward->isEnabled());
        harness.click(viewer, "btnAvancar");
        QCOMPARE(viewer->currentTopic(), 2);
    }

    void saysSoForALinkToATopicTheFileLacks() {
        Harness harness;
        harness.help.showTopic(1);
        QVERIFY(clickLink(harness.page(), QStringLiteral("topic:99")));
        QVERIFY(harness.page()->toPlainText().contains(
            QStringLiteral("O tópico 99 não existe no arquivo de ajuda.")));
        QCOMPARE(harness.dialogs.messages, QStringList());
    }

    void opensTheContentsFromTheHelpWindow() {
        Harness harness;
        harness.help.showTopic(1);
        harness.click(harness.help.viewer(), "btnConteudo");
        QVERIFY(harness.help.contentsWindow() && harness.help.contentsWindow()->isVisible());
    }

    void listsEveryKeywordInTheIndex() {
        Harness harness;
        harness.help.showContents();
        HelpContentsWindow* window = harness.help.contentsWindow();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->objectName(), QStringLiteral("frmConteudoAjuda"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Tópicos da Ajuda: Ajuda de teste"));
        QCOMPARE(visibleTexts(harness.index()),
                 QStringList({"aberração transversal", "desvio do erro", "erro — Erro RMS",
                              "erro — Razão de Strehl", "RMS", "Strehl", "TAf"}));
    }

    // What is typed into the search box, whether the down arrow follows, the entries left and
    // the topic Enter then shows (0: none, the window stays open).
    void filtersTheIndex_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("down");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("topic");
        const QStringList errors{"desvio do erro", "erro — Erro RMS", "erro — Razão de Strehl"};
        QTest::newRow("accents and case ignored")
            << "ABERRACAO" << false << QStringList{"aberração transversal"} << 1;
        QTest::newRow("the first that starts with it") << "erro" << false << errors << 2;
        QTest::newRow("down arrow to the next entry") << "erro" << true << errors << 3;
        QTest::newRow("inside a word, titles not searched")
            << "rehl" << false << QStringList{"Strehl"} << 3;
        QTest::newRow("nothing found") << "xyz" << false << QStringList() << 0;
    }

    void filtersTheIndex() {
        QFETCH(QString, typed);
        QFETCH(bool, down);
        QFETCH(QStringList, entries);
        QFETCH(int, topic);
        Harness harness;
        harness.help.showContents();
        QTest::keyClicks(harness.search(), typed);
        QCOMPARE(visibleTexts(harness.index()), entries);
        if (down) QTest::keyClick(harness.search(), Qt::Key_Down);
        QTest::keyClick(harness.search(), Qt::Key_Return);

        const HelpViewer* viewer = harness.help.viewer();
        QCOMPARE(viewer ? viewer->currentTopic() : 0, topic);
        QCOMPARE(harness.help.contentsWindow()->isVisible(), topic == 0);
    }

    void showsAnEntryDoubleClicked() {
        Harness harness;
        harness.help.showContents();
        HelpContentsWindow* window = harness.help.contentsWindow();
        window->findChild<QTabWidget*>(QStringLiteral("pgcAjuda"))->setCurrentIndex(1);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QListWidget* index = harness.index();
        const QRect strehl = index->visualItemRect(index->item(5));
        // A double click starts with a press, which QTest::mouseDClick does not send.
        QTest::mousePress(index->viewport(), Qt::LeftButton, {}, strehl.center());
        QTest::mouseDClick(index->viewport(), Qt::LeftButton, {}, strehl.center());
        QVERIFY(harness.help.viewer());
        QCOMPARE(harness.help.viewer()->currentTopic(), 3);
    }

    void showsATopicLinkedFromTheContentsPage() {
        Harness harness;
        harness.help.showContents();
        auto* contents =
            harness.help.contentsWindow()->findChild<QTextBrowser*>(QStringLiteral("txtConteudo"));
        QVERIFY(clickLink(contents, QStringLiteral("topic:3")));
        QCOMPARE(harness.help.viewer()->currentTopic(), 3);
        QVERIFY(!harness.help.contentsWindow()->isVisible());
    }
};

}  // namespace

int RunHelpWindowsTests(int argc, char** argv) {
    HelpWindowsTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace zelvaro

#include "help_windows_test.moc"
