#include "tarvinde.h"

#include <algorithm>
#include <array>
#include <new>

#include "calendar.h"
#include "checked16.h"
#include "computus.h"
#include "date_service.h"
#include "dutch_names.h"
#include "failure.h"
#include "gallic_easter.h"

namespace {

using calendar::floorDiv;
using std::int16_t;

// Years before this follow the Julian calendar; 1582 itself, reform month included, too.
constexpr int16_t kFirstGregorianYear = 1583;
constexpr int16_t kReformYear = 1582;

struct FixedFeast {
    const char* procedure;
    int16_t day;
    int16_t month;
    const char* reformNote;  // appended in 1582: the other date the day may correspond to
};

constexpr FixedFeast kNieuwjaar{"NieuwjaarDag", 1, 1, nullptr};
constexpr FixedFeast kOLVtenHemel{"OLVtenHemel", 15, 8, nullptr};
constexpr FixedFeast kAllerheiligen{"Allerheiligen", 1, 11, nullptr};
constexpr FixedFeast kAllerzielen{"Allerzielen", 2, 11, nullptr};
constexpr FixedFeast kKerstmis{"Kerstmis", 25, 12, " (? 4/1/1583)"};
constexpr FixedFeast kOudjaarsavond{"Oudjaarsavond", 31, 12, " (? 21/12/1582)"};

struct DayMonth {
    int16_t day;
    int16_t month;
};

}  // namespace

template <class Body>
std::string Tarvinde::guarded(const char* procedure, Body body) const {
    int number = 0;
    std::string description;
    try {
        return body();
    } catch (const Failure& failure) {
        number = failure.number();
        description = failure.description();
    } catch (const std::bad_alloc&) {
        number = 7;
        description = "Out of memory";
    } catch (const std::exception& e) {
        number = 51;
        description = e.what();
    }
    box_.show("Error: " + std::to_string(number) + "\r\n" + description + "\r\nProc Name: " + procedure,
              MessageBox::kCritical, "Error Encountered");
    return {};
}

std::string Tarvinde::Weekdag(int16_t CDay, int16_t CMonth, int16_t CYear) const {
    // March counts as month 1, so the leap day ends the (shifted) year.
    const std::int64_t a = floorDiv(checked16::sub(14, CMonth), 12);
    const std::int64_t y = CYear - a;
    const std::int64_t m = CMonth + 12 * a - 2;

    if (CYear >= kFirstGregorianYear) {
        return date_service::longDate(
            date_service::compose(date_service::Calendar::Gregorian, CYear, CMonth, CDay));
    }

    // Julian weekday rule; s is a day count whose remainder by 7 counts from Sunday.
    const std::int64_t s = checked16::add(CDay, 5) + y + floorDiv(y, 4) + floorDiv(31 * m, 12);
    const auto d = static_cast<int>(s % 7);  // takes the sign of s: -6 .. 6
    // A negative remainder has no name; the text then starts with the blank.
    std::string text{d >= 0 ? dutch::kWeekdays[static_cast<std::size_t>(d)] : std::string_view{}};
    text += ' ';
    text += date_service::dayMonthYear(
        date_service::compose(date_service::Calendar::Julian, CYear, CMonth, CDay));
    return text;
}

std::int16_t Tarvinde::IsSchrikkeljaar(int16_t CYear) const {
    if (CYear >= kFirstGregorianYear) {
        return (CYear % 400 == 0 || (CYear % 100 != 0 && CYear % 4 == 0)) ? 1 : 0;
    }
    return CYear % 4 == 0 ? 1 : 0;
}

// Easter number: days from 28 March to Easter Sunday, by the computus of the
// year's calendar.
std::int16_t Tarvinde::PaasdatumPreCal(int16_t CYear) const {
    const std::int64_t number = CYear < kFirstGregorianYear ? computus::julianEasterNumber(CYear)
                                                            : computus::gregorianEasterNumber(CYear);
    return checked16::narrow(static_cast<std::int32_t>(number));
}

std::int16_t Tarvinde::EasternMonth(int16_t CYear) const {
    const int16_t l = PaasdatumPreCal(CYear);
    return checked16::narrow(static_cast<std::int32_t>(3 + floorDiv(checked16::add(l, 40), 44)));
}

std::int16_t Tarvinde::EasternDay(int16_t CYear) const {
    const int16_t l = PaasdatumPreCal(CYear);
    const int16_t m = EasternMonth(CYear);
    return checked16::narrow(static_cast<std::int32_t>(checked16::add(l, 28) - 31 * floorDiv(m, 4)));
}

std::string Tarvinde::PaasDatum(int16_t CYear) const {
    const int16_t day = EasternDay(CYear);
    const int16_t month = EasternMonth(CYear);
    return Weekdag(day, month, CYear);
}

