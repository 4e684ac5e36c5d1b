#pragma once

// Reading a date clause as a record writes it ("feria tertia post festum beati
// Martini anno Domini M CCCC L", "des woensdaghes na sinte Niclaeys dach",
// "XVII kal. aprilis 1088"), in Latin, Middle Dutch, Old French or modern Dutch:
// the days it names, each with its reading in the modern Dutch grammar, and the
// words that were not used.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "regions.h"
#include "year_style.h"

namespace clause {

// The centuries Options::century may name: a multiple of 100 in this range.
inline constexpr int kFirstCentury = 100;
inline constexpr int kLastCentury = 2000;

struct Options {
    const regions::Region* region = &regions::defaultRegion();
    // Completes a year written below 100: 1300 makes "XXXIXo" 1339. Absent: such a
    // year is refused.
    std::optional<int> century;
    // The style of the clause's year: from 1 January unless the record counted
    // otherwise.
    year_style::Style style = year_style::Style::Nieuwjaar;
};

struct Reading {
    std::int64_t day;     // serial day number (calendar.h)
    std::string text;     // "donderdag 16 maart 1088": weekday and date in the calendar in force
    std::string iso;      // proleptic Gregorian, "1088-03-23"
    std::string reading;  // the day in the modern grammar: "dinsdag na Sint-Maarten 1450", "16 maart 1088"
    std::string date;     // in the calendar in force, as an edition gives it: "1088-03-16"
    std::string_view calendar;  // that calendar: "Juliaans" or "Gregoriaans"
};

struct Answer {
    std::vector<Reading> readings;  // one or more, in date order
    std::string skipped;            // the clause's unused words as typed, joined by single blanks
    // The indiction the clause wrote ("indictione XIII"): a check of each reading's
    // year, as are its epact, concurrent, solar cycle and golden number; never the year.
    std::optional<int> indiction;
};

// The days a clause names. Throws InputError (one Dutch line) for a clause that
// cannot be read: empty, too long, not valid UTF-8, no day or no year, two days or
// two years, an unknown feast (with the nearest names), a count or year word out of
// range, a weekday or number that does not fit the day, or no reading in 100 to 2100.
Answer read(std::string_view clause, const Options& options = {});

}  // namespace clause
