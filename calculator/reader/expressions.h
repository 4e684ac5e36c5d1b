#pragma once

// Dates as the modern grammar writes them: the first day an expression names, and
// for a date the feasts around it, each with an expression that reads back to it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dating.h"
#include "feasts.h"
#include "input_error.h"
#include "regions.h"

namespace dating {

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
