#include "ui/grid/date_time_text.h"

#include <QDate>
#include <QTime>

namespace zelvaro {

namespace {

// The format without its time-zone field ("t") and the blank that joins it to the rest;
// quoted text stays as it is.
QString withoutTimeZone(const QString& format) {
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (quoted || c != QLatin1Char('t')) {
            result += c;
        } else {
            while (result.endsWith(QLatin1Char(' '))) result.chop(1);
        }
    }
    return result.trimmed();
}

}  // namespace

DateTimeText::DateTimeText(const QLocale& locale)
    : locale_(locale),
      dateFormat_(locale.dateFormat(QLocale::ShortFormat)),
      timeFormat_(withoutTimeZone(locale.timeFormat(QLocale::LongFormat))) {}

QString DateTimeText::operator()(const LocalDateTime& value) const {
    const QString date = locale_.toString(value.date(), dateFormat_);
    if (value.msecOfDay == 0) return date;
    return date + QLatin1Char(' ') + locale_.toString(value.time(), timeFormat_);
}

}  // namespace zelvaro
