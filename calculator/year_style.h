#pragma once

// Year styles: dates written in a year that did not begin on 1 January (at
// Christmas, on 25 March, or at Easter), turned into the modern reckoning in
// which every year begins on 1 January.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "input_error.h"
#include "regions.h"

namespace year_style {

enum class Style { Nieuwjaar, Kerst, Boodschap, Pasen, Paaszaterdag, GoedeVrijdag };

struct StyleInfo {
    std::string_view id;    // ASCII, lower case, hyphens: the command line's STYLE
    std::string_view name;  // Dutch, as the window's style box shows it
    Style style;
};

// Every style, in the order the style box and error messages list them.
std::span<const StyleInfo> styles();
// nullptr for an unknown id.
const StyleInfo* find(std::string_view id);
// The known ids, comma-separated, for error messages.
std::string knownIds();

// Bad input, as every reader of the calculator reports it.

// One modern date (the year beginning on 1 January) of a style date.
struct Modern {
    std::int64_t day;  // serial day number (calendar.h)
    std::string text;  // as regions::fixedDateText writes the date, with the gap note where there is one
    std::string iso;   // regions::isoDate
};

// The modern date or dates of day/month/year written in the style, in the region:
// one, or two in date order (in the Easter styles some dates occurred twice in one
// style year). Throws InputError when no candidate year has that day and month, when the
// date did not exist in that style year, or when the style year or a modern date
// lies outside the years 100 to 2100. In the Easter styles a date the region skipped
// at its switch lies, as written, between its last Julian and first Gregorian day.
std::vector<Modern> toModern(Style style, int day, int month, int year, const regions::Region& region);

}  // namespace year_style
