#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <stdexcept>
#include <utility>

namespace zelvaro {

// An entry that cannot be written: "Unable to write to <path>".
class ProfileWriteError : public std::runtime_error {
  public:
    explicit ProfileWriteError(const QString& path);
};

// One INI file read and written entry by entry as the Windows private-profile functions do.
// Each call reads the file afresh, and a write replaces it at once, so what the file holds
// between calls is the user's.
//
// - A line whose first non-blank character is "[" and that holds a "]" opens the section
//   named by the text up to its last "]"; a line with an "=" is an entry whose key is the text
//   before the first "=" and whose value is the rest. Anything else (comments, junk, lines
//   before the first section) is kept but never read. Blanks are spaces, tabs, vertical tabs
//   and form feeds; they are trimmed around names, keys and values.
// - Names and keys compare without regard to letter case. Only the first section of a name
//   is searched, and its first entry of a key is the one read and written.
// - A value in matching double or single quotes loses them, and at most ValueLimit
//   characters of it are read.
// - The file's text encoding and line ends are ProfileLines'.
class PrivateProfile {
  public:
    static constexpr qsizetype ValueLimit = 2047;

    explicit PrivateProfile(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }

    // No value when the file cannot be read or has no such section or entry; an entry
    // with nothing after its "=" reads as the empty text.
    std::optional<QString> readString(QStringView section, QStringView key) const;

    // Gives the first entry of the key its value, adding the entry at the end of the
    // section's lines or the section at the end of the file when they are missing, and
    // creating the file. Every other line keeps its bytes. A value is one line: it ends at
    // its first line break. Throws ProfileWriteError when the file cannot be read or
    // written; a failed write leaves the old file.
    void writeString(QStringView section, QStringView key, QStringView value) const;

  private:
    QString path_;
};

// A yes/no entry as read text: a whole number other than 0 is yes, 0 is no, and anything
// else, a missing entry included, is `defaultValue`. A text longer than two characters
// starting "0x" or "0X" is hexadecimal digits; otherwise spaces, then a sign, then "$" for
// hexadecimal may come before the digits. A number of any length counts.
bool ReadYesNo(const std::optional<QString>& text, bool defaultValue);

}  // namespace zelvaro
