#include "regions.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <tuple>

#include "computus.h"
#include "date_service.h"
#include "dutch_names.h"
#include "id_table.h"

namespace regions {

namespace {

using calendar::Date;

constexpr std::optional<Date> none = std::nullopt;

// One row per region: id, menu name, short name, last Julian day (Julian date),
// first Gregorian day (Gregorian date), always Gregorian, source.
// clang-format off
constexpr auto kRegions = std::to_array<Region>({
    {"zuidelijke-nederlanden", "Zuidelijke Nederlanden", "Z. Nederlanden", Date{1582, 12, 21}, Date{1583, 1, 1}, false,
     "de provincies aan de kant van de koning (sommige plaatsen 20/12 > 31/12/1582); voor Antwerpen, Brussel, Mechelen, "
     "Gent, Brugge en de andere steden aan de kant van de Staten-Generaal: de regio Staten-Generaal (staten-generaal)"},
    {"staten-generaal", "Staten-Generaal (edict van Anjou)", "Staten-Generaal", Date{1582, 12, 14}, Date{1582, 12, 25}, false,
     "plakkaat van de hertog van Anjou, 10 december 1582 (Staten-Generaal, Zeeland, Brabantse en Vlaamse steden aan hun zijde)"},
    {"holland", "Holland", "Holland", Date{1583, 1, 1}, Date{1583, 1, 12}, false,
     "tabel van de kalenderwijzigingen van het Huygens ING: op 1 januari 1583 volgde 12 januari 1583"},
    {"luik", "Prinsbisdom Luik", "Luik", Date{1583, 2, 10}, Date{1583, 2, 21}, false, "sommige auteurs geven 1589"},
    {"gelderland", "Gelderland", "Gelderland", Date{1700, 6, 30}, Date{1700, 7, 12}, false,
     "de bronnen verschillen over de dag"},
    {"utrecht-overijssel", "Utrecht, Overijssel", "Utrecht", Date{1700, 11, 30}, Date{1700, 12, 12}, false,
     "bekendmaking van de Staten van Utrecht, 24 juli 1700"},
    {"friesland-groningen", "Friesland, Groningen", "Friesland", Date{1700, 12, 31}, Date{1701, 1, 12}, false,
     "de stad Groningen was van 1583 tot 1594 Gregoriaans; niet nagebootst"},
    {"drenthe", "Drenthe", "Drenthe", Date{1701, 4, 30}, Date{1701, 5, 12}, false, ""},
    {"rome", "Rome, Italië, Spanje, Portugal, Polen", "Rome", Date{1582, 10, 4}, Date{1582, 10, 15}, false,
     "bul Inter gravissimas, 24 februari 1582"},
    {"frankrijk", "Frankrijk", "Frankrijk", Date{1582, 12, 9}, Date{1582, 12, 20}, false,
     "lettres patentes van Hendrik III, november 1582"},
    {"duitsland-protestants", "Protestantse Duitse staten, Denemarken, Noorwegen", "Duitsland (prot.)",
     Date{1700, 2, 18}, Date{1700, 3, 1}, false,
     "Pasen volgde er van 1700 tot 1775 astronomische tafels; niet nagebootst"},
    {"groot-brittannie", "Groot-Brittannië en zijn koloniën", "Groot-Brittannië", Date{1752, 9, 2}, Date{1752, 9, 14}, false,
     "Calendar Act 1750; het jaar begon er tot 1751 op 25 maart; niet nagebootst"},
    {"zweden", "Zweden", "Zweden", Date{1753, 2, 17}, Date{1753, 3, 1}, false,
     "eigen kalender van 1700 tot 1712; niet nagebootst"},
    {"juliaans", "Juliaanse kalender (altijd)", "Juliaans", none, none, false, "nooit overgegaan"},
    {"gregoriaans", "Gregoriaanse kalender op elk jaar (model)", "Gregoriaans", none, none, true,
     "een model: de Gregoriaanse kalender en paasberekening toegepast op elk jaar, ook vóór 1582 (proleptisch); niet de dagen waarop de feesten gevierd werden (die geeft de kolom iso van elke regio, in ISO 8601)"},
});
// clang-format on

// Far beyond every date the program names, yet safe to add days to.
constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max() / 4;

// The years std::chrono can hold, with room for a carried month or two.
constexpr std::int64_t kYearLimit = 32000;

constexpr auto asTuple(const Date& d) {
    return std::tuple{d.year, d.month, d.day};
}

}  // namespace

std::span<const Region> all() {
    return kRegions;
}

const Region& defaultRegion() {
    return kRegions.front();
}

bool isDefault(const Region& region) {
    return &region == &defaultRegion();
}

const Region* find(std::string_view id) {
    return id_table::find(all(), id);
}

std::string knownIds() {
    return id_table::joinedIds(all());
}

namespace {

// Each region's last Julian day, and the Gregorian year of the day after it,
// worked out when the program is compiled: every date of every table asks for them.
struct SwitchDays {
    std::int64_t lastJulian;
    std::int64_t firstGregorianYear;  // of the first Gregorian day, in that calendar
};
constexpr SwitchDays computedSwitchDays(const Region& region) {
    if (!region.lastJulian) {
        const std::int64_t never = region.alwaysGregorian ? -kNever : kNever;
        return {never, never};
    }
    const std::int64_t last =
        calendar::daysFromJulian(region.lastJulian->year, region.lastJulian->month, region.lastJulian->day);
    return {last, calendar::gregorianFromDays(last + 1).year};
}
constexpr auto kSwitchDays = [] {
    std::array<SwitchDays, kRegions.size()> days{};
    for (std::size_t i = 0; i < kRegions.size(); ++i) days.at(i) = computedSwitchDays(kRegions.at(i));
    return days;
}();

[[gnu::noinline]] SwitchDays switchDaysOutsideTheTable(const Region& region) {
    return computedSwitchDays(region);
}

inline SwitchDays switchDays(const Region& region) {
    // A region of the table by its place there; any other (a test's) worked out.
    const auto address = reinterpret_cast<std::uintptr_t>(&region);
    const auto first = reinterpret_cast<std::uintptr_t>(kRegions.data());
    if (address - first < sizeof kRegions) return kSwitchDays.at((address - first) / sizeof(Region));
    return switchDaysOutsideTheTable(region);
}

}  // namespace

std::int64_t lastJulianDay(const Region& region) {
    return switchDays(region).lastJulian;
}

std::int64_t firstGregorianDay(const Region& region) {
    return lastJulianDay(region) + 1;
}

bool isJulian(const Region& region, std::int64_t day) {
    return day <= lastJulianDay(region);
}

Date dateOf(const Region& region, std::int64_t day) {
    return isJulian(region, day) ? calendar::julianFromDays(day) : calendar::gregorianFromDays(day);
}

std::optional<Reading> readDate(const Region& region, std::int64_t year, int month, int day) {
    if (month < 1 || month > 12 || day < 1 || year < -kYearLimit || year > kYearLimit) return std::nullopt;
    const bool julianExists = day <= calendar::monthLength(calendar::isJulianLeapYear(year), month);
    const bool gregorianExists = day <= calendar::monthLength(calendar::isGregorianLeapYear(year), month);
    if (julianExists) {
        const std::int64_t julian = calendar::daysFromJulian(year, month, day);
        if (julian <= lastJulianDay(region)) return Reading{julian, true, false};
    }
    if (gregorianExists) {
        const std::int64_t gregorian = calendar::daysFromGregorian(year, month, day);
        if (gregorian >= firstGregorianDay(region)) return Reading{gregorian, false, false};
    }
    // Between the two days as a date: skipped. Only a region that switched has such dates.
    if (julianExists && region.lastJulian && region.firstGregorian) {
        const auto written = std::tuple{year, month, day};
        if (written > asTuple(*region.lastJulian) && written < asTuple(*region.firstGregorian))
            return Reading{calendar::daysFromJulian(year, month, day), true, true};
    }
    return std::nullopt;
}

bool keepsGregorianEaster(const Region& region, std::int64_t year) {
    // Only in the year of the first Gregorian day can either computus's Easter be
    // the one in force; before it the Gregorian Easter falls before that day, after it on or after it.
    const SwitchDays days = switchDays(region);
    if (year != days.firstGregorianYear) return year > days.firstGregorianYear;
    return computus::gregorianEaster(year) > days.lastJulian;
}

std::int64_t easterDay(const Region& region, std::int64_t year) {
    return keepsGregorianEaster(region, year) ? computus::gregorianEaster(year)
                                              : computus::julianEaster(year);
}

bool isLeapYear(const Region& region, std::int64_t year) {
    const std::optional<Reading> leapDay = readDate(region, year, 2, 29);
    return leapDay && !leapDay->skipped;
}

std::optional<std::int64_t> reformYear(const Region& region) {
    if (!region.lastJulian) return std::nullopt;
    return calendar::julianFromDays(lastJulianDay(region) + 1).year;
}

int skippedDates(const Region& region) {
    if (!region.firstGregorian) return 0;
    const Date& first = *region.firstGregorian;
    return static_cast<int>(calendar::daysFromJulian(first.year, first.month, first.day) -
                            firstGregorianDay(region));
}

YearCalendar yearCalendar(const Region& region, std::int64_t year) {
    const bool julianPart = calendar::daysFromJulian(year, 1, 1) <= lastJulianDay(region);
    const bool gregorianPart = calendar::daysFromGregorian(year, 12, 31) >= firstGregorianDay(region);
    if (julianPart && gregorianPart) return YearCalendar::Both;
    return julianPart ? YearCalendar::Julian : YearCalendar::Gregorian;
}

std::optional<Switch> switchIn(const Region& region, std::int64_t year) {
    if (reformYear(region) != year) return std::nullopt;
    return Switch{*region.lastJulian, *region.firstGregorian,
                  calendar::julianFromDays(lastJulianDay(region) + 1), skippedDates(region)};
}

std::string weekdayName(std::int64_t day) {
    return std::string{dutch::kWeekdays.at(static_cast<std::size_t>(calendar::weekdayOfDays(day)))};
}

std::string dayText(const Region& region, std::int64_t day) {
    std::string text;
    text.reserve(40);  // "donderdag 30 september 2100" and more: one allocation
    appendDayText(text, region, day);
    return text;
}

void appendDayText(std::string& out, const Region& region, std::int64_t day) {
    date_service::appendDayMonthYear(out, calendar::weekdayOfDays(day), dateOf(region, day));
}

std::string numericDate(const Date& date) {
    return std::to_string(date.day) + '/' + std::to_string(date.month) + '/' + std::to_string(date.year);
}

std::string fixedDateText(const Region& region, std::int64_t year, int month, int day,
                          bool noteLastJulianDay) {
    const std::optional<Reading> reading = readDate(region, year, month, day);
    if (!reading) return {};
    return fixedDateText(region, *reading, year, month, day, noteLastJulianDay);
}

std::string fixedDateText(const Region& region, const Reading& reading, std::int64_t year, int month, int day,
                          bool noteLastJulianDay) {
    if (!reading.skipped) return dayText(region, reading.day);
    std::string text = weekdayName(reading.day) + ' ' + date_service::dayMonthYear(Date{year, month, day});
    const Date noted = noteLastJulianDay ? *region.lastJulian : calendar::gregorianFromDays(reading.day);
    return text + " (? " + numericDate(noted) + ')';
}

namespace {

std::string yearMonthDay(const Date& date) {
    // Digit by digit in the years the program covers: snprintf took a third of `years 100 2100`.
    if (date.year >= 0 && date.year <= 9999) {
        std::string text = "0000-00-00";
        const auto put = [&text](std::size_t end, std::int64_t value) {
            for (std::size_t i = end; value > 0; value /= 10) text[--i] = static_cast<char>('0' + value % 10);
        };
        put(4, date.year);
        put(7, date.month);
        put(10, date.day);
        return text;
    }
    std::array<char, 32> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%04lld-%02d-%02d", static_cast<long long>(date.year),
                  date.month, date.day);
    return buffer.data();
}

}  // namespace

std::string isoDate(std::int64_t day) {
    return yearMonthDay(calendar::gregorianFromDays(day));
}

std::string dateInForce(const Region& region, std::int64_t day) {
    return yearMonthDay(dateOf(region, day));
}

std::string_view calendarOf(const Region& region, std::int64_t day) {
    return isJulian(region, day) ? "Juliaans" : "Gregoriaans";
}

}  // namespace regions
