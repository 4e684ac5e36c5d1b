#include "year_style.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "calendar.h"
#include "dutch_names.h"
#include "id_table.h"
#include "year_range.h"

namespace year_style {

namespace {

// One row per style: id, Dutch name, style. The sources are those of the help text.
// clang-format off
constexpr auto kStyles = std::to_array<StyleInfo>({
    // The year begins on 1 January, the feast of the Circumcision: the modern reckoning.
    {"nieuwjaar", "Nieuwjaarsstijl", Style::Nieuwjaar},
    // On 25 December, the Nativity: the German lands, the bishopric of Utrecht.
    {"kerst", "Kerststijl", Style::Kerst},
    // On 25 March, the Annunciation, after 1 January: Delft ("stilo Delfensi"), Florence.
    {"boodschap", "Boodschapstijl", Style::Boodschap},
    // At Easter: Flanders, from the end of the twelfth century until the ordinance of
    // Requesens of 16 June 1575 (1 January from 1576).
    {"pasen", "Paasstijl", Style::Pasen},
    // The same, as scribes who changed the year number on Holy Saturday wrote it.
    {"paaszaterdag", "Paasstijl (Paaszaterdag)", Style::Paaszaterdag},
    // The same, as scribes who changed it on Good Friday wrote it.
    {"goede-vrijdag", "Paasstijl (Goede Vrijdag)", Style::GoedeVrijdag},
});
// clang-format on

constexpr std::int64_t kFirstYear = year_range::kFirstYear;
constexpr std::int64_t kLastYear = year_range::kLastYear;

std::string written(std::int64_t year, int month, int day) {
    return regions::numericDate(calendar::Date{year, month, day});
}

std::string nameOf(Style style) {
    const auto* found =
        std::find_if(kStyles.begin(), kStyles.end(), [&](const StyleInfo& s) { return s.style == style; });
    return found == kStyles.end() ? "jaarstijl" : std::string{found->name};
}

// How many days before Easter Sunday the style year begins; nullopt for the styles
// whose year begins on a fixed date.
std::optional<int> daysBeforeEaster(Style style) {
    switch (style) {
        case Style::Pasen:
            return 0;
        case Style::Paaszaterdag:
            return 1;
        case Style::GoedeVrijdag:
            return 2;
        case Style::Nieuwjaar:
        case Style::Kerst:
        case Style::Boodschap:
            break;
    }
    return std::nullopt;
}

// The modern years the date can lie in: one for the styles beginning on a fixed
// date, the style year and the next for the Easter styles.
std::vector<std::int64_t> candidateYears(Style style, int day, int month, std::int64_t year) {
    switch (style) {
        case Style::Nieuwjaar:
            return {year};
        case Style::Kerst:
            return {month == 12 && day >= 25 ? year - 1 : year};
        case Style::Boodschap:
            return {month < 3 || (month == 3 && day < 25) ? year + 1 : year};
        case Style::Pasen:
        case Style::Paaszaterdag:
        case Style::GoedeVrijdag:
            break;
    }
    return {year, year + 1};
}

void checkDayAndMonth(int day, int month) {
    if (month < 1 || month > 12)
        throw InputError("maand " + std::to_string(month) + " bestaat niet (1 tot 12)");
    const int longest = calendar::monthLength(true, month);  // the longest it can be, in any year
    const std::string monthName{dutch::kMonths.at(static_cast<std::size_t>(month - 1))};
    if (day < 1) throw InputError("dag " + std::to_string(day) + " bestaat niet (1 tot 31)");
    if (day > longest)
        throw InputError(std::to_string(day) + '/' + std::to_string(month) + " is geen datum: " + monthName +
                         " heeft " + (month == 2 ? "hoogstens " : "") + std::to_string(longest) + " dagen");
}

// Where a reading lies among the days. A skipped date lies after the last Julian
// day and before the first Gregorian one, whatever later day its Julian reading
// names; so it sorts as just after the last Julian day.
std::pair<std::int64_t, int> placeOf(const regions::Region& region, const regions::Reading& reading) {
    return reading.skipped ? std::pair{regions::lastJulianDay(region), 1} : std::pair{reading.day, 0};
}

struct Found {
    std::int64_t year;
    regions::Reading reading;
};

}  // namespace

std::span<const StyleInfo> styles() {
    return kStyles;
}

const StyleInfo* find(std::string_view id) {
    return id_table::find(styles(), id);
}

std::string knownIds() {
    return id_table::joinedIds(styles());
}

std::vector<Modern> toModern(Style style, int day, int month, int year, const regions::Region& region) {
    if (year < kFirstYear || year > kLastYear)
        throw InputError("jaar " + std::to_string(year) + " ligt buiten de jaren " +
                         std::string{year_range::kText});
    checkDayAndMonth(day, month);

    const std::vector<std::int64_t> years = candidateYears(style, day, month, year);
    std::vector<Found> found;
    for (const std::int64_t y : years)
        if (const auto reading = regions::readDate(region, y, month, day)) found.push_back({y, *reading});
    if (found.empty()) {
        // Only 29 February can be missing from a year once the day fits its month.
        std::string yearsText = std::to_string(years.front());
        if (years.size() > 1) yearsText += " en " + std::to_string(years.back());
        throw InputError(std::to_string(day) + '/' + std::to_string(month) + " bestond niet: " + yearsText +
                         (years.size() > 1 ? " waren geen schrikkeljaren" : " was geen schrikkeljaar"));
    }

    if (const std::optional<int> before = daysBeforeEaster(style)) {
        // The style year, as days: from its first day up to (not including) the next one's.
        const std::int64_t first = regions::easterDay(region, year) - *before;
        const std::int64_t next = regions::easterDay(region, std::int64_t{year} + 1) - *before;
        std::erase_if(found, [&](const Found& f) {
            const auto place = placeOf(region, f.reading);
            return place < std::pair{first, 0} || place >= std::pair{next, 0};
        });
        if (found.empty())
            throw InputError(written(year, month, day) + " bestond niet in de " + nameOf(style) +
                             ": het jaar " + std::to_string(year) + " liep van " +
                             regions::dayText(region, first) + " tot en met " +
                             regions::dayText(region, next - 1));
    }

    // A reading outside the years is dropped; the date is refused only when it
    // leaves none (28/3/2100 in the Easter style is Easter 2100 itself, though the
    // same style year also held 28/3/2101).
    std::vector<Modern> modern;
    for (const Found& f : found)
        if (f.year >= kFirstYear && f.year <= kLastYear)
            modern.push_back({f.reading.day, regions::fixedDateText(region, f.year, month, day),
                              regions::isoDate(f.reading.day)});
    if (modern.empty())
        throw InputError(written(year, month, day) + " in de " + nameOf(style) + " is " +
                         written(found.front().year, month, day) + ", buiten de jaren " +
                         std::string{year_range::kText});
    return modern;
}

}  // namespace year_style
