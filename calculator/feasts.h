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
    // The saints' days of saints.tsv carry their row's sources and notes.
    std::string_view source{};  // empty for the main feasts, whose source is a comment in the table
    std::string_view note{};    // where it was kept, how many sources confirm the day, where they differ
    bool provisional = false;   // a day no source confirms: every use of it says "dag onzeker"
    bool main = true;           // the whole Church's and the region's own feasts, listed by default
};

// Which feasts a list holds: the main ones, or the saints' days of saints.tsv too.
enum class Set { Main, All };

// Every feast, in the order the feast list shows them (the order that breaks ties).
std::span<const Feast> table();
// nullptr for an unknown id.
const Feast* findById(std::string_view id);
// Among the main feasts alone, which need no reading of the saints' file: a row
// equal to findById's (not the same object); nullptr for any other id.
const Feast* findMainById(std::string_view id);

struct Occurrence {
    const Feast* feast;
    // Serial day number; for a skipped date, that of its Julian reading, except New
    // Year's Eve, which then fell on the region's last Julian day.
    std::int64_t day;
    std::string text;  // weekday and date as the window writes them, with the note " (? d/m/yyyy)"
    std::string iso;   // the day in the proleptic Gregorian calendar, "0475-04-14"
    // Where this day was kept, for a feast the churches kept on more than one day
    // ("Utrecht", "Romeins missaal 1570"); empty for a feast with one day.
    std::string_view label{};
    bool provisional = false;  // no source confirms this day: "dag onzeker"
};

// The feast's day in a year and region; nullopt when it is absent: before its
// first year, or when its date as shown lies outside the year (the fourth Sunday
// of Advent after a skipped Christmas), and for a year outside 1 to 9999.
std::optional<Occurrence> occurrence(const Feast& feast, int year, const regions::Region& region);
// Its text alone (Occurrence::text), or empty where it is absent, written into
// `out`, whose storage a table of years reuses.
void writeDayText(std::string& out, const Feast& feast, int year, const regions::Region& region);

// Every day the feast was kept on in a year and region, by date, each labelled with
// where it was kept when there is more than one (Sint-Margriet: 20 July in the Roman
// calendar, 13 July in Utrecht); a day of the 1570 missal from 1570 on. Empty where
// occurrence() is nullopt and no other day applies.
std::vector<Occurrence> occurrences(const Feast& feast, int year, const regions::Region& region);

// The note of a feast in the feast list: "dag onzeker" for a provisional day, where
// its own day was kept and its other days ("ook 13/7 (Utrecht)"); empty for most.
std::string listNote(const Feast& feast);

// The reading's words for an occurrence's day: " (Utrecht)", " (dag onzeker)",
// " (Utrecht, dag onzeker)"; empty for a certain day of a feast with one day.
std::string labelText(const Occurrence& occurrence);

// Every feast of the set present in the year on its own day (the other days of a
// feast are in its note), ordered by day, ties in table order.
std::vector<Occurrence> ofYear(int year, const regions::Region& region, Set set = Set::Main);

// The form in which names are compared: lower case, without hyphens, blanks or
// diacritics ("Sint-Matteüs" and "sint matteus" both give "sintmatteus").
std::string foldName(std::string_view utf8);

// Whether the feast's name, an alias, its Latin name or the places of its note and
// labels ("Utrecht", "Doornik") contain the typed text, compared in their folded
// forms. Empty text matches every feast.
bool matchesFilter(const Feast& feast, std::string_view typed);

}  // namespace feasts
