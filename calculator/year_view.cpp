#include "year_view.h"

#include <array>
#include <optional>
#include <utility>

#include "calendar.h"
#include "date_service.h"
#include "dutch_names.h"
#include "failure.h"
#include "feasts.h"
#include "gallic_easter.h"

namespace year_view {

namespace {

using regions::Region;

constexpr const char* kJulian = "Juliaans";
constexpr const char* kGregorian = "Gregoriaans";
constexpr const char* kTransition = "Overgangsjaar";
constexpr const char* kJulianRule = "  jaartal veelvoud van 4";
constexpr const char* kGregorianRule = "  jaartal veelvoud van 4 of 400, niet van 100.";
constexpr const char* kGaulCaption = "Pasen in Gallië";
constexpr const char* kSameAsRome = " idem Pasen Rome";

// The Southern Netherlands keep the texts the window has always shown in 1582,
// which name both readings of the change.
constexpr const char* kDefaultReformCaption = "Kalenderwijziging 20/12 > 31/12  of  21/12 > 1/1/1583";
constexpr const char* kDefaultReformNote = "10 dagen vervallen in december";
constexpr const char* kDefaultReformRule = "  jaren veelvoud van 4";

std::string dayMonth(const calendar::Date& date) {
    return std::to_string(date.day) + '/' + std::to_string(date.month);
}

void fillCalendarRows(YearView& view, const Region& region) {
    const int y = view.year;
    switch (regions::yearCalendar(region, y)) {
        case regions::YearCalendar::Both:
            view.kalender = kTransition;
            view.regel = "  Juliaans tot " + dayMonth(*region.lastJulian) + ", daarna Gregoriaans";
            break;
        case regions::YearCalendar::Julian:
            view.kalender = kJulian;
            view.regel = kJulianRule;
            break;
        case regions::YearCalendar::Gregorian:
            view.kalender = kGregorian;
            view.regel = kGregorianRule;
            break;
    }

    if (const std::optional<regions::Switch> change = regions::switchIn(region, y)) {
        if (regions::isDefault(region)) {
            view.regel = kDefaultReformRule;
            view.gallieTitel = kDefaultReformCaption;
            view.gallie = kDefaultReformNote;
            return;
        }
        const calendar::Date& last = change->lastJulian;
        const calendar::Date& first = change->firstGregorian;
        view.gallieTitel = "Kalenderwijziging " +
                           (last.year == first.year ? dayMonth(last) : regions::numericDate(last)) + " > " +
                           regions::numericDate(first);
        view.gallie =
            std::to_string(change->skippedDates) + " dagen vervallen in " +
            std::string{dutch::kMonths.at(static_cast<std::size_t>(change->firstSkipped.month - 1))};
        return;
    }

    view.gallieTitel = kGaulCaption;
    const gallic_easter::Entry* gaul = gallic_easter::find(y);
    const std::optional<std::int64_t> gaulDay =
        gaul == nullptr ? std::nullopt
                        : std::optional{calendar::daysFromJulian(gaul->year, gaul->month, gaul->day)};
    // Where the region's own Easter falls on Gaul's day (the Gregorian reckoning
    // applied to these years), the two are the same, as in every other year.
    if (!gaulDay || *gaulDay == regions::easterDay(region, y)) {
        view.gallie = kSameAsRome;
    } else {
        view.gallie.clear();
        regions::appendDayText(view.gallie, region, *gaulDay);
    }
}

// The rows' feasts in the feast table, looked up once: `years 100 2100` asks for
// them 22,000 times, and the lookup by name was an eighth of its time. All are
// main feasts, so a year's view never reads the saints' file.
const std::array<const feasts::Feast*, kFeastCount>& rowFeasts() {
    static const std::array<const feasts::Feast*, kFeastCount> found = [] {
        std::array<const feasts::Feast*, kFeastCount> list{};
        for (std::size_t i = 0; i < kFeastCount; ++i)
            list.at(i) = feasts::findMainById(kFeastRows.at(i).feastId);
        return list;
    }();
    return found;
}

}  // namespace

YearView build(int year, const Region& region) {
    YearView view{};
    build(view, year, region);
    return view;
}

void build(YearView& view, int year, const Region& region) {
    view.year = year;
    view.region = &region;
    view.leapYear = regions::isLeapYear(region, year);
    for (std::size_t i = 0; i < kFeastCount; ++i) {
        const feasts::Feast* feast = rowFeasts().at(i);
        if (feast == nullptr)
            view.feasts.at(i).clear();
        else
            feasts::writeDayText(view.feasts.at(i), *feast, year, region);
    }
    fillCalendarRows(view, region);
}

std::vector<Line> lines(const YearView& view) {
    std::vector<Line> out;
    const auto add = [&](std::string_view key, std::string_view caption, std::string_view text) {
        out.push_back({key, std::string{trimmed(caption)}, std::string{trimmed(text)}});
    };
    add("jaar", "Jaar", std::to_string(view.year));
    if (!regions::isDefault(*view.region)) add("regio", "Regio", view.region->menuName);
    add("kalender", "Kalender", view.kalender);
    add("schrikkeljaar", "Schrikkeljaar", view.leapYear ? "ja" : "nee");
    add("regel", "Regel", view.regel);
    for (std::size_t i = 0; i < kFeastCount; ++i)
        add(kFeastRows.at(i).key, kFeastRows.at(i).caption, view.feasts.at(i));
    add("gallie", view.gallieTitel, view.gallie);
    return out;
}

std::string tabbedText(const std::vector<Line>& lines) {
    std::string text;
    for (const Line& line : lines) text += line.caption + '\t' + line.text + '\n';
    return text;
}

Finding findWeekday(const Region& region, std::int16_t day, std::int16_t month, std::int16_t year) {
    using date_service::Calendar;
    // The first of a month always has a reading: it is never skipped, since a
    // switch skips the dates after a last Julian day, which is at least the first.
    const auto calendarOf = [&region](std::int64_t y, int m) {
        const std::optional<regions::Reading> first = regions::readDate(region, y, m, 1);
        return first && !first->julian ? Calendar::Gregorian : Calendar::Julian;
    };
    const date_service::Carried carried = date_service::carry(year, month, day, calendarOf);
    const calendar::Date& reached = carried.date;
    Finding finding{reached,
                    carried.calendar == Calendar::Julian,
                    reached.year >= kFirstYear && reached.year <= kLastYear,
                    {}};
    if (!finding.inRange) return finding;

    if (regions::readDate(region, reached.year, reached.month, reached.day)) {
        finding.text = regions::fixedDateText(region, reached.year, reached.month, reached.day);
    } else {
        // A Julian count that ran past the switch onto a date the new calendar
        // lacks (29 February 1800): the answer for that date as typed, which
        // carries it in the calendar of its month (1 March 1800).
        const auto y = static_cast<std::int16_t>(reached.year);  // within 100..2100 here
        const Finding typed = findWeekday(region, static_cast<std::int16_t>(reached.day),
                                          static_cast<std::int16_t>(reached.month), y);
        finding.text =
            typed.inRange
                ? typed.text
                : regions::dayText(
                      region, finding.julian
                                  ? calendar::daysFromJulian(reached.year, reached.month, reached.day)
                                  : calendar::daysFromGregorian(reached.year, reached.month, reached.day));
    }
    return finding;
}

std::string weekdayText(const Region& region, std::int16_t day, std::int16_t month, std::int16_t year) {
    Finding finding = findWeekday(region, day, month, year);
    if (!finding.inRange) throw Failure::invalidCall();
    return std::move(finding.text);
}

}  // namespace year_view
