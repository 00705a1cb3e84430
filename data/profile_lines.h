#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace zelvaro {

// The text of an INI file as lines that keep the bytes they were read from, so that a line
// nobody changes is written back exactly as it was, whatever it holds.
//
// A file that starts with a UTF-16 byte-order mark is UTF-16 of that byte order throughout
// (an odd last byte stays at the end). Any other file is 8-bit, with or without a UTF-8 mark:
// a line reads as UTF-8 where it is valid UTF-8 and as Windows-1252 where it is not, and a
// changed line is written as UTF-8. A line ends at LF, CR LF or a lone CR; a new line ends as
// the file's first line does, or with CR LF when no line has ended yet.
class ProfileLines {
  public:
    explicit ProfileLines(const QByteArray& bytes);

    QByteArray bytes() const;
    qsizetype size() const { return lines_.size(); }
    const QString& text(qsizetype index) const { return lines_[index].text; }

    // Gives a line new text; it keeps its line end.
    void replace(qsizetype index, const QString& text);
    // Puts a new line before line `index`, or after the last one when `index` is size().
    void insert(qsizetype index, const QString& text);

  private:
    enum class Encoding { EightBit, Utf16LittleEndian, Utf16BigEndian };
    struct Line {
        QString text;
        QByteArray body;
        QByteArray end;
    };

    qsizetype unitSize() const { return encoding_ == Encoding::EightBit ? 1 : 2; }
    char16_t unitAt(const QByteArray& bytes, qsizetype offset) const;
    void readMark(const QByteArray& bytes);
    void addLine(QByteArray body, QByteArray end);
    QString decode(const QByteArray& body) const;
    QByteArray encode(const QString& text) const;
    QByteArray newLineEnd() const;

    Encoding encoding_ = Encoding::EightBit;
    QByteArray mark_;
    QList<Line> lines_;
    QByteArray tail_;
};

}  // namespace zelvaro
