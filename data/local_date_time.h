#pragma once

#include <cstdint>
#include <optional>

class QDate;
class QTime;

namespace zelvaro {

// A wall-clock date and time to the millisecond, without a time zone: a reading taken at
// 02:30 on the night the clocks jump keeps 02:30, whatever the zone rules say.
struct LocalDateTime {
    static constexpr std::int32_t kMsecsPerDay = 24 * 60 * 60 * 1000;

    std::int16_t year = 1;
    std::uint8_t month = 1;
    std::uint8_t day = 1;
    std::int32_t msecOfDay = 0;

    // No value unless the date exists (years 1 to 9999) and the time lies within the day.
    static std::optional<LocalDateTime> make(int year, int month, int day, int msecOfDay = 0);
    static std::optional<LocalDateTime> fromQt(const QDate& date, const QTime& time);
    // The local clock now.
    static LocalDateTime now();

    QDate date() const;
    QTime time() const;

    friend bool operator==(const LocalDateTime& a, const LocalDateTime& b) {
        return a.year == b.year && a.month == b.month && a.day == b.day &&
               a.msecOfDay == b.msecOfDay;
    }
    friend bool operator!=(const LocalDateTime& a, const LocalDateTime& b) { return !(a == b); }
};

}  // namespace zelvaro
