#include "data/packet_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace zelvaro {

namespace {

constexpr int kMsecsPerMinute = 60 * 1000;
// Digit runs longer than this are out of range for any part of a time anyway.
constexpr std::int64_t kDigitRunCap = 1000000000;

char* writeDigits(char* out, int value, int width) {
    for (int i = width - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return out + width;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool startsWithDigit(std::string_view text) {
    for (const char c : text) {
        if (isDigit(c)) return true;
        if (isLetter(c)) return false;
    }
    return false;
}

// The digit run starting at `at`: its value and its length (0 when no digit is there).
struct DigitRun {
    std::int64_t value = 0;
    int length = 0;
};

DigitRun digitRunAt(std::string_view text, std::size_t at) {
    DigitRun run;
    for (std::size_t i = at; i < text.size() && isDigit(text[i]); ++i) {
        run.value = std::min(run.value * 10 + (text[i] - '0'), kDigitRunCap);
        ++run.length;
    }
    return run;
}

// Milliseconds of the day of the time after the "T" at `t`, -1 when it is out of range.
std::int64_t timeAfter(std::string_view text, std::size_t t) {
    const DigitRun hour = digitRunAt(text, t + 1);
    const DigitRun minute = digitRunAt(text, t + 4);
    DigitRun msec = digitRunAt(text, t + 7);
    for (; msec.length < 5; ++msec.length) msec.value *= 10;
    if (hour.length == 0 || minute.length == 0) return -1;
    if (hour.value > 23 || minute.value > 59 || msec.value >= kMsecsPerMinute) return -1;
    return (hour.value * 60 + minute.value) * kMsecsPerMinute + msec.value;
}

}  // namespace

char* writePacketFloat(char* out, double value) {
    // Zero, also a negative zero, is "0".
    if (value == 0) {
        *out = '0';
        return out + 1;
    }
    return std::to_chars(out, out + kPacketValueChars, value, std::chars_format::general, 16).ptr;
}

char* writePacketInteger(char* out, std::int32_t value) {
    return std::to_chars(out, out + kPacketValueChars, value).ptr;
}

char* writePacketDateTime(char* out, const LocalDateTime& value) {
    out = writeDigits(out, value.year, 4);
    out = writeDigits(out, value.month, 2);
    out = writeDigits(out, value.day, 2);
    if (value.msecOfDay == 0) return out;
    const int minutes = value.msecOfDay / kMsecsPerMinute;
    *out++ = 'T';
    out = writeDigits(out, minutes / 60, 2);
    *out++ = ':';
    out = writeDigits(out, minutes % 60, 2);
    *out++ = ':';
    return writeDigits(out, value.msecOfDay % kMsecsPerMinute, 5);
}

std::optional<double> readPacketFloat(std::string_view text) {
    if (!startsWithDigit(text)) return std::nullopt;
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n')) ++p;
    const bool negative = p < end && *p == '-';
    if (p < end && (*p == '-' || *p == '+')) ++p;
    // from_chars would take a second sign.
    if (p < end && (*p == '-' || *p == '+')) return std::nullopt;
    double value = 0;
    const auto [stop, error] = std::from_chars(p, end, value, std::chars_format::general);
    if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

std::optional<std::int32_t> readPacketInteger(std::string_view text, std::int32_t min,
                                              std::int32_t max) {
    const std::optional<double> number = readPacketFloat(text);
    if (!number) return std::nullopt;
    const double whole = std::trunc(*number);
    if (whole < min || whole > max) return std::nullopt;
    return static_cast<std::int32_t>(whole);
}

std::optional<LocalDateTime> readPacketDateTime(std::string_view text) {
    int digits[8];
    int found = 0;
    std::size_t next = 0;
    for (; next < text.size() && found < 8; ++next)
        if (isDigit(text[next])) digits[found++] = text[next] - '0';
    if (found < 8) return std::nullopt;
    const int year = digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3];
    const int month = digits[4] * 10 + digits[5];
    const int day = digits[6] * 10 + digits[7];
    std::int64_t msecOfDay = 0;
    if (next < text.size() && text[next] == 'T')
        msecOfDay = std::max<std::int64_t>(timeAfter(text, next), 0);
    return LocalDateTime::make(year, month, day, static_cast<int>(msecOfDay));
}

}  // namespace zelvaro
