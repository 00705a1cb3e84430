#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace zelvaro {

// A help file that cannot be read; the text is a Portuguese sentence or, from HelpFile::parse,
// the fault found ("linha 12: número de tópico inválido.").
class HelpFileError : public std::runtime_error {
  public:
    explicit HelpFileError(const QString& text);
    QString text() const;
};

// One numbered page of help: its title, the words the index lists it under and its body in
// the HTML subset a QTextBrowser renders. The body carries no heading of its own: the help
// window puts the title above it.
struct HelpTopic {
    int number = 0;
    QString title;
    QStringList keywords;
    QString body;
};

// One line of the help index: a keyword and the topic it leads to.
struct HelpIndexEntry {
    QString keyword;
    int topic = 0;
};

// The help file "Zelvaro.hlp": UTF-8 text made of a header line and sections opened by
// directive lines, each directive at the start of its line:
//
//   @zelvaro-help 1              first line: what the file is and the format's version
//   @title Ajuda do Zelvaro      the title of the help windows
//   @# a remark                  ignored
//   @contents                    the contents page follows, in HTML
//   @topic 7 Erro RMS            topic 7 follows, in HTML
//   @keywords RMS; erro          index words of the topic being read (repeatable)
//   @end                         last line: a file that lacks it was cut short
//
// Any other line belongs to the HTML of the section it is in. Topics link to each other with
// <a href="topic:16">. Every topic needs a title and a body; numbers are unique, 1 to 99999.
class HelpFile {
  public:
    static constexpr int kFormatVersion = 1;

    // Reads the file's bytes. Throws HelpFileError naming the first fault.
    static HelpFile parse(const QByteArray& bytes);
    // Reads the file at `path`. Throws HelpFileError with a sentence for the user that names
    // the file: it cannot be opened, or it is damaged and why.
    static HelpFile load(const QString& path);

    const QString& title() const { return title_; }
    const QString& contents() const { return contents_; }
    // Null when the file has no topic of that number.
    const HelpTopic* topic(int number) const;
    QList<int> topicNumbers() const { return topics_.keys(); }
    // Every keyword of every topic, in alphabetical order regardless of case and accents.
    QList<HelpIndexEntry> index() const;

  private:
    QString title_;
    QString contents_;
    QMap<int, HelpTopic> topics_;
};

// The message for a help file that cannot be found or opened.
QString HelpFileMissingText(const QString& path);

// The text with its accents removed and in lower case: how the index sorts and filters, so
// that "aberracao" finds "Aberração".
QString HelpSearchKey(const QString& text);

}  // namespace zelvaro
