#pragma once

// The date service: composes a date from year, month and day with carrying, and
// writes it in Dutch. It serves the years 100 to 9999; anything else is a
// Failure::invalidCall().

#include <functional>
#include <string>

#include "calendar.h"

namespace date_service {

enum class Calendar { Julian, Gregorian };

inline constexpr int kFirstYear = 100;
inline constexpr int kLastYear = 9999;

// A date reached by carrying, and the calendar its days were counted in.
struct Carried {
    calendar::Date date;
    Calendar calendar;
};

// The carrying of the weekday finder and of Weekdag, the one place it is done: a
// month outside 1..12 carries into neighbouring years, then the day is counted
// from the first of that month, in the calendar `calendarOf` gives for that first
// (31 February 2001 is 3 March 2001). For any 16-bit day and month and a year from
// 100 to 2100 the result lies in the years -2700 to 4900; nothing is refused here.
Carried carry(int year, int month, int day,
              const std::function<Calendar(std::int64_t year, int month)>& calendarOf);

// The carrying above, all in one calendar. Throws Failure::invalidCall() when the
// result lies outside kFirstYear..kLastYear.
calendar::Date compose(Calendar cal, int year, int month, int day);

// "1 januari 2000": day without leading zero, Dutch month name, year without padding.
std::string dayMonthYear(const calendar::Date& date);
// The same, appended to `text`: a table of 2,001 years writes 24,000 of them.
// With a weekday (0 = Sunday, as calendar::weekdayOfDays counts), its name and a
// blank first: "zaterdag 1 januari 2000".
void appendDayMonthYear(std::string& text, const calendar::Date& date);
void appendDayMonthYear(std::string& text, int weekday, const calendar::Date& date);

// The Dutch long date of a Gregorian date: "zaterdag 1 januari 2000".
std::string longDate(const calendar::Date& gregorian);

}  // namespace date_service
