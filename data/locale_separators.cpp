#include "data/locale_separators.h"

#include <QString>

namespace zelvaro {

namespace {

// The first character (a whole code point) of `text` as UTF-8.
std::string firstCharacter(const QString& text, const char* fallback) {
    if (text.isEmpty()) return fallback;
    const qsizetype length = text.front().isHighSurrogate() && text.size() > 1 ? 2 : 1;
    return text.left(length).toStdString();
}

}  // namespace

Separators separatorsOf(const QLocale& locale) {
    return Separators{firstCharacter(locale.decimalPoint(), "."),
                      firstCharacter(locale.groupSeparator(), ",")};
}

}  // namespace zelvaro
