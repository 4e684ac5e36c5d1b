#pragma once

// Dating by feast: the arithmetic of the relations a clause names ("the Tuesday
// after", "the eve of", "the octave of"), the year a day belongs to in a year
// style, and for a day the feasts around it, each with an expression naming it.
// Reading a clause, and the feasts around a date written as expressions, are the
// reader's (reader/expressions.h).
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

}  // namespace dating
