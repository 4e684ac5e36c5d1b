#pragma once

// The date service: composes a date from year, month and day with carrying, and
// writes it in Dutch. It serves the years 100 to 9999; anything else is a
// Failure::invalidCall().

#include <string>

#include "calendar.h"

namespace date_service {

enum class Calendar { Julian, Gregorian };

inline constexpr int kFirstYear = 100;
inline constexpr int kLastYear = 9999;

// A month outside 1..12 carries into neighbouring years, then a day outside its
// month carries into neighbouring months (31 February 2001 is 3 March 2001).
// Throws Failure::invalidCall() when the result lies outside kFirstYear..kLastYear.
calendar::Date compose(Calendar cal, int year, int month, int day);

// "1 januari 2000": day without leading zero, Dutch month name, year without padding.
std::string dayMonthYear(const calendar::Date& date);

// The Dutch long date of a Gregorian date: "zaterdag 1 januari 2000".
std::string longDate(const calendar::Date& gregorian);

}  // namespace date_service
