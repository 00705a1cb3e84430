#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "help_test_suites.h"
#include "ui/help/help_file.h"

namespace zelvaro {
namespace {

QByteArray shippedBytes() {
    QFile file(QString::fromUtf8(kShippedHelpFile));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// The text of the fault the file's bytes are refused with, or an empty text when they are
// accepted.
QString faultOf(const QByteArray& bytes) {
    try {
        HelpFile::parse(bytes);
        return QString();
    } catch (const HelpFileError& error) {
        return error.text();
    }
}

// A small file with everything the format has: a BOM, CR LF line ends, a remark, keywords on
// two lines, a keyword two topics share and one with an accent.
const QByteArray kSample =
    "\xEF\xBB\xBF@zelvaro-help 1\r\n"
    "@title Ajuda de teste\r\n"
    "@# uma observação\r\n"
    "\r\n"
    "@contents\r\n"
    "<p>Veja <a href=\"topic:2\">o tópico 2</a>.</p>\r\n"
    "@topic 2 Água\r\n"
    "@keywords Água; erro\r\n"
    "<p>Primeira linha.</p>\r\n"
    "@keywords bola\r\n"
    "<p>Segunda linha.</p>\r\n"
    "@topic 10 Abacate e k\r\n"
    "@keywords abacate;; erro ;\r\n"
    "<p>Dez.</p>\r\n"
    "@end\r\n";

class HelpFileTest : public QObject {
    Q_OBJECT

  private slots:
    void readsEverySection() {
        const HelpFile file = HelpFile::parse(kSample);
        QCOMPARE(file.title(), QStringLiteral("Ajuda de teste"));
        QCOMPARE(file.contents(),
                 QStringLiteral("<p>Veja <a href=\"topic:2\">o tópico 2</a>.</p>"));
        QCOMPARE(file.topicNumbers(), QList<int>({2, 10}));
        const HelpTopic* water = file.topic(2);
        QVERIFY(water);
        QCOMPARE(water->title, QStringLiteral("Água"));
        QCOMPARE(water->keywords, QStringList({"Água", "erro", "bola"}));
        QCOMPARE(water->body, QStringLiteral("<p>Primeira linha.</p>\n<p>Segunda linha.</p>"));
        QCOMPARE(file.topic(10)->title, QStringLiteral("Abacate e k"));
        QVERIFY(!file.topic(3));
    }

    // Accents and case do not count in the order; a keyword of two topics lists both.
    void sortsTheIndexIgnoringAccents() {
        QStringList lines;
        for (const HelpIndexEntry& entry : HelpFile::parse(kSample).index()) {
            lines << QStringLiteral("%1 %2").arg(entry.keyword).arg(entry.topic);
        }
        QCOMPARE(lines, QStringList({"abacate 10", "Água 2", "bola 2", "erro 2", "erro 10"}));
    }

    void rejectsDamagedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("fault");
        const QByteArray head = "@zelvaro-help 1\n@title T\n@contents\n<p>c</p>\n";
        QTest::newRow("empty") << QByteArray() << "o arquivo está vazio.";
        QTest::newRow("not a help file")
            << QByteArray("<h1>Ajuda</h1>\n") << "o arquivo não é um arquivo de ajuda do Zelvaro.";
        QTest::newRow("later version")
            << QByteArray("@zelvaro-help 2\n") << "versão \"2\" do formato não suportada.";
        QTest::newRow("binary") << QByteArray("@zelvaro-help 1\n\0\x01\x02", 19)
                                << "o arquivo não contém texto.";
        QTest::newRow("bad UTF-8")
            << QByteArray("@zelvaro-help 1\n\xC3\x28\n") << "o arquivo não contém texto.";
        QTest::newRow("cut short") << head + "@topic 1 Um\n<p>um</p>\n"
                                   << "o arquivo está incompleto.";
        QTest::newRow("text after the end") << head + "@topic 1 Um\n<p>um</p>\n@end\n<p>mais</p>\n"
                                            << "linha 8: texto depois de @end.";
        QTest::newRow("text before a section")
            << QByteArray("@zelvaro-help 1\n<p>solto</p>\n") << "linha 2: texto fora de um tópico.";
        QTest::newRow("topic number not a number") << head + "@topic um Um\n<p>um</p>\n@end\n"
                                                   << "linha 5: número de tópico inválido.";
        QTest::newRow("topic number 0") << head + "@topic 0 Zero\n<p>zero</p>\n@end\n"
                                        << "linha 5: número de tópico inválido.";
        QTest::newRow("topic without a title") << head + "@topic 3\n<p>três</p>\n@end\n"
                                               << "linha 5: o tópico 3 não tem título.";
        QTest::newRow("topic twice")
            << head + "@topic 1 Um\n<p>um</p>\n@topic 1 Outro\n<p>x</p>\n@end\n"
            << "linha 7: o tópico 1 aparece duas vezes.";
        QTest::newRow("empty topic") << head + "@topic 4 Quatro\n@keywords quatro\n\n@end\n"
                                     << "o tópico 4 está vazio.";
        QTest::newRow("keywords outside a topic") << head + "@keywords solto\n@end\n"
                                                  << "linha 5: palavras-chave fora de um tópico.";
        QTest::newRow("unknown directive") << head + "@tópico 1 Um\n@end\n"
                                           << "linha 5: comando desconhecido \"@tópico\".";
        QTest::newRow("no title")
            << QByteArray("@zelvaro-help 1\n@contents\n<p>c</p>\n@topic 1 Um\n<p>um</p>\n@end\n")
            << "falta o título (@title).";
        QTest::newRow("no contents")
            << QByteArray("@zelvaro-help 1\n@title T\n@topic 1 Um\n<p>um</p>\n@end\n")
            << "falta a página de conteúdo (@contents).";
        QTest::newRow("no topics") << head + "@end\n"
                                   << "o arquivo não tem tópicos.";
        QTest::newRow("contents twice") << head + "@contents\n<p>d</p>\n@end\n"
                                        << "linha 5: a página de conteúdo aparece duas vezes.";
    }

    void rejectsDamagedFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, fault);
        QCOMPARE(faultOf(bytes), fault);
    }

