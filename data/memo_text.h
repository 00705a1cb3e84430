#pragma once

#include <QString>
#include <optional>
#include <string>

namespace zelvaro {

// The notes of a row as text (LF line breaks, as Qt's editors give them) and as stored
// (Windows-1252 bytes with CR LF line breaks, as the packet carries them). Empty text is no
// notes.
std::optional<std::string> memoBytes(const QString& text);
QString memoText(const std::optional<std::string>& bytes);

}  // namespace zelvaro
