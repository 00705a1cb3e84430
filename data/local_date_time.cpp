#include "data/local_date_time.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace zelvaro {

std::optional<LocalDateTime> LocalDateTime::make(int year, int month, int day, int msecOfDay) {
    if (year < 1 || year > 9999 || !QDate::isValid(year, month, day)) return std::nullopt;
    if (msecOfDay < 0 || msecOfDay >= kMsecsPerDay) return std::nullopt;
    return LocalDateTime{static_cast<std::int16_t>(year), static_cast<std::uint8_t>(month),
                         static_cast<std::uint8_t>(day), msecOfDay};
}

std::optional<LocalDateTime> LocalDateTime::fromQt(const QDate& date, const QTime& time) {
    if (!date.isValid() || !time.isValid()) return std::nullopt;
    return make(date.year(), date.month(), date.day(), time.msecsSinceStartOfDay());
}

LocalDateTime LocalDateTime::now() {
    const QDateTime clock = QDateTime::currentDateTime();
    return fromQt(clock.date(), clock.time()).value_or(LocalDateTime{});
}

QDate LocalDateTime::date() const {
    return QDate(year, month, day);
}

QTime LocalDateTime::time() const {
    return QTime::fromMSecsSinceStartOfDay(msecOfDay);
}

}  // namespace zelvaro
