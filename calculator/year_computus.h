#pragma once

// The computus of a year as the handbooks print it beside every year: golden
// number, epact, Sunday letter, concurrent, solar cycle, indiction, Easter's
// calendar number, the Paschal full moon and Easter. And the check of such a
// number when a scribe wrote it beside a date.
//
// Every value is that of the calendar whose Easter the region keeps that year
// (regions::easterDay). In a year in which the region changed calendar, the
// Sunday letters and the concurrent are therefore those of the calendar of its
// Easter for the whole year: the days before the change had other letters.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "regions.h"

namespace year_computus {

struct YearComputus {
    int jaar;
    const regions::Region* region;
    bool gregorian;             // the calendar whose Easter the region keeps that year
    int guldenGetal;            // 1 .. 19
    int epacta;                 // 0 ("nullae") .. 29
    std::string zondagsletter;  // "D"; a leap year two: "BA", the second from 1 March
    int concurrent;             // the weekday of 24 March, Sunday 1 .. Saturday 7
    int zonnecirkel;            // 1 .. 28
    int indictie;               // 1 .. 15, from 1 January
    int indictieSeptember;      // 1 .. 15, from September on
    int paastafel;              // Easter's date, 22 March = 1 .. 25 April = 35
    std::int64_t paasgrens;     // the Paschal full moon, a serial day number
    std::int64_t pasen;         // Easter Sunday, a serial day number
};

// The computus of a year, for any year from 1 to 9999.
YearComputus of(int year, const regions::Region& region = regions::defaultRegion());

// "Juliaans" or "Gregoriaans".
std::string_view kalenderName(const YearComputus& computus);

// The values as the command line and the feast window write them, in this order.
struct Column {
    std::string_view key;      // as the command line names it
    std::string_view caption;  // as the window and a copy name it
    bool number;               // a whole number (else a text)
};
inline constexpr std::size_t kColumnCount = 12;
// clang-format off
inline constexpr std::array<Column, kColumnCount> kColumns{{
    {"jaar",               "Jaar",                     true},
    {"kalender",           "Kalender",                 false},
    {"gulden_getal",       "Gulden getal",             true},
    {"epacta",             "Epacta",                   true},
    {"zondagsletter",      "Zondagsletter",            false},
    {"concurrent",         "Concurrent",               true},
    {"zonnecirkel",        "Zonnecirkel",              true},
    {"indictie",           "Indictie",                 true},
    {"indictie_september", "Indictie vanaf september", true},
    {"paastafel",          "Paastafel",                true},
    {"paasgrens",          "Paasgrens",                false},
    {"pasen",              "Pasen",                    false},
}};
// clang-format on

struct Cell {
    std::string text;           // "15", "zondag 5 april 1450"
    std::optional<int> number;  // exactly for the number columns
};
// The cells of a year in column order; the dates as the year view writes them.
std::array<Cell, kColumnCount> cells(const YearComputus& computus);

// The numbers a scribe could write beside a date ("indictione XIII", "epacta VI",
// "concurrente III", "cyclo solari III", "aureo numero VII").
enum class Number { Indictie, Epacta, Concurrent, Zonnecirkel, GuldenGetal };

// Its Dutch name: "indictie", "gulden getal".
std::string_view nameOf(Number number);

// Whether a stated number fits a day (a serial day number) in a region: the year
// is the day's year in the calendar in force. The indiction from 1 January to
// 31 August must be the year's; from 1 September on it may also be the next one,
// for the scribes who began it in September.
bool fits(std::int64_t day, const regions::Region& region, Number number, int stated);

// nullopt when the number fits; else the refusal, one Dutch line naming the
// number as stated and the year's value: "indictie XII past niet bij 1450: 13,
// vanaf september 14", "epacta VII past niet bij 1450: 6".
std::optional<std::string> misfit(std::int64_t day, const regions::Region& region, Number number, int stated);

// A number as the scribes wrote it: "XIII"; 0 as "nullae" (the epact), a number
// beyond 3999 or below 0 in digits.
std::string roman(int n);

}  // namespace year_computus