namespace {

// Shared body of the fixed feasts: one Weekdag call, plus the note of 1582.
std::string fixedFeast(const Tarvinde& calc, const FixedFeast& feast, int16_t year) {
    std::string text = calc.Weekdag(feast.day, feast.month, year);
    if (feast.reformNote != nullptr && year == kReformYear) text += feast.reformNote;
    return text;
}

}  // namespace

std::string Tarvinde::NieuwjaarDag(int16_t CYear) const {
    return guarded(kNieuwjaar.procedure, [&] { return fixedFeast(*this, kNieuwjaar, CYear); });
}
std::string Tarvinde::OLVtenHemel(int16_t CYear) const {
    return guarded(kOLVtenHemel.procedure, [&] { return fixedFeast(*this, kOLVtenHemel, CYear); });
}
std::string Tarvinde::Allerheiligen(int16_t CYear) const {
    return guarded(kAllerheiligen.procedure, [&] { return fixedFeast(*this, kAllerheiligen, CYear); });
}
std::string Tarvinde::Allerzielen(int16_t CYear) const {
    return guarded(kAllerzielen.procedure, [&] { return fixedFeast(*this, kAllerzielen, CYear); });
}
std::string Tarvinde::Kerstmis(int16_t CYear) const {
    return guarded(kKerstmis.procedure, [&] { return fixedFeast(*this, kKerstmis, CYear); });
}
std::string Tarvinde::Oudjaarsavond(int16_t CYear) const {
    return guarded(kOudjaarsavond.procedure, [&] { return fixedFeast(*this, kOudjaarsavond, CYear); });
}

// The movable feasts count from Easter Sunday (day D of month M, 22 March to
// 25 April) with the month lengths written into each rule: March 31, April 30,
// May 31 days, and February as long as IsSchrikkeljaar says.

std::string Tarvinde::Palmzondag(int16_t CYear) const {
    return guarded("Palmzondag", [&] {
        const int16_t d = EasternDay(CYear);
        const int16_t m = EasternMonth(CYear);
        const DayMonth palm = d > 7 ? DayMonth{static_cast<int16_t>(d - 7), m}
                                    : DayMonth{static_cast<int16_t>(d + 31 - 7), checked16::sub(m, 1)};
        return Weekdag(palm.day, palm.month, CYear);
    });
}

std::string Tarvinde::HemelvaartDag(int16_t CYear) const {
    return guarded("HemelvaartDag", [&] {
        const int16_t m = EasternMonth(CYear);
        const int16_t d = EasternDay(CYear);
        const DayMonth ascension = m == 3 ? (d <= 22 ? DayMonth{static_cast<int16_t>(d + 39 - 31), 4}
                                                     : DayMonth{static_cast<int16_t>(d + 39 - 61), 5})
                                          : (d <= 22 ? DayMonth{static_cast<int16_t>(d + 39 - 30), 5}
                                                     : DayMonth{static_cast<int16_t>(d + 39 - 61), 6});
        return Weekdag(ascension.day, ascension.month, CYear);
    });
}

std::string Tarvinde::PinksterenDag(int16_t CYear) const {
    return guarded("PinksterenDag", [&] {
        const int16_t d = EasternDay(CYear);
        const int16_t m = EasternMonth(CYear);
        const DayMonth whitsun = m == 3 ? (d > 12 ? DayMonth{static_cast<int16_t>(d + 49 - 61), 5}
                                                  : DayMonth{static_cast<int16_t>(d + 49 - 31), 4})
                                        : (d > 12 ? DayMonth{static_cast<int16_t>(d + 49 - 61), 6}
                                                  : DayMonth{static_cast<int16_t>(d + 49 - 30), 5});
        return Weekdag(whitsun.day, whitsun.month, CYear);
    });
}

// Ash Wednesday is 46 days before Easter Sunday (the forty days of Lent plus
// the six Sundays in it).
std::string Tarvinde::Aswoensdag(int16_t CYear) const {
    return guarded("Aswoensdag", [&] {
        const int16_t d = EasternDay(CYear);
        const int16_t m = EasternMonth(CYear);
        const int16_t february = IsSchrikkeljaar(CYear) != 0 ? 29 : 28;
        // From March day D, 46 days back is February day D + february - 46;
        // from April day D it is March day D - 15, or February when that is < 1.
        const DayMonth ash = m == 3 ? DayMonth{static_cast<int16_t>(d + february - 46), 2}
                                    : (d > 15 ? DayMonth{static_cast<int16_t>(d - 15), 3}
                                              : DayMonth{static_cast<int16_t>(d + 31 + february - 46), 2});
        return Weekdag(ash.day, ash.month, CYear);
    });
}

std::string Tarvinde::PasenGallie(int16_t CYear) const {
    return guarded("PasenDag", [&] {
        const gallic_easter::Entry* entry = gallic_easter::find(CYear);
        if (entry == nullptr) return std::string{" idem Pasen Rome"};
        return Weekdag(entry->day, entry->month, CYear);
    });
}
