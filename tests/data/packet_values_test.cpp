#include "data/packet_values.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace zelvaro {
namespace {

std::string floatText(double value) {
    char text[kPacketValueChars];
    return std::string(text, writePacketFloat(text, value));
}

std::string dateTimeText(const LocalDateTime& value) {
    char text[kPacketValueChars];
    return std::string(text, writePacketDateTime(text, value));
}

TEST(PacketFloat, WritesSixteenDigitsInTheShortestForm) {
    struct Case {
        const char* name;
        double value;
        const char* text;
    } cases[] = {
        {"half", 0.5, "0.5"},
        {"quarter step", 1.25, "1.25"},
        {"third", 1.0 / 3.0, "0.3333333333333333"},
        {"small scientific", 0.00005, "5e-05"},
        {"large scientific", 2e17, "2e+17"},
        {"negative whole", -1, "-1"},
        {"tenth", 0.1, "0.1"},
        {"1e-5", 1e-5, "1e-05"},
        {"last fixed small", 0.0001, "0.0001"},
        {"last fixed large", 1234567890123456.0, "1234567890123456"},
        {"first scientific large", 1e16, "1e+16"},
        {"three-digit exponent", 1e100, "1e+100"},
        {"rounded to 16 digits", 0.12345678901234567, "0.1234567890123457"},
        {"zero", 0.0, "0"},
        {"negative zero", -0.0, "0"},
        {"largest double", std::numeric_limits<double>::max(), "1.797693134862316e+308"},
    };
    for (const Case& c : cases) EXPECT_EQ(floatText(c.value), c.text) << c.name;
}

TEST(PacketDateTime, WritesDateAndMillisecondsWithinTheMinute) {
    struct Case {
        const char* name;
        LocalDateTime value;
        const char* text;
    } cases[] = {
        {"afternoon", *LocalDateTime::make(2024, 3, 15, ((14 * 60 + 3) * 60 + 7) * 1000 + 123),
         "20240315T14:03:07123"},
        {"midnight", *LocalDateTime::make(2024, 3, 15), "20240315"},
        {"one millisecond", *LocalDateTime::make(2024, 3, 15, 1), "20240315T00:00:00001"},
        {"last millisecond", *LocalDateTime::make(999, 12, 31, LocalDateTime::kMsecsPerDay - 1),
         "09991231T23:59:59999"},
    };
    for (const Case& c : cases) EXPECT_EQ(dateTimeText(c.value), c.text) << c.name;
}

TEST(PacketInteger, WritesDecimal) {
    char text[kPacketValueChars];
    EXPECT_EQ(std::string(text, writePacketInteger(text, -32768)), "-32768");
    EXPECT_EQ(std::string(text, writePacketInteger(text, 2147483647)), "2147483647");
}

TEST(PacketFloat, ReadsWhenTheFirstLetterOrDigitIsADigit) {
    struct Case {
        const char* name;
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"plain", "1.25", 1.25},
        {"scientific", "5e-05", 5e-05},
        {"signed exponent", "2E+17", 2e17},
        {"negative", "-1", -1},
        {"plus sign", "+2.5", 2.5},
        {"leading spaces", "  7", 7},
        {"point first", ".5", 0.5},
        {"trailing text ignored", "1.5abc", 1.5},
        {"exponent without digits", "3e", 3},
        {"comma is not a decimal separator", "1,5", 1},
        {"letter first", "x1", std::nullopt},
        {"infinity", "inf", std::nullopt},
        {"not a number", "-nan", std::nullopt},
        {"no digit", "-.", std::nullopt},
        {"empty", "", std::nullopt},
        {"two signs", "+-1", std::nullopt},
        {"junk before the digits", "#1", std::nullopt},
        {"overflow", "1e999", std::nullopt},
        {"underflow", "1e-999", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(readPacketFloat(c.text), c.value) << c.name;
}

TEST(PacketInteger, TakesTheIntegerPartWithinRange) {
    struct Case {
        const char* name;
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"plain", "42", 42},
        {"fraction cut", "12.9", 12},
        {"negative fraction cut toward zero", "-12.9", -12},
        {"exponent", "1e3", 1000},
        {"smallest i2", "-32768", -32768},
        {"above i2", "32768", std::nullopt},
        {"far above", "1e300", std::nullopt},
        {"letter", "abc", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readPacketInteger(c.text, -32768, 32767), c.value) << c.name;
}

TEST(PacketDateTime, ReadsTheDateAndALenientTime) {
    const auto at = [](int y, int mo, int d, int h, int mi, int msec) {
        return LocalDateTime::make(y, mo, d, (h * 60 + mi) * 60000 + msec);
    };
    struct Case {
        const char* name;
        const char* text;
        std::optional<LocalDateTime> value;
    } cases[] = {
        {"full", "20240315T14:03:07123", at(2024, 3, 15, 14, 3, 7123)},
        {"date only", "20240315", at(2024, 3, 15, 0, 0, 0)},
        {"separators skipped", "2024-03-15", at(2024, 3, 15, 0, 0, 0)},
        {"short milliseconds padded", "20240315T14:03:07", at(2024, 3, 15, 14, 3, 7000)},
        {"no milliseconds", "20240315T14:03", at(2024, 3, 15, 14, 3, 0)},
        {"hour out of range", "20240315T24:00:00000", at(2024, 3, 15, 0, 0, 0)},
        {"minutes out of range", "20240315T10:60:00000", at(2024, 3, 15, 0, 0, 0)},
        {"milliseconds out of range", "20240315T10:00:60000", at(2024, 3, 15, 0, 0, 0)},
        {"no hour", "20240315Tx", at(2024, 3, 15, 0, 0, 0)},
        {"month 13", "20241315", std::nullopt},
        {"day 32", "20240332", std::nullopt},
        {"31 April", "20240431", std::nullopt},
        {"29 February of a leap year", "20240229", at(2024, 2, 29, 0, 0, 0)},
        {"29 February otherwise", "20230229", std::nullopt},
        {"year 0", "00000101", std::nullopt},
        {"too few digits", "2024031", std::nullopt},
        {"huge digit run", "20240315T99999999999999999999", at(2024, 3, 15, 0, 0, 0)},
    };
    for (const Case& c : cases) EXPECT_EQ(readPacketDateTime(c.text), c.value) << c.name;
}

}  // namespace
}  // namespace zelvaro
