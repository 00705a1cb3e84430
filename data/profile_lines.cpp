#include "data/profile_lines.h"

#include <QStringDecoder>
#include <string_view>

#include "data/cp1252.h"

namespace zelvaro {

namespace {

const QByteArray Utf8Mark("\xEF\xBB\xBF");
const QByteArray Utf16LittleEndianMark("\xFF\xFE");
const QByteArray Utf16BigEndianMark("\xFE\xFF");

}  // namespace

ProfileLines::ProfileLines(const QByteArray& bytes) {
    readMark(bytes);
    const qsizetype unit = unitSize();
    const qsizetype end = bytes.size() - (bytes.size() - mark_.size()) % unit;
    tail_ = bytes.mid(end);
    qsizetype start = mark_.size();
    qsizetype at = start;
    while (at < end) {
        const char16_t unit16 = unitAt(bytes, at);
        if (unit16 != u'\r' && unit16 != u'\n') {
            at += unit;
            continue;
        }
        qsizetype next = at + unit;
        if (unit16 == u'\r' && next < end && unitAt(bytes, next) == u'\n') next += unit;
        addLine(bytes.mid(start, at - start), bytes.mid(at, next - at));
        start = at = next;
    }
    if (start < end) addLine(bytes.mid(start, end - start), QByteArray());
}

QByteArray ProfileLines::bytes() const {
    QByteArray bytes = mark_;
    for (const Line& line : lines_) bytes += line.body + line.end;
    return bytes + tail_;
}

void ProfileLines::replace(qsizetype index, const QString& text) {
    lines_[index].text = text;
    lines_[index].body = encode(text);
}

void ProfileLines::insert(qsizetype index, const QString& text) {
    const QByteArray end = newLineEnd();
    if (index == lines_.size() && !lines_.isEmpty() && lines_.back().end.isEmpty()) {
        lines_.back().end = end;
    }
    lines_.insert(index, Line{text, encode(text), end});
}

char16_t ProfileLines::unitAt(const QByteArray& bytes, qsizetype offset) const {
    const auto first = static_cast<uchar>(bytes[offset]);
    switch (encoding_) {
        case Encoding::EightBit:
            return first;
        case Encoding::Utf16LittleEndian:
            return static_cast<char16_t>(first | static_cast<uchar>(bytes[offset + 1]) << 8);
        case Encoding::Utf16BigEndian:
            return static_cast<char16_t>(first << 8 | static_cast<uchar>(bytes[offset + 1]));
    }
    return first;
}

void ProfileLines::readMark(const QByteArray& bytes) {
    if (bytes.startsWith(Utf16LittleEndianMark)) {
        encoding_ = Encoding::Utf16LittleEndian;
        mark_ = Utf16LittleEndianMark;
    } else if (bytes.startsWith(Utf16BigEndianMark)) {
        encoding_ = Encoding::Utf16BigEndian;
        mark_ = Utf16BigEndianMark;
    } else if (bytes.startsWith(Utf8Mark)) {
        mark_ = Utf8Mark;
    }
}

void ProfileLines::addLine(QByteArray body, QByteArray end) {
    QString text = decode(body);
    lines_.append(Line{std::move(text), std::move(body), std::move(end)});
}

QString ProfileLines::decode(const QByteArray& body) const {
    if (encoding_ == Encoding::EightBit) {
        if (!body.isValidUtf8()) return fromCp1252(std::string_view(body.constData(), body.size()));
        // A mark inside the file is text like any other.
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        return utf8.decode(body);
    }
    QString text(body.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) text[i] = QChar(unitAt(body, 2 * i));
    return text;
}

QByteArray ProfileLines::encode(const QString& text) const {
    if (encoding_ == Encoding::EightBit) return text.toUtf8();
    QByteArray bytes;
    bytes.reserve(2 * text.size());
    for (const QChar c : text) {
        const auto low = static_cast<char>(c.unicode() & 0xFF);
        const auto high = static_cast<char>(c.unicode() >> 8);
        if (encoding_ == Encoding::Utf16LittleEndian) {
            bytes.append(low).append(high);
        } else {
            bytes.append(high).append(low);
        }
    }
    return bytes;
}

QByteArray ProfileLines::newLineEnd() const {
    for (const Line& line : lines_) {
        if (!line.end.isEmpty()) return line.end;
    }
    return encode(QStringLiteral("\r\n"));
}

}  // namespace zelvaro
