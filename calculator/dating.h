#pragma once

// Dating by feast: the arithmetic of the relations a clause names ("the Tuesday
// after", "the eve of", "the octave of"), the year a day belongs to in a year
// style, and for a day the feasts around it, each with an expression naming it.
// Reading a clause is clause.h's; `evaluate` is its first reading, for callers
// that want one day.
//
// The modern grammar the readings are written in:
//   EXPRESSION := [RELATION] FEAST YEAR | [WEEKDAY] DAY MONTH YEAR | [WEEKDAY] D/M/YYYY
//   RELATION   := "vooravond van" | "octaaf van" | [ORDINAL] WEEKDAY ("na" | "voor")
//   ORDINAL    := "1e" … "30e" | "eerste" … "dertigste"
// FEAST may end in "dag"/"sdag" or "mis"/"smis" (no change) or "avond"/"savond"
// (the eve). YEAR is the year of the day named: the days the expression names with
// its feast in the years YEAR - 1, YEAR and YEAR + 1 that fall in YEAR.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "feasts.h"
#include "input_error.h"
#include "regions.h"
#include "year_style.h"

namespace dating {

// How a clause places its day relative to a feast or a date.
enum class Relation {
    On,            // the day itself
    Eve,           // the day before
    DayAfter,      // in crastino: the day after
    Octave,        // the day + 7
    Quindena,      // the day + 14
    After,         // the n-th given weekday after (the day itself not counted)
    Before,        // the n-th given weekday before
    WithinOctave,  // the given weekday among the seven days after
};

// The day a relation names from a day. weekday: 0 = Sunday; count from 1.
std::int64_t relate(std::int64_t day, Relation relation, int weekday = 0, int count = 1);

// The year a day belongs to as a record in the style counted it: from 1 January,
// 25 December of the year before, 25 March, or Easter (Holy Saturday, Good
// Friday) of the region.
int styleYear(std::int64_t day, year_style::Style style, const regions::Region& region);
// The same for a date as written (day/month/year), so that a date the region
// skipped at its switch keeps the year it was written in.
int styleYearOfDate(int year, int month, int day, year_style::Style style, const regions::Region& region);

// Bad input, as every reader of the calculator reports it.

struct Dated {
    std::int64_t day;  // serial day number
    // Weekday and date in the calendar in force on that day; a feast day named
    // without relation as the feast list writes it, with its note where it has one.
    std::string text;
    std::string iso;  // proleptic Gregorian, "0475-04-14"
};

// The first day an expression names, in a region: clause::read with its first
// reading. Throws InputError as clause::read does.
Dated evaluate(std::string_view expression, const regions::Region& region);

struct Nearby {
    std::string_view relation;  // "op", "vooravond", "voor", "octaaf" or "na"
    const feasts::Feast* feast;
    std::string expression;  // an expression that evaluates to the date again
    // Which of the feast's days it is where there are more ("Utrecht"), and "dag
    // onzeker" for a day no source confirms; empty for most.
    std::string note = {};
};

struct Around {
    Dated date;
    std::vector<Nearby>
        feasts;  // by distance in days, then na/voor before vooravond/octaaf, then table order
};

// The feasts of the year before, the year and the year after (within 100 to 2100)
// that lie within seven days of a date written day/month/year, each with an
// expression in the year of that date (or, for a date skipped at the switch, of
// the day it names) whose readings include the date, the date shown as
// the weekday finder shows it; a date skipped at the switch counts as its Julian
// reading, as a feast on it does. Throws InputError for a date that does not exist in
// the region or lies outside the years 100 to 2100.
// By default the main feasts on their own days; with Set::All the saints' days of
// saints.tsv too, on each day a church kept them.
Around around(int day, int month, int year, const regions::Region& region,
              feasts::Set set = feasts::Set::Main);

}  // namespace dating
