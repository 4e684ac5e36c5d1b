#include "tarvinde.h"

#include <new>
#include <optional>
#include <string_view>

#include "calendar.h"
#include "checked16.h"
#include "computus.h"
#include "date_service.h"
#include "dutch_names.h"
#include "failure.h"
#include "feasts.h"
#include "gallic_easter.h"
#include "regions.h"

namespace {

using calendar::floorDiv;
using std::int16_t;

// Years before this follow the Julian calendar; 1582 itself, reform month included, too.
constexpr int16_t kFirstGregorianYear = 1583;

// The feast table's rows behind the guarded feast operations, and the name each
// operation's error report shows.
struct GuardedFeast {
    const char* procedure;
    std::string_view feastId;
};

constexpr GuardedFeast kNieuwjaar{"NieuwjaarDag", "nieuwjaar"};
constexpr GuardedFeast kAswoensdag{"Aswoensdag", "aswoensdag"};
constexpr GuardedFeast kPalmzondag{"Palmzondag", "palmzondag"};
constexpr GuardedFeast kHemelvaart{"HemelvaartDag", "hemelvaart"};
constexpr GuardedFeast kPinksteren{"PinksterenDag", "pinksteren"};
constexpr GuardedFeast kOLVtenHemel{"OLVtenHemel", "olv-hemelvaart"};
constexpr GuardedFeast kAllerheiligen{"Allerheiligen", "allerheiligen"};
constexpr GuardedFeast kAllerzielen{"Allerzielen", "allerzielen"};
constexpr GuardedFeast kKerstmis{"Kerstmis", "kerstmis"};
constexpr GuardedFeast kOudjaarsavond{"Oudjaarsavond", "oudjaarsavond"};

// The feast's text in the default region, as the year view shows it: the feast
// table's day, with the notes of 1582. A year the date service does not serve
// fails as Weekdag fails for it.
std::string feastText(const GuardedFeast& guarded, int16_t year) {
    if (year < date_service::kFirstYear || year > date_service::kLastYear) throw Failure::invalidCall();
    const feasts::Feast* feast = feasts::findById(guarded.feastId);
    const std::optional<feasts::Occurrence> found =
        feast == nullptr ? std::nullopt : feasts::occurrence(*feast, year, regions::defaultRegion());
    if (!found) throw Failure::invalidCall();  // every row is present in every year it serves
    return found->text;
}

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
        number = Failure::kOutOfMemory;
        description = "Out of memory";
    } catch (const std::exception& e) {
        number = Failure::kOtherError;
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
    const bool leap = CYear >= kFirstGregorianYear ? calendar::isGregorianLeapYear(CYear)
                                                   : calendar::isJulianLeapYear(CYear);
    return leap ? 1 : 0;
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

std::string Tarvinde::NieuwjaarDag(int16_t CYear) const {
    return guarded(kNieuwjaar.procedure, [&] { return feastText(kNieuwjaar, CYear); });
}
std::string Tarvinde::OLVtenHemel(int16_t CYear) const {
    return guarded(kOLVtenHemel.procedure, [&] { return feastText(kOLVtenHemel, CYear); });
}
std::string Tarvinde::Allerheiligen(int16_t CYear) const {
    return guarded(kAllerheiligen.procedure, [&] { return feastText(kAllerheiligen, CYear); });
}
std::string Tarvinde::Allerzielen(int16_t CYear) const {
    return guarded(kAllerzielen.procedure, [&] { return feastText(kAllerzielen, CYear); });
}
std::string Tarvinde::Kerstmis(int16_t CYear) const {
    return guarded(kKerstmis.procedure, [&] { return feastText(kKerstmis, CYear); });
}
std::string Tarvinde::Oudjaarsavond(int16_t CYear) const {
    return guarded(kOudjaarsavond.procedure, [&] { return feastText(kOudjaarsavond, CYear); });
}
std::string Tarvinde::Palmzondag(int16_t CYear) const {
    return guarded(kPalmzondag.procedure, [&] { return feastText(kPalmzondag, CYear); });
}
std::string Tarvinde::HemelvaartDag(int16_t CYear) const {
    return guarded(kHemelvaart.procedure, [&] { return feastText(kHemelvaart, CYear); });
}
std::string Tarvinde::PinksterenDag(int16_t CYear) const {
    return guarded(kPinksteren.procedure, [&] { return feastText(kPinksteren, CYear); });
}
std::string Tarvinde::Aswoensdag(int16_t CYear) const {
    return guarded(kAswoensdag.procedure, [&] { return feastText(kAswoensdag, CYear); });
}

std::string Tarvinde::PasenGallie(int16_t CYear) const {
    return guarded("PasenDag", [&] {
        const gallic_easter::Entry* entry = gallic_easter::find(CYear);
        if (entry == nullptr) return std::string{" idem Pasen Rome"};
        return Weekdag(entry->day, entry->month, CYear);
    });
}
