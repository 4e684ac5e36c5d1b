#pragma once

// Serial day numbers for the two calendars this program counts in.
// Day 0 is 1 January 1970 (Gregorian), as for std::chrono::sys_days, so a Julian
// and a Gregorian date are the same day exactly when their numbers are equal.
// The Julian conversion follows Howard Hinnant's days_from_civil/civil_from_days,
// with the four-year Julian era of 1461 days in place of the 400-year one.

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>

namespace calendar {

// Quotient rounded toward minus infinity, which the calendar rules need for
// negative values (C++'s / truncates toward zero).
constexpr std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

struct Date {
    std::int64_t year;
    int month;  // [1, 12]
    int day;    // [1, 31]
    friend constexpr bool operator==(const Date&, const Date&) = default;
};

constexpr std::int64_t daysFromGregorian(std::int64_t y, int m, int d) {
    using namespace std::chrono;
    const sys_days date = year{static_cast<int>(y)} / month{static_cast<unsigned>(m)} / day{1};
    return date.time_since_epoch().count() + (d - 1);
}

constexpr Date gregorianFromDays(std::int64_t z) {
    using namespace std::chrono;
    const year_month_day ymd{sys_days{days{z}}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

// Days from Julian 1 March of year 0 to 1 January 1970 (Gregorian).
inline constexpr std::int64_t kJulianEpochShift = 719470;

constexpr std::int64_t daysFromJulian(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = floorDiv(y, 4);
    const auto yoe = static_cast<unsigned>(y - era * 4);                                      // [0, 3]
    const auto doy = static_cast<unsigned>((153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1);  // [0, 365]
    const unsigned doe = yoe * 365 + doy;                                                     // [0, 1460]
    return era * 1461 + static_cast<std::int64_t>(doe) - kJulianEpochShift;
}

constexpr Date julianFromDays(std::int64_t z) {
    z += kJulianEpochShift;
    const std::int64_t era = floorDiv(z, 1461);
    const auto doe = static_cast<unsigned>(z - era * 1461);         // [0, 1460]
    const unsigned yoe = (doe - doe / 1460) / 365;                  // [0, 3]
    const unsigned doy = doe - 365 * yoe;                           // [0, 365]
    const unsigned mp = (5 * doy + 2) / 153;                        // [0, 11]
    const auto d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);  // [1, 31]
    const auto m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);     // [1, 12]
    return {static_cast<std::int64_t>(yoe) + era * 4 + (m <= 2), m, d};
}

// The leap-year rules: every fourth year in the Julian calendar; in the Gregorian
// calendar not the centuries, except every fourth century.
constexpr bool isJulianLeapYear(std::int64_t y) {
    return y % 4 == 0;
}
constexpr bool isGregorianLeapYear(std::int64_t y) {
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

// Days in a month (1..12) of a leap year or a common one.
constexpr int monthLength(bool leapYear, int month) {
    constexpr std::array<int, 12> kLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear ? 29 : kLengths.at(static_cast<std::size_t>(month - 1));
}

// 0 = Sunday .. 6 = Saturday; day 0 was a Thursday.
constexpr int weekdayOfDays(std::int64_t z) {
    return static_cast<int>((z % 7 + 7 + 4) % 7);
}

static_assert(daysFromGregorian(1970, 1, 1) == 0);
static_assert(weekdayOfDays(0) == 4);
static_assert(daysFromJulian(1582, 10, 5) == daysFromGregorian(1582, 10, 15));
static_assert(daysFromJulian(1582, 10, 4) + 1 == daysFromJulian(1582, 10, 5));
static_assert(julianFromDays(daysFromJulian(1500, 2, 29)) == Date{1500, 2, 29});
static_assert(julianFromDays(daysFromJulian(-1, 12, 31) + 1) == Date{0, 1, 1});
static_assert(isGregorianLeapYear(2000) && !isGregorianLeapYear(1900) && isJulianLeapYear(1900));
static_assert(gregorianFromDays(daysFromGregorian(2000, 2, 29)) == Date{2000, 2, 29});

}  // namespace calendar
