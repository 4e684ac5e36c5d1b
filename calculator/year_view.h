#pragma once

// The year view: every row the window shows for a year, in a region, as plain
// text. The window, its copy and print, and the command line all write from it.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "regions.h"
#include "year_range.h"

namespace year_view {

// The years the window and the command line accept.
using year_range::kFirstYear;
using year_range::kLastYear;

// The window's eleven feast rows, in window order.
enum class Feast {
    Nieuwjaar,
    Aswoensdag,
    Palmzondag,
    Pasen,
    Hemelvaart,
    Pinksteren,
    OLVtenHemel,
    Allerheiligen,
    Allerzielen,
    Kerstmis,
    Oudjaarsavond,
};
inline constexpr std::size_t kFeastCount = 11;

struct FeastRow {
    std::string_view key;      // as the command line names it
    std::string_view caption;  // as the copy names it
    std::string_view feastId;  // the feast table's row (feasts.h) that gives its day
};
inline constexpr std::array<FeastRow, kFeastCount> kFeastRows{{
    {"nieuwjaar", "Nieuwjaar", "nieuwjaar"},
    {"aswoensdag", "Aswoensdag", "aswoensdag"},
    {"palmzondag", "Palmzondag", "palmzondag"},
    {"pasen", "Pasen (Rome)", "pasen"},
    {"hemelvaart", "Hemelvaart", "hemelvaart"},
    {"pinksteren", "Pinksteren", "pinksteren"},
    {"olv_ten_hemel", "OLV ten Hemel", "olv-hemelvaart"},
    {"allerheiligen", "Allerheiligen", "allerheiligen"},
    {"allerzielen", "Allerzielen", "allerzielen"},
    {"kerstmis", "Kerstmis", "kerstmis"},
    {"oudjaarsavond", "Oudjaarsavond", "oudjaarsavond"},
}};

// The texts exactly as the window's boxes and labels show them (the rule with its
// two leading blanks, " idem Pasen Rome" with its one).
struct YearView {
    int year;
    const regions::Region* region;
    std::string kalender;  // "Juliaans", "Gregoriaans" or "Overgangsjaar"
    bool leapYear;
    std::string regel;  // the leap-year rule beside the check box
    std::array<std::string, kFeastCount> feasts;
    std::string gallieTitel;  // the Gaul row's caption, or the reform caption
    std::string gallie;       // Easter in Gaul, or the reform note

    const std::string& feast(Feast f) const { return feasts.at(static_cast<std::size_t>(f)); }
};

// The view of a year, for any year from 1 to 9999.
YearView build(int year, const regions::Region& region = regions::defaultRegion());
// The same written into `view`, whose strings a table of years reuses from year to year.
void build(YearView& view, int year, const regions::Region& region);

// One row of the copy: key (as the command line names it), caption and text,
// the text without leading or trailing blanks.
struct Line {
    std::string_view key;
    std::string caption;
    std::string text;
};
// "Jaar", "Regio" (only for a region other than the default), "Kalender",
// "Schrikkeljaar" ("ja" or "nee"), "Regel", the eleven feasts and the Gaul row.
std::vector<Line> lines(const YearView& view);

// Caption and text of the copy, one "caption<TAB>text" line each, ending in LF.
std::string tabbedText(const std::vector<Line>& lines);

// Leading and trailing blanks (ASCII white space) removed. Inline: a table of
// years trims 36,000 texts, most of which have no blank at either end.
inline std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    if (!text.empty() && !blank(text.front()) && !blank(text.back())) return text;
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The weekday finder, as the window and the command line show it in every region:
// the month is carried into the year first, the day is counted from the first of
// that month in the calendar in force on that first day, and the date reached is
// read in the region. A date the region skipped is written as its fixed feasts
// write one: "dinsdag 25 december 1582 (? 4/1/1583)", its Julian reading and the
// day that falls on in the new calendar. (Tarvinde::Weekdag keeps the carrying of
// the original finder, in the calendar of the year typed.)
struct Finding {
    calendar::Date reached;  // the date reached, in the calendar it was counted in
    bool julian;             // counted in the Julian calendar
    bool inRange;            // reached lies from 1 January kFirstYear to 31 December kLastYear
    std::string text;        // empty when not in range
};
Finding findWeekday(const regions::Region& region, std::int16_t day, std::int16_t month, std::int16_t year);

// The finder's text; throws Failure::invalidCall() when the date reached lies
// outside the years kFirstYear to kLastYear.
std::string weekdayText(const regions::Region& region, std::int16_t day, std::int16_t month,
                        std::int16_t year);

}  // namespace year_view
