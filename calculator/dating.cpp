#include "dating.h"

#include <algorithm>
#include <optional>
#include <tuple>
#include <utility>

#include "calendar.h"

namespace dating {

namespace {

constexpr int kOctave = 7;
constexpr int kQuindena = 14;

// The first day of a style year, as a serial day.
std::int64_t styleYearStart(int year, year_style::Style style, const regions::Region& region) {
    using year_style::Style;
    switch (style) {
        case Style::Nieuwjaar:
            return regions::readDate(region, year, 1, 1)->day;
        case Style::Kerst:
            return regions::readDate(region, year - 1, 12, 25)->day;
        case Style::Boodschap:
            return regions::readDate(region, year, 3, 25)->day;
        case Style::Pasen:
            return regions::easterDay(region, year);
        case Style::Paaszaterdag:
            return regions::easterDay(region, year) - 1;
        case Style::GoedeVrijdag:
            return regions::easterDay(region, year) - 2;
    }
    return regions::readDate(region, year, 1, 1)->day;
}

}  // namespace

std::int64_t relate(std::int64_t day, Relation relation, int weekday, int count) {
    const int dayWeekday = calendar::weekdayOfDays(day);
    const std::int64_t weeks = 7 * static_cast<std::int64_t>(count - 1);
    switch (relation) {
        case Relation::On:
            return day;
        case Relation::Eve:
            return day - 1;
        case Relation::DayAfter:
            return day + 1;
        case Relation::Octave:
            return day + kOctave;
        case Relation::Quindena:
            return day + kQuindena;
        case Relation::After: {
            const int ahead = (weekday - dayWeekday + 7) % 7;
            return day + (ahead == 0 ? 7 : ahead) + weeks;
        }
        case Relation::Before: {
            const int back = (dayWeekday - weekday + 7) % 7;
            return day - (back == 0 ? 7 : back) - weeks;
        }
        case Relation::WithinOctave: {
            const int ahead = (weekday - dayWeekday + 7) % 7;
            return day + (ahead == 0 ? 7 : ahead);
        }
    }
    return day;
}

int styleYear(std::int64_t day, year_style::Style style, const regions::Region& region) {
    const auto year = static_cast<int>(regions::dateOf(region, day).year);
    if (style == year_style::Style::Kerst && day >= styleYearStart(year + 1, style, region)) return year + 1;
    if (style != year_style::Style::Nieuwjaar && style != year_style::Style::Kerst &&
        day < styleYearStart(year, style, region))
        return year - 1;
    return year;
}

int styleYearOfDate(int year, int month, int day, year_style::Style style, const regions::Region& region) {
    using year_style::Style;
    switch (style) {
        case Style::Nieuwjaar:
            return year;
        case Style::Kerst:
            return month == 12 && day >= 25 ? year + 1 : year;
        case Style::Boodschap:
            return month < 3 || (month == 3 && day < 25) ? year - 1 : year;
        case Style::Pasen:
        case Style::Paaszaterdag:
        case Style::GoedeVrijdag:
            break;
    }
    const std::optional<regions::Reading> reading = regions::readDate(region, year, month, day);
    if (!reading) return year;
    // A skipped date lies, as written, just after the region's last Julian day.
    const std::int64_t place = reading->skipped ? regions::lastJulianDay(region) : reading->day;
    return place < styleYearStart(year, style, region) ? year - 1 : year;
}

}  // namespace dating
