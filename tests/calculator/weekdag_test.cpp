#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "calendar.h"
#include "failure.h"
#include "reference.h"
#include "tarvinde.h"

namespace {

using ref::Cal;

struct Dated {
    std::int16_t day, month, year;
    const char* text;
};

TEST(Weekdag, KnownDates) {
    const Dated cases[] = {
        {1, 1, 2000, "zaterdag 1 januari 2000"},
        {1, 1, 1500, "woensdag 1 januari 1500"},
        {4, 10, 1582, "donderdag 4 oktober 1582"},  // the Julian rule holds for all of 1582
        {25, 12, 1582, "dinsdag 25 december 1582"},
        {31, 12, 1582, "maandag 31 december 1582"},
        {1, 1, 1583, "zaterdag 1 januari 1583"},     // first Gregorian year
        {29, 2, 1500, "zaterdag 29 februari 1500"},  // a leap day of the Julian calendar only
        {30, 2, 1500, "zondag 1 maart 1500"},
        {31, 4, 1000, "woensdag 1 mei 1000"},
        {31, 2, 2001, "zaterdag 3 maart 2001"},
        {31, 2, 1501, "woensdag 3 maart 1501"},
        {29, 2, 1900, "donderdag 1 maart 1900"},
        {29, 2, 2000, "dinsdag 29 februari 2000"},
        {1, 13, 2000, "maandag 1 januari 2001"},
        {1, 0, 2000, "woensdag 1 december 1999"},
        {0, 1, 2000, "vrijdag 31 december 1999"},
        {0, 3, 1500, "zaterdag 29 februari 1500"},
        {1, 13, 1582, "dinsdag 1 januari 1583"},  // a Julian year carries on in the Julian calendar
        {1, 1, 100, "woensdag 1 januari 100"},    // no leading zeros below 1000
        {1, 13, 99, "woensdag 1 januari 100"},    // the year after carrying decides the range
        {31, 12, 9999, "vrijdag 31 december 9999"},
        {-2000, 1, 1500, " 10 juli 1494"},  // negative day sum: no weekday name
    };
    ref::RecordingBox box;
    const Tarvinde t(box);
    for (const auto& c : cases)
        EXPECT_EQ(t.Weekdag(c.day, c.month, c.year), c.text) << c.day << "/" << c.month << "/" << c.year;
    EXPECT_TRUE(box.shown.empty());
}

// Both calendars, every date the window can ask for: the Julian weekday rule against
// the weekday of the Julian day number, and the Gregorian long date.
TEST(Weekdag, EveryDateOfTheYears100To2100) {
    ref::RecordingBox box;
    const Tarvinde t(box);
    int mismatches = 0;
    for (std::int16_t y = 100; y <= 2100; ++y) {
        const Cal cal = ref::calendarOf(y);
        for (std::int16_t m = 1; m <= 12; ++m) {
            const auto length = ref::jdn(cal, 1, m + 1, y) - ref::jdn(cal, 1, m, y);
            for (std::int16_t d = 1; d <= length; ++d) {
                const std::string expected =
                    std::string(ref::kWeekdays[ref::weekday(ref::jdn(cal, d, m, y))]) + " " +
                    ref::dateText({d, m, y});
                if (t.Weekdag(d, m, y) != expected && ++mismatches <= 10) ADD_FAILURE() << expected;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

struct Refused {
    std::int16_t day, month, year;
    int number;
};

TEST(Weekdag, FailsWithOverflowOrInvalidCall) {
    const Refused cases[] = {
        {32763, 1, 1582, 6},                         // day + 5 leaves 16 bits on the Julian path
        {32767, 12, 100, 6},  {1, -32754, 2000, 6},  // 14 - month leaves 16 bits, for every year
        {1, -32768, 1000, 6}, {1, -32753, 2000, 5},  // no overflow, but thousands of years before 100
        {1, 1, 10000, 5},     {1, 13, 9999, 5},     {1, 1, 99, 5},       {0, 1, 100, 5},
        {1, 1, 0, 5},         {1, 1, -1, 5},        {-32768, 1, 189, 5}, {1, 32767, 32767, 5},
    };
    ref::RecordingBox box;
    const Tarvinde t(box);
    for (const auto& c : cases) {
        try {
            const std::string text = t.Weekdag(c.day, c.month, c.year);
            ADD_FAILURE() << c.day << "/" << c.month << "/" << c.year << " gave \"" << text << "\"";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.number(), c.number) << c.day << "/" << c.month << "/" << c.year;
            EXPECT_EQ(failure.description(),
                      c.number == 6 ? "Overflow" : "Invalid procedure call or argument");
        }
    }
    EXPECT_TRUE(box.shown.empty());
}

TEST(Weekdag, LargeDaysCarryWhereTheyDoNotOverflow) {
    ref::RecordingBox box;
    const Tarvinde t(box);
    EXPECT_EQ(t.Weekdag(32762, 1, 1582), ref::textOf(32762, 1, 1582));
    EXPECT_EQ(t.Weekdag(32763, 1, 1583), ref::textOf(32763, 1, 1583));  // no day + 5 on the Gregorian path
    EXPECT_EQ(t.Weekdag(32762, 32767, 100), ref::textOf(32762, 32767, 100));
    EXPECT_EQ(t.Weekdag(-32768, -32753, 9999), ref::textOf(-32768, -32753, 9999));
}

// The calculator's own day numbers agree with the reference ones, day by day, in both
// calendars, and meet at the calendar change.
TEST(Calendar, DayNumbersAgreeWithTheReference) {
    constexpr auto kUnixEpoch = ref::jdn(Cal::Gregorian, 1, 1, 1970);
    static_assert(calendar::daysFromJulian(1582, 10, 5) == ref::jdn(Cal::Julian, 5, 10, 1582) - kUnixEpoch);
    int mismatches = 0;
    for (auto j = ref::jdn(Cal::Julian, 1, 1, 100); j <= ref::jdn(Cal::Gregorian, 31, 12, 9999); ++j) {
        const auto julian = ref::fromJdn(Cal::Julian, j), gregorian = ref::fromJdn(Cal::Gregorian, j);
        const auto z = j - kUnixEpoch;
        const bool ok =
            calendar::julianFromDays(z) == calendar::Date{julian.year, int(julian.month), int(julian.day)} &&
            calendar::gregorianFromDays(z) ==
                calendar::Date{gregorian.year, int(gregorian.month), int(gregorian.day)} &&
            calendar::daysFromJulian(julian.year, int(julian.month), int(julian.day)) == z &&
            calendar::daysFromGregorian(gregorian.year, int(gregorian.month), int(gregorian.day)) == z &&
            calendar::weekdayOfDays(z) == ref::weekday(j);
        if (!ok && ++mismatches <= 10) ADD_FAILURE() << "Julian day number " << j;
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
