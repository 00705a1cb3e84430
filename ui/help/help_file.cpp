#include "ui/help/help_file.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>
#include <optional>

namespace zelvaro {

namespace {

// Far above any real help text; a larger file is not one.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;
constexpr int kMaxTopicNumber = 99999;

const QString kHeader = QStringLiteral("@zelvaro-help");

QString lineFault(int line, const QString& fault) {
    return QStringLiteral("linha %1: %2").arg(line).arg(fault);
}

QString decodeText(const QByteArray& bytes) {
    if (bytes.isEmpty()) throw HelpFileError(QStringLiteral("o arquivo está vazio."));
    if (bytes.size() > kMaxFileSize) {
        throw HelpFileError(QStringLiteral("o arquivo é grande demais."));
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError() || bytes.contains('\0')) {
        throw HelpFileError(QStringLiteral("o arquivo não contém texto."));
    }
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

// A line's first word and the rest, trimmed; a directive line splits into its word ("@topic")
// and its argument, a topic's argument into its number and title.
struct Split {
    QString first;
    QString rest;
};

Split splitFirstWord(const QString& text) {
    static const QRegularExpression blank(QStringLiteral("\\s"));
    const qsizetype at = text.indexOf(blank);
    if (at < 0) return {text, QString()};
    return {text.left(at), text.mid(at + 1).trimmed()};
}

std::optional<Split> directiveOf(const QString& line) {
    if (!line.startsWith(QLatin1Char('@'))) return std::nullopt;
    return splitFirstWord(line);
}

int topicNumberOf(const QString& text) {
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok && number >= 1 && number <= kMaxTopicNumber ? number : 0;
}

// Reads the sections after the header line, one line at a time.
class Parser {
  public:
    explicit Parser(QMap<int, HelpTopic>& topics) : topics_(topics) {}

    void read(const QStringList& lines) {
        for (int i = 1; i < lines.size(); ++i) readLine(i + 1, lines[i]);
        if (!ended_) throw HelpFileError(QStringLiteral("o arquivo está incompleto."));
    }

    QString title;
    QString contents;

  private:
    enum class Section { None, Contents, Topic };

    void readLine(int line, const QString& text) {
        if (ended_) {
            if (!text.trimmed().isEmpty()) {
                throw HelpFileError(lineFault(line, QStringLiteral("texto depois de @end.")));
            }
            return;
        }
        const std::optional<Split> directive = directiveOf(text);
        if (directive) {
            readDirective(line, *directive);
        } else if (section_ == Section::None) {
            if (!text.trimmed().isEmpty()) {
                throw HelpFileError(lineFault(line, QStringLiteral("texto fora de um tópico.")));
            }
        } else {
            body_ << text;
        }
    }

    void readDirective(int line, const Split& directive) {
        const QString& word = directive.first;
        if (word == QLatin1String("@#")) return;
        if (word == QLatin1String("@title")) {
            if (directive.rest.isEmpty()) {
                throw HelpFileError(lineFault(line, QStringLiteral("título vazio.")));
            }
            title = directive.rest;
        } else if (word == QLatin1String("@contents")) {
            openContents(line);
        } else if (word == QLatin1String("@topic")) {
            openTopic(line, directive.rest);
        } else if (word == QLatin1String("@keywords")) {
            addKeywords(line, directive.rest);
        } else if (word == QLatin1String("@end")) {
            closeSection();
            ended_ = true;
        } else {
            throw HelpFileError(
                lineFault(line, QStringLiteral("comando desconhecido \"%1\".").arg(word)));
        }
    }

    void openContents(int line) {
        closeSection();
        if (contentsSeen_) {
            throw HelpFileError(
                lineFault(line, QStringLiteral("a página de conteúdo aparece duas vezes.")));
        }
        contentsSeen_ = true;
        section_ = Section::Contents;
    }

    void openTopic(int line, const QString& argument) {
        closeSection();
        const auto [numberText, title] = splitFirstWord(argument);
        const int number = topicNumberOf(numberText);
        if (number == 0) {
            throw HelpFileError(lineFault(line, QStringLiteral("número de tópico inválido.")));
        }
        if (title.isEmpty()) {
            throw HelpFileError(
                lineFault(line, QStringLiteral("o tópico %1 não tem título.").arg(number)));
        }
        if (topics_.contains(number)) {
            throw HelpFileError(
                lineFault(line, QStringLiteral("o tópico %1 aparece duas vezes.").arg(number)));
        }
        topic_ = HelpTopic{number, title, {}, {}};
        section_ = Section::Topic;
    }

    void addKeywords(int line, const QString& argument) {
        if (section_ != Section::Topic) {
            throw HelpFileError(
                lineFault(line, QStringLiteral("palavras-chave fora de um tópico.")));
        }
        for (const QString& keyword : argument.split(QLatin1Char(';'))) {
            if (!keyword.trimmed().isEmpty()) topic_.keywords << keyword.trimmed();
        }
    }

    void closeSection() {
        const QString body = body_.join(QLatin1Char('\n')).trimmed();
        body_.clear();
        if (section_ == Section::Contents) {
            contents = body;
        } else if (section_ == Section::Topic) {
            if (body.isEmpty()) {
                throw HelpFileError(QStringLiteral("o tópico %1 está vazio.").arg(topic_.number));
            }
            topic_.body = body;
            topics_.insert(topic_.number, topic_);
        }
        section_ = Section::None;
    }

    QMap<int, HelpTopic>& topics_;
    Section section_ = Section::None;
    HelpTopic topic_;
    QStringList body_;
    bool contentsSeen_ = false;
    bool ended_ = false;
};

void checkHeader(const QString& firstLine) {
    const std::optional<Split> header = directiveOf(firstLine);
    if (!header || header->first != kHeader) {
        throw HelpFileError(QStringLiteral("o arquivo não é um arquivo de ajuda do Zelvaro."));
    }
    if (header->rest != QString::number(HelpFile::kFormatVersion)) {
        throw HelpFileError(
            QStringLiteral("versão \"%1\" do formato não suportada.").arg(header->rest));
    }
}

}  // namespace

HelpFileError::HelpFileError(const QString& text) : std::runtime_error(text.toStdString()) {}

QString HelpFileError::text() const {
    return QString::fromStdString(what());
}

HelpFile HelpFile::parse(const QByteArray& bytes) {
    QStringList lines = decodeText(bytes).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    }
    checkHeader(lines.constFirst());

