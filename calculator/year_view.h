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

// Leading and trailing blanks (ASCII white space) removed.
std::string_view trimmed(std::string_view text);

// The weekday finder: the weekday and date of day DAY of month MONTH of YEAR,
// days and months outside their range carrying. For the default region exactly
// Tarvinde::Weekdag (its text may begin with a blank); elsewhere the month is carried into the year first,
// the day is counted from the first of that month in the calendar of that first day, and the date reached is
// read by the region's rule for dates. Throws Failure as Weekdag does for a date beyond the years 100 to
// 9999.
std::string weekdayText(const regions::Region& region, std::int16_t day, std::int16_t month,
                        std::int16_t year);

}  // namespace year_view
