#include "year_computus.h"

#include "calendar.h"
#include "computus.h"

namespace year_computus {

namespace {

// Indexed by YearComputus::gregorian.
constexpr std::array<std::string_view, 2> kKalender{"Juliaans", "Gregoriaans"};

// The Sunday letters: the seven days from 1 January, A to G, and every seventh
// day after with the same letter; the Sundays of the year have the letter of the
// first Sunday. In a leap year the day after 29 February has the letter of
// 1 March as in a common year, so the Sundays go back one letter.
constexpr std::array<char, 7> kLetters{'A', 'B', 'C', 'D', 'E', 'F', 'G'};

// The cycles, with their start: the golden number 1 in 1 BC (the Dionysian
// tables), the solar cycle 1 in 9 BC, the indiction 1 in 3 BC.
constexpr int kLunarCycle = 19;
constexpr int kSolarCycle = 28;
constexpr int kSolarOffset = 9;
constexpr int kIndictionCycle = 15;
constexpr int kIndictionOffset = 3;
constexpr int kLunarMonth = 30;        // the epact counts days of a 30-day moon
constexpr int kEpactStep = 11;         // a lunar year of 354 days is 11 days short
constexpr int kEasterTableOffset = 7;  // 28 March is table 7, 22 March table 1

// 0 counted as the cycle's last number.
constexpr int cycleNumber(std::int64_t value, int cycle) {
    const auto n = static_cast<int>(value % cycle);
    return n == 0 ? cycle : n;
}

// The Gregorian epact: Clavius's epacts of 1583 to 1699 are the Julian ones plus
// one (golden number 1 has epact 1). The solar equation takes one off for each
// century year since 1582 that is no leap year (1700, 1800, 1900, 2100); the
// lunar equation adds one eight times in 2500 years (1800, 2100, 2400, ...).
// Before 1583 (the always-Gregorian region) the same rules run backwards.
constexpr int gregorianEpact(std::int64_t year, int julianEpact) {
    using calendar::floorDiv;
    const std::int64_t century = floorDiv(year, 100);
    const std::int64_t solar = century - floorDiv(century, 4) - 12;
    const std::int64_t lunar = floorDiv(8 * century + 13, 25) - 5;
    const std::int64_t epact = (julianEpact + 1 - solar + lunar) % kLunarMonth;
    return static_cast<int>(epact < 0 ? epact + kLunarMonth : epact);
}
static_assert(gregorianEpact(1583, 6) == 7 && gregorianEpact(2000, 25) == 24);

std::int64_t dayOf(bool gregorian, std::int64_t year, int month, int day) {
    return gregorian ? calendar::daysFromGregorian(year, month, day)
                     : calendar::daysFromJulian(year, month, day);
}

std::string sundayLetters(bool gregorian, std::int64_t year) {
    const std::int64_t newYear = dayOf(gregorian, year, 1, 1);
    // The first Sunday is day 1 + (7 - weekday) % 7 of January.
    const auto first = static_cast<std::size_t>((7 - calendar::weekdayOfDays(newYear)) % 7);
    std::string letters(1, kLetters.at(first));
    const bool leap = dayOf(gregorian, year, 3, 1) - dayOf(gregorian, year, 2, 28) == 2;
    if (leap) letters += kLetters.at((first + 6) % 7);
    return letters;
}

int yearOf(const regions::Region& region, std::int64_t day) {
    return static_cast<int>(regions::dateOf(region, day).year);
}

struct NumberName {
    Number number;
    std::string_view name;
};
constexpr std::array<NumberName, 5> kNumberNames{{
    {Number::Indictie, "indictie"},
    {Number::Epacta, "epacta"},
    {Number::Concurrent, "concurrent"},
    {Number::Zonnecirkel, "zonnecirkel"},
    {Number::GuldenGetal, "gulden getal"},
}};

int valueOf(const YearComputus& c, Number number) {
    switch (number) {
        case Number::Indictie:
            return c.indictie;
        case Number::Epacta:
            return c.epacta;
        case Number::Concurrent:
            return c.concurrent;
        case Number::Zonnecirkel:
            return c.zonnecirkel;
        case Number::GuldenGetal:
            break;
    }
    return c.guldenGetal;
}

// The Roman numerals, greatest first, with the subtractive pairs.
struct RomanDigit {
    int value;
    std::string_view letters;
};
constexpr std::array<RomanDigit, 13> kRoman{{{1000, "M"},
                                             {900, "CM"},
                                             {500, "D"},
                                             {400, "CD"},
                                             {100, "C"},
                                             {90, "XC"},
                                             {50, "L"},
                                             {40, "XL"},
                                             {10, "X"},
                                             {9, "IX"},
                                             {5, "V"},
                                             {4, "IV"},
                                             {1, "I"}}};
constexpr int kLargestRoman = 3999;

}  // namespace

YearComputus of(int year, const regions::Region& region) {
    // Every value follows the calendar whose Easter the region keeps that year.
    const bool gregorian = regions::keepsGregorianEaster(region, year);
    YearComputus c{};
    c.jaar = year;
    c.region = &region;
    c.gregorian = gregorian;
    c.guldenGetal = year % kLunarCycle + 1;
    const int julianEpact = kEpactStep * (c.guldenGetal - 1) % kLunarMonth;
    c.epacta = gregorian ? gregorianEpact(year, julianEpact) : julianEpact;
    c.zondagsletter = sundayLetters(gregorian, year);
    c.concurrent = calendar::weekdayOfDays(dayOf(gregorian, year, 3, 24)) + 1;
    c.zonnecirkel = cycleNumber(year + kSolarOffset, kSolarCycle);
    c.indictie = cycleNumber(year + kIndictionOffset, kIndictionCycle);
    c.indictieSeptember = c.indictie % kIndictionCycle + 1;
    c.paastafel = static_cast<int>(
        (gregorian ? computus::gregorianEasterNumber(year) : computus::julianEasterNumber(year)) +
        kEasterTableOffset);
    c.paasgrens = gregorian ? computus::gregorianFullMoon(year) : computus::julianFullMoon(year);
    c.pasen = regions::easterDay(region, year);
    return c;
}

std::string_view kalenderName(const YearComputus& computus) {
    return kKalender.at(computus.gregorian ? 1 : 0);
}

std::array<Cell, kColumnCount> cells(const YearComputus& c) {
    const auto number = [](int n) { return Cell{std::to_string(n), n}; };
    const auto text = [](std::string t) { return Cell{std::move(t), std::nullopt}; };
    return {number(c.jaar),
            text(std::string{kalenderName(c)}),
            number(c.guldenGetal),
            number(c.epacta),
            text(c.zondagsletter),
            number(c.concurrent),
            number(c.zonnecirkel),
            number(c.indictie),
            number(c.indictieSeptember),
            number(c.paastafel),
            text(regions::dayText(*c.region, c.paasgrens)),
            text(regions::dayText(*c.region, c.pasen))};
}

std::string_view nameOf(Number number) {
    for (const NumberName& n : kNumberNames)
        if (n.number == number) return n.name;
    return {};
}

bool fits(std::int64_t day, const regions::Region& region, Number number, int stated) {
    return !misfit(day, region, number, stated);
}

std::optional<std::string> misfit(std::int64_t day, const regions::Region& region, Number number,
                                  int stated) {
    const int year = yearOf(region, day);
    const YearComputus c = of(year, region);
    const int value = valueOf(c, number);
    if (stated == value) return std::nullopt;
    constexpr int kSeptember = 9;
    const bool fromSeptember = regions::dateOf(region, day).month >= kSeptember;
    if (number == Number::Indictie && fromSeptember && stated == c.indictieSeptember) return std::nullopt;

    std::string message = std::string{nameOf(number)} + ' ' + roman(stated) + " past niet bij " +
                          std::to_string(year) + ": " + std::to_string(value);
    if (number == Number::Indictie) message += ", vanaf september " + std::to_string(c.indictieSeptember);
    return message;
}

std::string roman(int n) {
    if (n == 0) return "nullae";
    if (n < 0 || n > kLargestRoman) return std::to_string(n);
    std::string text;
    for (const RomanDigit& digit : kRoman) {
        for (; n >= digit.value; n -= digit.value) text += digit.letters;
    }
    return text;
}

}  // namespace year_computus
