#include "data/memo_text.h"

#include "data/cp1252.h"

namespace zelvaro {

std::optional<std::string> memoBytes(const QString& text) {
    if (text.isEmpty()) return std::nullopt;
    const std::string plain = toCp1252(text);
    std::string bytes;
    bytes.reserve(plain.size() + plain.size() / 16);
    for (std::size_t i = 0; i < plain.size(); ++i) {
        if (plain[i] == '\n' && (i == 0 || plain[i - 1] != '\r')) bytes += '\r';
        bytes += plain[i];
    }
    return bytes;
}

QString memoText(const std::optional<std::string>& bytes) {
    if (!bytes) return QString();
    QString text = fromCp1252(*bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

}  // namespace zelvaro
