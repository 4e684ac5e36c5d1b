#include "year_view.h"

#include "calendar.h"
#include "date_service.h"
#include "dutch_names.h"
#include "failure.h"
#include "feasts.h"
#include "gallic_easter.h"
#include "tarvinde.h"

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
    view.gallie = gaul == nullptr ? kSameAsRome
                                  : regions::dayText(
                                        region, calendar::daysFromJulian(gaul->year, gaul->month, gaul->day));
}

// A row's text: its feast's day as the feast table gives it.
std::string feastText(const FeastRow& row, int year, const Region& region) {
    const feasts::Feast* feast = feasts::findById(row.feastId);
    const std::optional<feasts::Occurrence> found =
        feast == nullptr ? std::nullopt : feasts::occurrence(*feast, year, region);
    return found ? found->text : std::string{};
}

}  // namespace

YearView build(int year, const Region& region) {
    YearView view{year, &region, {}, regions::isLeapYear(region, year), {}, {}, {}, {}};
    for (std::size_t i = 0; i < kFeastCount; ++i)
        view.feasts.at(i) = feastText(kFeastRows.at(i), year, region);
    fillCalendarRows(view, region);
    return view;
}

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
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

namespace {

// Weekdag reports through its failures only; its box is never shown.
class SilentBox : public MessageBox {
public:
    void show(const std::string& /*prompt*/, int /*style*/, const std::string& /*title*/) override {}
};

}  // namespace

std::string weekdayText(const Region& region, std::int16_t day, std::int16_t month, std::int16_t year) {
    if (regions::isDefault(region)) {
        SilentBox box;
        return Tarvinde(box).Weekdag(day, month, year);
    }
    const std::int64_t y = year + calendar::floorDiv(month - 1, 12);
    const int m = static_cast<int>(month - 1 - calendar::floorDiv(month - 1, 12) * 12) + 1;  // [1, 12]
    // A 16-bit day carries at most about 90 years; beyond these bounds no answer can be named.
    if (y < date_service::kFirstYear - 100 || y > date_service::kLastYear + 100) throw Failure::invalidCall();

    // The first of the month decides the calendar the day is counted in.
    const std::optional<regions::Reading> first = regions::readDate(region, y, m, 1);
    const bool julian = first->julian;  // the first of a month always has a reading
    const std::int64_t counted =
        (julian ? calendar::daysFromJulian(y, m, 1) : calendar::daysFromGregorian(y, m, 1)) + (day - 1);
    const calendar::Date reached =
        julian ? calendar::julianFromDays(counted) : calendar::gregorianFromDays(counted);
    if (reached.year < date_service::kFirstYear || reached.year > date_service::kLastYear)
        throw Failure::invalidCall();

    const std::optional<regions::Reading> reading =
        regions::readDate(region, reached.year, reached.month, reached.day);
    if (!reading) throw Failure::invalidCall();
    return regions::weekdayName(reading->day) + ' ' + date_service::dayMonthYear(reached);
}

}  // namespace year_view
