#pragma once

// The feasts used in dating records: a table of them, and each feast's day in a
// year and a region, by that region's rules for dates and for Easter.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "regions.h"

namespace feasts {

enum class Rule {
    Fixed,    // day/month, read by the region's rule for dates
    Mattias,  // day/month, one day later in a year whose 29 February existed in the region
    YearEnd,  // day/month as Fixed; in the gap its note names the region's last Julian day
    Easter,   // `offset` days from the region's Easter Sunday
    Advent,   // `offset` days from the fourth Sunday before the region's Christmas Day
    Ember,  // `offset` days from the first Wednesday after day/month (the September and December Ember days)
};

struct Feast {
    std::string_view id;                      // ASCII, lower case, hyphens
    std::string_view name;                    // Dutch
    std::string_view latin;                   // as used in dating; empty where there is none
    std::array<std::string_view, 2> aliases;  // other names; empty where there are fewer
    Rule rule;
    int day, month;  // Fixed, Mattias, YearEnd, Ember
    int offset;      // Easter, Advent, Ember: days
    int firstYear;   // the first year it was kept; 0: in every year
};

// Every feast, in the order the feast list shows them (the order that breaks ties).
std::span<const Feast> table();
// nullptr for an unknown id.
const Feast* findById(std::string_view id);

struct Occurrence {
    const Feast* feast;
    // Serial day number; for a skipped date, that of its Julian reading, except New
    // Year's Eve, which then fell on the region's last Julian day.
    std::int64_t day;
    std::string text;  // weekday and date as the window writes them, with the note " (? d/m/yyyy)"
    std::string iso;   // the day in the proleptic Gregorian calendar, "0475-04-14"
};

// The feast's day in a year and region; nullopt when it is absent: before its
// first year, or when its date as shown lies outside the year (the fourth Sunday
// of Advent after a skipped Christmas), and for a year outside 1 to 9999.
std::optional<Occurrence> occurrence(const Feast& feast, int year, const regions::Region& region);

// Every feast present in the year, ordered by day, ties in table order.
std::vector<Occurrence> ofYear(int year, const regions::Region& region);

// The form in which names are compared: lower case, without hyphens, blanks or
// diacritics ("Sint-Matteüs" and "sint matteus" both give "sintmatteus").
std::string foldName(std::string_view utf8);

// Whether the feast's name, an alias or its Latin name contains the typed text,
// compared in their folded forms. Empty text matches every feast.
bool matchesFilter(const Feast& feast, std::string_view typed);

}  // namespace feasts
