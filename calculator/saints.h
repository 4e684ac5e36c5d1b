#pragma once

// The saints' days of saints.tsv and the days churches kept them on besides
// (saint-days.tsv, read from the file's notes), as the files give them, each row
// with its sources. The build compiles both files in.

#include <span>
#include <string_view>

namespace saints {

// A saint's day of saints.tsv.
struct Saint {
    std::string_view id;
    std::string_view name;  // Dutch
    int day, month;
    std::string_view note;    // dioceses, differing days, how many sources confirm the day
    int firstYear;            // "~512" is read as 512
    std::string_view latin;   // "beati Barnabe apostoli (gezien: ...); nom. Barnabas"
    std::string_view dutch;   // Middle Dutch: "(usual form, not seen) sinte Gillis dach"
    std::string_view french;  // Old French
    std::string_view source;
};

// A day a church kept a saint's feast on: the file's own day with where it was
// kept, and the others.
struct Day {
    std::string_view id;
    int day, month;
    std::string_view where;  // "Utrecht", "Tridentijns missaal"
    int from, until;         // the years it applies in; 0: no limit
    bool certain;            // false: a day no source confirms
    std::string_view source;
};

std::span<const Saint> all();
std::span<const Day> days();

}  // namespace saints