    HelpFile file;
    Parser parser(file.topics_);
    parser.read(lines);
    if (parser.title.isEmpty()) throw HelpFileError(QStringLiteral("falta o título (@title)."));
    if (parser.contents.isEmpty()) {
        throw HelpFileError(QStringLiteral("falta a página de conteúdo (@contents)."));
    }
    if (file.topics_.isEmpty()) throw HelpFileError(QStringLiteral("o arquivo não tem tópicos."));
    file.title_ = parser.title;
    file.contents_ = parser.contents;
    return file;
}

HelpFile HelpFile::load(const QString& path) {
    const QString name = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw HelpFileError(HelpFileMissingText(path));
    }
    try {
        return parse(file.read(kMaxFileSize + 1));
    } catch (const HelpFileError& error) {
        throw HelpFileError(
            QStringLiteral("O arquivo de ajuda %1 está danificado: %2").arg(name, error.text()));
    }
}

const HelpTopic* HelpFile::topic(int number) const {
    const auto found = topics_.constFind(number);
    return found == topics_.constEnd() ? nullptr : &found.value();
}

QList<HelpIndexEntry> HelpFile::index() const {
    QList<HelpIndexEntry> entries;
    for (const HelpTopic& topic : topics_) {
        for (const QString& keyword : topic.keywords) entries.append({keyword, topic.number});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const HelpIndexEntry& a, const HelpIndexEntry& b) {
                         return HelpSearchKey(a.keyword) < HelpSearchKey(b.keyword);
                     });
    return entries;
}

QString HelpFileMissingText(const QString& path) {
    return QStringLiteral("Não foi possível abrir o arquivo de ajuda %1.")
        .arg(QDir::toNativeSeparators(path));
}

QString HelpSearchKey(const QString& text) {
    QString key;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing) key += c;
    }
    return key.toCaseFolded();
}

}  // namespace zelvaro
