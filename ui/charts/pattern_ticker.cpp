#include "ui/charts/pattern_ticker.h"

#include "format/format_pattern.h"

namespace zelvaro {

PatternTicker::PatternTicker(std::string pattern, Separators separators)
    : pattern_(std::move(pattern)), separators_(std::move(separators)) {}

QString PatternTicker::labelOf(double tick) const {
    const QString label = QString::fromStdString(FormatPattern(pattern_, tick, separators_));
    return multiLine_ ? MultiLineLabel(label) : label;
}

QString PatternTicker::getTickLabel(double tick, const QLocale&, QChar, int) {
    return labelOf(tick);
}

QString MultiLineLabel(const QString& label) {
    QString lines = label;
    lines.replace(QLatin1Char(' '), QLatin1Char('\n'));
    return lines;
}

}  // namespace zelvaro
