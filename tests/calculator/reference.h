#pragma once

// Reference calendar arithmetic for the calculator tests, written apart from the
// calculator so that one mistake cannot hide in both: Julian day numbers in the
// Fliegel & Van Flandern form, and Easter by Meeus (Julian) and Meeus/Jones/Butcher
// (Gregorian). Every function takes 64-bit values, so any 16-bit input fits.

#include <array>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "message_box.h"

namespace ref {

using i64 = std::int64_t;

constexpr i64 floorDiv(i64 a, i64 b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}
constexpr i64 floorMod(i64 a, i64 b) {
    return a - b * floorDiv(a, b);
}

enum class Cal { Julian, Gregorian };
constexpr Cal calendarOf(i64 year) {
    return year < 1583 ? Cal::Julian : Cal::Gregorian;
}

// Julian day number of day d of month m of year y. Months and days outside their
// range carry into the neighbouring months and years (the floor divisions see to it).
constexpr i64 jdn(Cal cal, i64 d, i64 m, i64 y) {
    const i64 a = floorDiv(14 - m, 12);
    const i64 yy = y + 4800 - a;
    const i64 mm = m + 12 * a - 3;  // March = 0
    const i64 days = d + floorDiv(153 * mm + 2, 5) + 365 * yy + floorDiv(yy, 4);
    return cal == Cal::Julian ? days - 32083 : days - floorDiv(yy, 100) + floorDiv(yy, 400) - 32045;
}
constexpr int weekday(i64 j) {
    return static_cast<int>(floorMod(j + 1, 7));
}  // 0 = Sunday

struct Date {
    i64 day, month, year;
    constexpr bool operator==(const Date&) const = default;
};

// Inverse of jdn, for day numbers of the years 1 to 30000.
constexpr Date fromJdn(Cal cal, i64 j) {
    if (cal == Cal::Julian) {
        const i64 c = j + 32082, d = (4 * c + 3) / 1461, e = c - 1461 * d / 4, m = (5 * e + 2) / 153;
        return {e - (153 * m + 2) / 5 + 1, m + 3 - 12 * (m / 10), d - 4800 + m / 10};
    }
    i64 l = j + 68569;
    const i64 n = 4 * l / 146097;
    l -= (146097 * n + 3) / 4;
    const i64 i = 4000 * (l + 1) / 1461001;
    l = l - 1461 * i / 4 + 31;
    const i64 k = 80 * l / 2447, day = l - 2447 * k / 80;
    l = k / 11;
    return {day, k + 2 - 12 * l, 100 * (n - 49) + i + l};
}

static_assert(jdn(Cal::Gregorian, 1, 1, 2000) == 2451545 && weekday(2451545) == 6);
static_assert(jdn(Cal::Julian, 5, 10, 1582) == jdn(Cal::Gregorian, 15, 10, 1582));
static_assert(weekday(jdn(Cal::Julian, 4, 10, 1582)) == 4);
static_assert(fromJdn(Cal::Julian, jdn(Cal::Julian, 29, 2, 1500)) == Date{29, 2, 1500});
static_assert(fromJdn(Cal::Gregorian, jdn(Cal::Gregorian, 29, 2, 1500)) == Date{1, 3, 1500});

// Easter Sunday's day number: Meeus's Julian method up to 1582, Meeus/Jones/Butcher after.
// Each method also for the years of the other calendar (the proleptic Gregorian
// Easter before 1583, the Julian Easter after 1582).
constexpr i64 julianEaster(i64 y) {
    const i64 d = (19 * (y % 19) + 15) % 30, e = (2 * (y % 4) + 4 * (y % 7) - d + 34) % 7;
    return jdn(Cal::Julian, (d + e + 114) % 31 + 1, (d + e + 114) / 31, y);
}
constexpr i64 gregorianEaster(i64 y) {
    const i64 a = y % 19, b = y / 100, c = y % 100, f = (b + 8) / 25, g = (b - f + 1) / 3;
    const i64 h = (19 * a + b - b / 4 - g + 15) % 30;
    const i64 l = (32 + 2 * (b % 4) + 2 * (c / 4) - h - c % 4) % 7;
    const i64 m = (a + 11 * h + 22 * l) / 451;
    return jdn(Cal::Gregorian, (h + l - 7 * m + 114) % 31 + 1, (h + l - 7 * m + 114) / 31, y);
}
constexpr i64 easter(i64 y) {
    return y < 1583 ? julianEaster(y) : gregorianEaster(y);
}
static_assert(easter(2000) == jdn(Cal::Gregorian, 23, 4, 2000));
static_assert(easter(1000) == jdn(Cal::Julian, 31, 3, 1000));

constexpr std::array<std::string_view, 7> kWeekdays{"zondag",    "maandag", "dinsdag", "woensdag",
                                                    "donderdag", "vrijdag", "zaterdag"};
constexpr std::array<std::string_view, 12> kMonths{"januari",   "februari", "maart",    "april",
                                                   "mei",       "juni",     "juli",     "augustus",
                                                   "september", "oktober",  "november", "december"};

inline std::string dateText(const Date& date) {
    return std::to_string(date.day) + " " + std::string(kMonths[date.month - 1]) + " " +
           std::to_string(date.year);
}

// The feast text of day number j, named and printed in the calendar of `year`.
inline std::string textOf(i64 j, i64 year) {
    return std::string(kWeekdays[weekday(j)]) + " " + dateText(fromJdn(calendarOf(year), j));
}
inline std::string textOf(i64 d, i64 m, i64 y) {
    return textOf(jdn(calendarOf(y), d, m, y), y);
}

// Reads "weekday d month yyyy[ note]" back into the day number it names, counted in
// the calendar of the year it names; -1 when the text is not exactly of that form.
inline i64 parseFeast(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::string name, month;
    i64 day = 0, year = 0;
    if (!(in >> name >> day >> month >> year)) return -1;
    i64 m = 1;
    while (m <= 12 && kMonths[m - 1] != month) ++m;
    const i64 j = jdn(calendarOf(year), day, m, year);
    return m <= 12 && text.starts_with(textOf(j, year)) ? j : -1;
}

struct Outcome {
    int failure;  // 0 when a text comes back
    std::string text;
    bool operator==(const Outcome&) const = default;
};

// Weekdag as the rules predict it: overflow when 14 - month, or on the Julian path
// day + 5, leaves 16 bits; an invalid call when the carried date lies outside the
// years 100..9999; else the weekday and date of the carried date in the year's calendar.
inline Outcome predictWeekdag(i64 d, i64 m, i64 y) {
    const Cal cal = calendarOf(y);
    if (14 - m > 32767 || (cal == Cal::Julian && d + 5 > 32767)) return {6, ""};
    const i64 j = jdn(cal, d, m, y);
    if (j < jdn(cal, 1, 1, 100) || j > jdn(cal, 31, 12, 9999)) return {5, ""};
    std::string text = textOf(j, y);
    // The Julian rule's own day sum, for its sign only: a negative remainder names no day.
    const i64 a = floorDiv(14 - m, 12), shiftedYear = y - a;
    const i64 sum = d + 5 + shiftedYear + floorDiv(shiftedYear, 4) + floorDiv(31 * (m + 12 * a - 2), 12);
    if (cal == Cal::Julian && sum < 0 && sum % 7 != 0) text.erase(0, text.find(' '));
    return {0, text};
}

inline std::string errorPrompt(int number, std::string_view description, std::string_view procedure) {
    return "Error: " + std::to_string(number) + "\r\n" + std::string(description) +
           "\r\nProc Name: " + std::string(procedure);
}

// Records every box instead of showing it.
struct RecordingBox : MessageBox {
    struct Shown {
        std::string prompt;
        int style;
        std::string title;
    };
    std::vector<Shown> shown;
    void show(const std::string& prompt, int style, const std::string& title) override {
        shown.push_back({prompt, style, title});
    }
};

}  // namespace ref
