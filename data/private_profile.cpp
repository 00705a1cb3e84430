#include "data/private_profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <initializer_list>

#include "data/profile_lines.h"

namespace zelvaro {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f';
}

QStringView trimmed(QStringView text) {
    while (!text.isEmpty() && isBlank(text.front())) text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back())) text.chop(1);
    return text;
}

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

std::optional<QStringView> sectionName(QStringView line) {
    const QStringView text = trimmed(line);
    const qsizetype close = text.lastIndexOf(u']');
    if (!text.startsWith(u'[') || close < 0) return std::nullopt;
    return trimmed(text.sliced(1, close - 1));
}

struct Entry {
    QStringView key;
    qsizetype valueStart = 0;
};

std::optional<Entry> entryOf(QStringView line) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0) return std::nullopt;
    qsizetype valueStart = equals + 1;
    while (valueStart < line.size() && isBlank(line[valueStart])) ++valueStart;
    return Entry{trimmed(line.first(equals)), valueStart};
}

// Where a key of a section is, or where it would go.
struct Place {
    bool sectionFound = false;
    qsizetype entryLine = -1;
    qsizetype valueStart = 0;
    // After the section's last line that is not blank, so that the blank lines that part it
    // from the next section stay between them.
    qsizetype newEntryLine = 0;
};

Place find(const ProfileLines& lines, QStringView section, QStringView key) {
    Place place;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines.text(i);
        const std::optional<QStringView> name = sectionName(line);
        if (!place.sectionFound) {
            place.sectionFound = name && sameName(*name, section);
            place.newEntryLine = i + 1;
            continue;
        }
        if (name) break;
        if (const std::optional<Entry> entry = entryOf(line); entry && sameName(entry->key, key)) {
            place.entryLine = i;
            place.valueStart = entry->valueStart;
            break;
        }
        if (!trimmed(line).isEmpty()) place.newEntryLine = i + 1;
    }
    return place;
}

QString valueOf(QStringView line, qsizetype valueStart) {
    QStringView value = trimmed(line.sliced(valueStart));
    const bool quoted = value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
                        value.back() == value.front();
    if (quoted) value = value.sliced(1, value.size() - 2);
    if (value.size() > PrivateProfile::ValueLimit) {
        value.truncate(PrivateProfile::ValueLimit);
        // Half a character is none.
        if (value.back().isHighSurrogate()) value.chop(1);
    }
    return value.toString();
}

std::optional<QByteArray> readBytes(const QString& path) {
    QFile file(path);
    // A pipe or device could deliver without end.
    if (!file.open(QIODevice::ReadOnly) || file.isSequential()) return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

void saveBytes(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // A file the user may write in a folder they may not is written in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        throw ProfileWriteError(path);
    }
    if (!file.commit()) throw ProfileWriteError(path);
}

QString joined(std::initializer_list<QStringView> parts) {
    QString text;
    for (const QStringView part : parts) text += part;
    return text;
}

QStringView firstLine(QStringView text) {
    const auto end =
        std::find_if(text.begin(), text.end(), [](QChar c) { return c == u'\r' || c == u'\n'; });
    return text.first(end - text.begin());
}

bool isDigit(QChar c, int base) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return true;
    return base == 16 && ((u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F'));
}

// Whether a run of digits is a number other than 0; no value when it is no number.
std::optional<bool> isNonzero(QStringView digits, int base) {
    if (digits.isEmpty()) return std::nullopt;
    bool nonzero = false;
    for (const QChar c : digits) {
        if (!isDigit(c, base)) return std::nullopt;
        nonzero = nonzero || c != u'0';
    }
    return nonzero;
}

std::optional<bool> isNonzeroNumber(QStringView text) {
    if (text.size() > 2 && (text.startsWith(u"0x") || text.startsWith(u"0X"))) {
        return isNonzero(text.sliced(2), 16);
    }
    qsizetype at = 0;
    while (at < text.size() && text[at] == u' ') ++at;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) ++at;
    int base = 10;
    if (at < text.size() && text[at] == u'$') {
        base = 16;
        ++at;
    }
    return isNonzero(text.sliced(at), base);
}

}  // namespace

ProfileWriteError::ProfileWriteError(const QString& path)
    : std::runtime_error(QStringLiteral("Unable to write to %1")
                             .arg(QDir::toNativeSeparators(path))
                             .toStdString()) {}

std::optional<QString> PrivateProfile::readString(QStringView section, QStringView key) const {
    const std::optional<QByteArray> bytes = readBytes(path_);
    if (!bytes) return std::nullopt;
    const ProfileLines lines(*bytes);
    const Place place = find(lines, section, key);
    if (place.entryLine < 0) return std::nullopt;
    return valueOf(lines.text(place.entryLine), place.valueStart);
}

void PrivateProfile::writeString(QStringView section, QStringView key, QStringView value) const {
    const std::optional<QByteArray> old =
        QFileInfo::exists(path_) ? readBytes(path_) : std::optional<QByteArray>(QByteArray());
    // Writing what could not be read would lose it.
    if (!old) throw ProfileWriteError(path_);
    ProfileLines lines(*old);
    const Place place = find(lines, section, key);
    const QStringView line = firstLine(value);
    if (place.entryLine >= 0) {
        const QString& old = lines.text(place.entryLine);
        lines.replace(place.entryLine, joined({QStringView(old).first(place.valueStart), line}));
    } else {
        qsizetype at = place.newEntryLine;
        if (!place.sectionFound) {
            at = lines.size();
            lines.insert(at++, joined({u"[", section, u"]"}));
        }
        lines.insert(at, joined({key, u"=", line}));
    }
    saveBytes(path_, lines.bytes());
}

bool ReadYesNo(const std::optional<QString>& text, bool defaultValue) {
    if (!text) return defaultValue;
    return isNonzeroNumber(*text).value_or(defaultValue);
}

}  // namespace zelvaro
