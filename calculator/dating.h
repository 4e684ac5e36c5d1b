#pragma once

// Dating by feast: an expression such as "dinsdag na Sint-Maarten 1450" read as
// a day, and for a day the feasts around it, each with an expression naming it.
//
//   EXPRESSION := [RELATION] FEAST YEAR
//   RELATION   := "vooravond van" | "octaaf van" | [ORDINAL] WEEKDAY ("na" | "voor")
//   ORDINAL    := "1e" … "5e" | "eerste" | "tweede" | "derde" | "vierde" | "vijfde"
//   WEEKDAY    := ["des"] ("zondag" | "maandag" | … | "zaterdag") ["s"]
//
// FEAST is a name, an alias or the Latin name of a feast, compared through
// feasts::foldName; it may end in "dag"/"sdag" or "mis"/"smis" (no change) or
// "avond"/"savond" (the eve), also in place of a name's own ending "dag" or "mis"
// ("Kerstavond", "Kerstdag"). A whole name of the table is matched before the
// words are read as a relation ("Eerste zondag van de Advent 1582"), and before
// its endings are read ("Vastenavond" is a feast, not an eve). YEAR (100 to 2100)
// is the feast's year, which the result's need not be.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "feasts.h"
#include "input_error.h"
#include "regions.h"

namespace dating {

// Bad input, as every reader of the calculator reports it.

struct Dated {
    std::int64_t day;  // serial day number
    // Weekday and date in the calendar in force on that day; a feast day named
    // without relation as the feast list writes it, with its note where it has one.
    std::string text;
    std::string iso;  // proleptic Gregorian, "0475-04-14"
};

// The day an expression names, in a region. Throws InputError for an unknown feast name
// (naming the three nearest names), a malformed expression, a feast absent that
// year, or a result outside 1 January 100 to 31 December 2100.
Dated evaluate(std::string_view expression, const regions::Region& region);

struct Nearby {
    std::string_view relation;  // "op", "vooravond", "voor", "octaaf" or "na"
    const feasts::Feast* feast;
    std::string expression;  // an expression that evaluates to the date again
};

struct Around {
    Dated date;
    std::vector<Nearby>
        feasts;  // by distance in days, then na/voor before vooravond/octaaf, then table order
};

// The feasts of the year before, the year and the year after (within 100 to 2100)
// that lie within seven days of a date written day/month/year, the date shown as
// the weekday finder shows it; a date skipped at the switch counts as its Julian
// reading, as a feast on it does. Throws InputError for a date that does not exist in
// the region or lies outside the years 100 to 2100.
Around around(int day, int month, int year, const regions::Region& region);

}  // namespace dating