    // Every cut before the last line, also in the middle of a character, is found out.
    void rejectsEveryCutOfTheShippedFile() {
        const QByteArray bytes = shippedBytes();
        const qsizetype end = bytes.lastIndexOf("@end");
        QVERIFY(end > 0);
        for (qsizetype size = 0; size < end; size += 37) {
            QVERIFY2(!faultOf(bytes.left(size)).isEmpty(), qPrintable(QString::number(size)));
        }
    }

    void rejectsRandomBytes() {
        QRandomGenerator random(20240611);
        for (int round = 0; round < 300; ++round) {
            QByteArray bytes = round % 2 ? QByteArray("@zelvaro-help 1\n") : QByteArray();
            const int size = random.bounded(1, 400);
            for (int i = 0; i < size; ++i) bytes.append(char(random.bounded(256)));
            QVERIFY(!faultOf(bytes).isEmpty());
        }
    }

    void loadNamesTheFileInItsFault_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QByteArray() << "Não foi possível abrir o arquivo de ajuda %1.";
        QTest::newRow("damaged") << QByteArray("@zelvaro-help 1\n@title T\n")
                                 << "O arquivo de ajuda %1 está danificado: o arquivo está "
                                    "incompleto.";
    }

    void loadNamesTheFileInItsFault() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Zelvaro.hlp"));
        if (!bytes.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        try {
            HelpFile::load(path);
            QFAIL("the file was accepted");
        } catch (const HelpFileError& error) {
            QCOMPARE(error.text(), message.arg(path));
        }
    }

    void shippedFileHasEveryTopicTheProgramAsksFor() {
        const HelpFile file = HelpFile::load(QString::fromUtf8(kShippedHelpFile));
        QVERIFY(!file.title().isEmpty());
        for (int number = 1; number <= 30; ++number) {
            const HelpTopic* topic = file.topic(number);
            QVERIFY2(topic, qPrintable(QString::number(number)));
            QVERIFY(!topic->title.isEmpty());
            QVERIFY(!topic->keywords.isEmpty());
            // A page of its own, not a stub.
            QVERIFY2(topic->body.size() > 600, qPrintable(topic->title));
        }
    }

    // Every link leads to a topic of the file, and the contents page reaches every topic.
    void shippedLinksLeadToTopics() {
        const HelpFile file = HelpFile::load(QString::fromUtf8(kShippedHelpFile));
        const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
        QStringList pages{file.contents()};
        for (int number : file.topicNumbers()) pages << file.topic(number)->body;
        for (const QString& page : pages) {
            for (const auto& match : link.globalMatch(page)) {
                const QString target = match.captured(1);
                QVERIFY2(
                    target.startsWith(QLatin1String("topic:")) && file.topic(target.mid(6).toInt()),
                    qPrintable(target));
            }
        }
        for (int number : file.topicNumbers()) {
            QVERIFY2(file.contents().contains(QStringLiteral("href=\"topic:%1\"").arg(number)),
                     qPrintable(QString::number(number)));
        }
    }

    void shippedTagsAreClosed_data() {
        QTest::addColumn<QString>("tag");
        for (const char* tag : {"p", "ul", "ol", "li", "table", "tr", "td", "th", "h2", "b", "i",
                                "sub", "sup", "a"}) {
            QTest::newRow(tag) << QString::fromLatin1(tag);
        }
    }

    void shippedTagsAreClosed() {
        QFETCH(QString, tag);
        const HelpFile file = HelpFile::load(QString::fromUtf8(kShippedHelpFile));
        const QRegularExpression open(QStringLiteral("<%1[ >]").arg(tag));
        const QString close = QStringLiteral("</%1>").arg(tag);
        QStringList pages{file.contents()};
        for (int number : file.topicNumbers()) pages << file.topic(number)->body;
        for (const QString& page : pages) {
            QVERIFY2(page.count(open) == page.count(close), qPrintable(page.left(80)));
        }
    }
};

}  // namespace

int RunHelpFileTests(int argc, char** argv) {
    HelpFileTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace zelvaro

#include "help_file_test.moc"
