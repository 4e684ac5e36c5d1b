#pragma once

// The calendar reform of each region: the table of switch dates, and the rules
// that tell which calendar a day or a written date belongs to there.
//
// A region switches once: its last Julian day is followed at once by its first
// Gregorian day. Days are serial day numbers (calendar.h), so a feast can be
// counted in days across a switch and shown in the calendar in force that day.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calendar.h"

namespace regions {

struct Region {
    std::string_view id;         // ASCII, lower case, hyphens
    std::string_view menuName;   // as the window's menu and the copy name it
    std::string_view shortName;  // as the window title names it
    // The switch, as the region wrote its dates: the last Julian day as a Julian
    // date, the first Gregorian day as a Gregorian date. Both absent for the two
    // fixed regions.
    std::optional<calendar::Date> lastJulian;
    std::optional<calendar::Date> firstGregorian;
    bool alwaysGregorian;   // with no switch: Gregorian (proleptic) rather than Julian
    std::string_view bron;  // the source, in Dutch; empty where there is none
};

// Every region, in the order the menu and `tarvinde regions` list them.
std::span<const Region> all();
// The Southern Netherlands, the calendar the window has always shown.
const Region& defaultRegion();
// Whether it is the default region, whose texts the window has always shown.
bool isDefault(const Region& region);
// nullptr for an unknown id.
const Region* find(std::string_view id);
// The known ids, comma-separated, for error messages.
std::string knownIds();

// Serial day numbers of the switch. For the always-Julian region the last Julian
// day lies beyond every date, for the always-Gregorian region before every date.
std::int64_t lastJulianDay(const Region& region);
std::int64_t firstGregorianDay(const Region& region);

bool isJulian(const Region& region, std::int64_t day);
// The date of a day in the calendar in force on it.
calendar::Date dateOf(const Region& region, std::int64_t day);

// A date as written (day/month/year) in a region.
struct Reading {
    std::int64_t day;  // serial day number; for a skipped date, that of its Julian reading
    bool julian;       // read (or, when skipped, shown) in the Julian calendar
    bool skipped;      // the date was skipped at the switch: it lies in the gap
};
// Its Julian reading when that is on or before the last Julian day; else its
// Gregorian reading when that is on or after the first Gregorian day; else, when
// it lies between the two as a date, it was skipped. A date that has no reading
// (31/4, or 29/2/1700 where 1700 was Gregorian) gives nullopt.
std::optional<Reading> readDate(const Region& region, std::int64_t year, int month, int day);

// Easter Sunday: the Gregorian computus's when that falls on or after the first
// Gregorian day, otherwise the Julian computus's.
std::int64_t easterDay(const Region& region, std::int64_t year);
// Whether that Easter is the Gregorian computus's.
bool keepsGregorianEaster(const Region& region, std::int64_t year);

// Whether 29 February of the year existed in the region.
bool isLeapYear(const Region& region, std::int64_t year);

// The year of the region's first skipped date; nullopt for the two fixed regions.
std::optional<std::int64_t> reformYear(const Region& region);
// Number of skipped dates, counted in the Julian calendar from the day after the
// last Julian day; 0 for the fixed regions.
int skippedDates(const Region& region);

// Which calendar governs a year in the region: one of the two throughout, or
// both (the year in which it switched).
enum class YearCalendar { Julian, Gregorian, Both };
YearCalendar yearCalendar(const Region& region, std::int64_t year);

// The switch as it falls inside one year.
struct Switch {
    calendar::Date lastJulian;      // Julian date
    calendar::Date firstGregorian;  // Gregorian date
    calendar::Date firstSkipped;    // Julian date of the day after the last Julian day
    int skippedDates;
};
// The region's switch when its first skipped date lies in the year; else nullopt.
std::optional<Switch> switchIn(const Region& region, std::int64_t year);

// Texts, as the window writes them.
// "zaterdag": the Dutch weekday of a day.
std::string weekdayName(std::int64_t day);
// "zaterdag 1 januari 2000": the weekday and date of a day in the calendar in force.
std::string dayText(const Region& region, std::int64_t day);
// The same text appended to `out`.
void appendDayText(std::string& out, const Region& region, std::int64_t day);
// "d/m/yyyy".
std::string numericDate(const calendar::Date& date);
// The text of a date written as day/month/year (a fixed feast): the day's text,
// and for a skipped date its Julian reading with the note " (? d/m/yyyy)" naming
// the Gregorian date of that day, or, with noteLastJulianDay, the region's last
// Julian day (New Year's Eve names the day that ended the year). Empty when the
// date has no reading.
std::string fixedDateText(const Region& region, std::int64_t year, int month, int day,
                          bool noteLastJulianDay = false);
// The same for a date already read (readDate).
std::string fixedDateText(const Region& region, const Reading& reading, std::int64_t year, int month, int day,
                          bool noteLastJulianDay = false);
// "0475-04-14": the day in the proleptic Gregorian calendar.
std::string isoDate(std::int64_t day);
// The day as YYYY-MM-DD in the calendar in force in the region on that day: the
// date an edition gives (Julian before the region's switch), where isoDate is
// proleptic Gregorian.
std::string dateInForce(const Region& region, std::int64_t day);
// That calendar: "Juliaans" or "Gregoriaans", as the year view spells it.
std::string_view calendarOf(const Region& region, std::int64_t day);

}  // namespace regions
