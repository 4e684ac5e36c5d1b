// The computus of a year against the handbooks' own method: the Julian Paschal
// full moons and epacts by golden number as the tables print them, Clavius's
// Gregorian epacts of 1583-1699 moved by the solar and lunar equations century by
// century, the Paschal full moon from the epact, Easter as the Sunday after it,
// and the Sunday letters and weekdays from a separate day count (reference.h).

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "reference.h"
#include "regions.h"
#include "year_computus.h"
#include "year_view.h"

namespace {

using ref::Cal;
using ref::i64;
using year_computus::Number;

// The Julian lunar table: the Paschal full moon of each golden number (1 to 19),
// as (month, day).
// clang-format off
constexpr std::array<std::array<int, 2>, 19> kJulianFullMoons{{
    {4, 5}, {3, 25}, {4, 13}, {4, 2}, {3, 22}, {4, 10}, {3, 30}, {4, 18}, {4, 7}, {3, 27},
    {4, 15}, {4, 4}, {3, 24}, {4, 12}, {4, 1}, {3, 21}, {4, 9}, {3, 29}, {4, 17}}};
// The Julian epacts (the moon's age on 22 March) by golden number; 0 is "nullae".
constexpr std::array<int, 19> kJulianEpacts{
    0, 11, 22, 3, 14, 25, 6, 17, 28, 9, 20, 1, 12, 23, 4, 15, 26, 7, 18};
// The Gregorian epacts of 1583 to 1699 by golden number (Clavius).
constexpr std::array<int, 19> kClaviusEpacts{
    1, 12, 23, 4, 15, 26, 7, 18, 29, 10, 21, 2, 13, 24, 5, 16, 27, 8, 19};
// clang-format on

constexpr i64 kUnixEpochJdn = 2440588;  // 1 January 1970
constexpr i64 serial(i64 jdn) {
    return jdn - kUnixEpochJdn;
}

// The lunar equation's century years: every 300 years seven times, then once
// after 400 (1800, 2100, ..., 3900, 4300), and so back before 1800.
std::vector<i64> lunarEquationYears() {
    std::vector<i64> years;
    for (i64 start = -700; start <= 1800; start += 2500) {
        for (i64 i = 0; i < 8; ++i) years.push_back(start + 300 * i);
    }
    return years;
}

// The Gregorian epact of any year: Clavius's row for 1583-1699, one less for every
// century year without a leap day passed since (one more for every one before),
// one more for every lunar equation passed (one less before).
int gregorianEpact(i64 y) {
    static const std::vector<i64> lunar = lunarEquationYears();
    int shift = 0;
    const i64 century = ref::floorDiv(y, 100);
    for (i64 c = 17; c <= century; ++c)
        if (c % 4 != 0) --shift;
    for (i64 c = century + 1; c <= 15; ++c)
        if (c % 4 != 0) ++shift;
    for (const i64 l : lunar) {
        if (l > 1583 && l <= y) ++shift;
        if (l <= 1583 && l > y) --shift;
    }
    return static_cast<int>(ref::floorMod(kClaviusEpacts.at(static_cast<std::size_t>(y % 19)) + shift, 30));
}

// The Gregorian Paschal full moon of an epact: 44 - epact March, a lunation later
// when before 21 March; epact 24, and 25 with a golden number up to 11, give
// 18 April; 25 with a golden number above 11 gives 17 April.
i64 gregorianFullMoon(i64 y, int epact, int golden) {
    if (epact == 24 || (epact == 25 && golden <= 11)) return ref::jdn(Cal::Gregorian, 18, 4, y);
    if (epact == 25) return ref::jdn(Cal::Gregorian, 17, 4, y);
    const int march = 44 - epact;
    return ref::jdn(Cal::Gregorian, march < 21 ? march + 30 : march, 3, y);
}

i64 sundayAfter(i64 jdn) {
    return jdn + 7 - ref::weekday(jdn);
}

bool isLeap(Cal cal, i64 y) {
    return cal == Cal::Julian ? y % 4 == 0 : (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

// The letter of the first Sunday in January and, in a leap year, of the first
// Sunday after 29 February, counted as if the year had no leap day.
std::string sundayLetters(Cal cal, i64 y) {
    const i64 newYear = ref::jdn(cal, 1, 1, y);
    std::string letters(1, static_cast<char>('A' + (sundayAfter(newYear - 1) - newYear)));
    if (isLeap(cal, y)) {
        const i64 sunday = sundayAfter(ref::jdn(cal, 29, 2, y));
        letters += static_cast<char>('A' + (sunday - newYear - 1) % 7);
    }
    return letters;
}

std::string dayText(Cal cal, i64 jdn) {
    return std::string{ref::kWeekdays.at(static_cast<std::size_t>(ref::weekday(jdn)))} + ' ' +
           ref::dateText(ref::fromJdn(cal, jdn));
}

TEST(YearComputus, TheTypedTablesAgreeWithEachOther) {
    for (std::size_t g = 0; g < 19; ++g) {
        // The full moon is the 14th day of the moon: 14 - epact days after 22 March.
        const int march = 36 - kJulianEpacts.at(g);
        const i64 fullMoon = ref::jdn(Cal::Julian, march < 21 ? march + 30 : march, 3, 1000);
        EXPECT_EQ(fullMoon, ref::jdn(Cal::Julian, kJulianFullMoons.at(g)[1], kJulianFullMoons.at(g)[0], 1000))
            << "golden number " << g + 1;
    }
    // The handbooks' anchors.
    EXPECT_EQ(gregorianEpact(1583), 7);
    EXPECT_EQ(gregorianEpact(2000), 24);
    EXPECT_EQ(lunarEquationYears().back(), 3900);
}

struct Worked {
    const char* region;
    int year;
    const char* kalender;
    int golden, epact;
    const char* letters;
    int concurrent, solar, indiction, indictionSeptember, easterTable;
    const char* fullMoon;
    const char* easter;
};

// Worked out by hand from the weekday of 1 January and the tables above; 1450,
// 1583, 2000 and 1700 in two reform regions are worked in the command's tests.
// clang-format off
const std::vector<Worked> kWorked{
    {"zuidelijke-nederlanden", 1500, "Juliaans", 19, 18, "ED", 3, 25, 3, 4, 29, "vrijdag 17 april 1500", "zondag 19 april 1500"},
    {"rome", 1582, "Juliaans", 6, 25, "G", 7, 23, 10, 11, 25, "dinsdag 10 april 1582", "zondag 15 april 1582"},
    {"juliaans", 2000, "Juliaans", 6, 25, "CB", 5, 21, 8, 9, 27, "zondag 10 april 2000", "zondag 17 april 2000"},
};
// clang-format on

TEST(YearComputus, WorkedYears) {
    for (const Worked& w : kWorked) {
        const year_computus::YearComputus c = year_computus::of(w.year, *regions::find(w.region));
        const std::string where = std::string{w.region} + ' ' + std::to_string(w.year);
        EXPECT_EQ(year_computus::kalenderName(c), w.kalender) << where;
        EXPECT_EQ(c.guldenGetal, w.golden) << where;
        EXPECT_EQ(c.epacta, w.epact) << where;
        EXPECT_EQ(c.zondagsletter, w.letters) << where;
        EXPECT_EQ(c.concurrent, w.concurrent) << where;
        EXPECT_EQ(c.zonnecirkel, w.solar) << where;
        EXPECT_EQ(c.indictie, w.indiction) << where;
        EXPECT_EQ(c.indictieSeptember, w.indictionSeptember) << where;
        EXPECT_EQ(c.paastafel, w.easterTable) << where;
        const auto cells = year_computus::cells(c);
        EXPECT_EQ(cells.at(10).text, w.fullMoon) << where;
        EXPECT_EQ(cells.at(11).text, w.easter) << where;
        EXPECT_EQ(cells.at(0).number, w.year) << where;
        EXPECT_EQ(cells.at(1).number, std::nullopt) << where;
        EXPECT_EQ(cells.at(3).text, std::to_string(w.epact)) << where;
    }
}

// Every year the command line accepts, in every region, against the handbooks'
// method: the one exhaustive check.
TEST(YearComputus, EveryYearInEveryRegion) {
    int mismatches = 0;
    const auto report = [&](bool ok, const regions::Region& r, int y, const char* what) {
        if (!ok && ++mismatches <= 20) ADD_FAILURE() << r.id << ' ' << y << ": " << what;
    };
    int reformYearsSeen = 0;
    int leapYearsSeen = 0;
    for (const regions::Region& region : regions::all()) {
        // The cycles counted on year by year from 100, whose numbers are worked by hand.
        int golden = 6, solar = 25, indiction = 13;
        for (int y = year_view::kFirstYear; y <= year_view::kLastYear; ++y) {
            const auto g = static_cast<std::size_t>(golden - 1);
            // Both Easters by the tables, each checked against Meeus.
            const i64 julianFullMoon =
                ref::jdn(Cal::Julian, kJulianFullMoons.at(g)[1], kJulianFullMoons.at(g)[0], y);
            const i64 julianEaster = sundayAfter(julianFullMoon);
            const int epactG = gregorianEpact(y);
            const i64 gregorianFullMoon = ::gregorianFullMoon(y, epactG, golden);
            const i64 gregorianEaster = sundayAfter(gregorianFullMoon);
            report(julianEaster == ref::julianEaster(y), region, y, "reference Julian Easter");
            report(gregorianEaster == ref::gregorianEaster(y), region, y, "reference Gregorian Easter");

            const bool gregorian = serial(gregorianEaster) >= regions::firstGregorianDay(region);
            const Cal cal = gregorian ? Cal::Gregorian : Cal::Julian;
            const i64 fullMoon = gregorian ? gregorianFullMoon : julianFullMoon;
            const i64 easter = gregorian ? gregorianEaster : julianEaster;

            const year_computus::YearComputus c = year_computus::of(y, region);
            report(c.jaar == y, region, y, "jaar");
            report(c.gregorian == gregorian, region, y, "kalender");
            report(c.guldenGetal == golden, region, y, "gulden_getal");
            report(c.epacta == (gregorian ? epactG : kJulianEpacts.at(g)), region, y, "epacta");
            report(c.zondagsletter == sundayLetters(cal, y), region, y, "zondagsletter");
            report(c.concurrent == ref::weekday(ref::jdn(cal, 24, 3, y)) + 1, region, y, "concurrent");
            report(c.zonnecirkel == solar, region, y, "zonnecirkel");
            report(c.indictie == indiction, region, y, "indictie");
            report(c.indictieSeptember == indiction % 15 + 1, region, y, "indictie_september");
            report(c.paastafel == easter - ref::jdn(cal, 22, 3, y) + 1, region, y, "paastafel");
            report(c.paasgrens == serial(fullMoon), region, y, "paasgrens");
            report(c.pasen == serial(easter) && c.pasen == regions::easterDay(region, y), region, y, "pasen");

            const auto cells = year_computus::cells(c);
            report(cells.at(10).text == dayText(cal, fullMoon), region, y, "paasgrens text");
            const std::string yearViewEaster{
                year_view::trimmed(year_view::build(y, region).feast(year_view::Feast::Pasen))};
            report(cells.at(11).text == yearViewEaster && yearViewEaster == dayText(cal, easter), region, y,
                   "pasen text");

            if (regions::reformYear(region) == y) ++reformYearsSeen;
            if (c.zondagsletter.size() == 2) ++leapYearsSeen;
            golden = golden % 19 + 1;
            solar = solar % 28 + 1;
            indiction = indiction % 15 + 1;
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(reformYearsSeen, static_cast<int>(regions::all().size()) - 2);  // all but the fixed two
    EXPECT_GT(leapYearsSeen, 7000);
}

struct CheckCase {
    const char* region;
    Cal cal;
    int day, month, year;
    Number number;
    int stated;
    const char* refusal;  // "" when the number fits
};

// clang-format off
const std::vector<CheckCase> kChecks{
    // 1450: indiction 13, from September 14.
    {"zuidelijke-nederlanden", Cal::Julian, 11, 11, 1450, Number::Indictie, 12, "indictie XII past niet bij 1450: 13, vanaf september 14"},
    {"zuidelijke-nederlanden", Cal::Julian, 11, 11, 1450, Number::Indictie, 13, ""},
    {"zuidelijke-nederlanden", Cal::Julian, 11, 11, 1450, Number::Indictie, 14, ""},
    {"zuidelijke-nederlanden", Cal::Julian, 1, 9, 1450, Number::Indictie, 14, ""},
    {"zuidelijke-nederlanden", Cal::Julian, 31, 8, 1450, Number::Indictie, 14, "indictie XIV past niet bij 1450: 13, vanaf september 14"},
    {"zuidelijke-nederlanden", Cal::Julian, 1, 1, 1450, Number::Indictie, 13, ""},
    // 1452: 15, from September 1.
    {"zuidelijke-nederlanden", Cal::Julian, 24, 9, 1452, Number::Indictie, 1, ""},
    {"zuidelijke-nederlanden", Cal::Julian, 24, 8, 1452, Number::Indictie, 1, "indictie I past niet bij 1452: 15, vanaf september 1"},
    // The other numbers of 1450.
    {"zuidelijke-nederlanden", Cal::Julian, 5, 4, 1450, Number::Epacta, 6, ""},
    {"zuidelijke-nederlanden", Cal::Julian, 5, 4, 1450, Number::Epacta, 7, "epacta VII past niet bij 1450: 6"},
    {"zuidelijke-nederlanden", Cal::Julian, 5, 4, 1450, Number::Epacta, 0, "epacta nullae past niet bij 1450: 6"},
    {"zuidelijke-nederlanden", Cal::Julian, 5, 4, 1444, Number::Epacta, 0, ""},
    {"zuidelijke-nederlanden", Cal::Julian, 5, 12, 1450, Number::Concurrent, 3, ""},
    {"zuidelijke-nederlanden", Cal::Julian, 5, 12, 1450, Number::Concurrent, 2, "concurrent II past niet bij 1450: 3"},
    {"zuidelijke-nederlanden", Cal::Julian, 5, 12, 1450, Number::Zonnecirkel, 3, ""},
    {"zuidelijke-nederlanden", Cal::Julian, 5, 12, 1450, Number::Zonnecirkel, 28, "zonnecirkel XXVIII past niet bij 1450: 3"},
    {"zuidelijke-nederlanden", Cal::Julian, 5, 12, 1450, Number::GuldenGetal, 7, ""},
    {"zuidelijke-nederlanden", Cal::Julian, 5, 12, 1450, Number::GuldenGetal, 19, "gulden getal XIX past niet bij 1450: 7"},
    {"zuidelijke-nederlanden", Cal::Julian, 5, 12, 1450, Number::GuldenGetal, 4000, "gulden getal 4000 past niet bij 1450: 7"},
    // The day's year in the calendar in force: Christmas 1582 in Julian reckoning was
    // 4 January 1583 in Rome, and still of the indiction of 1582 (10, from September 11).
    {"juliaans", Cal::Julian, 25, 12, 1582, Number::Indictie, 11, ""},
    {"juliaans", Cal::Julian, 25, 12, 1582, Number::Indictie, 12, "indictie XII past niet bij 1582: 10, vanaf september 11"},
    {"rome", Cal::Gregorian, 4, 1, 1583, Number::Indictie, 11, ""},
    {"rome", Cal::Gregorian, 4, 1, 1583, Number::Indictie, 12, "indictie XII past niet bij 1583: 11, vanaf september 12"},
    // The epact of the calendar of the year's Easter: Julian in Rome in 1582 even
    // in November, Gregorian in Holland in 1583 even on its Julian 1 January.
    {"rome", Cal::Gregorian, 20, 11, 1582, Number::Epacta, 25, ""},
    {"holland", Cal::Julian, 1, 1, 1583, Number::Epacta, 7, ""},
    {"holland", Cal::Julian, 1, 1, 1583, Number::Epacta, 6, "epacta VI past niet bij 1583: 7"},
};
// clang-format on

TEST(YearComputus, NumbersStatedWithADay) {
    for (const CheckCase& c : kChecks) {
        const i64 day = serial(ref::jdn(c.cal, c.day, c.month, c.year));
        const regions::Region& region = *regions::find(c.region);
        const std::string where = std::string{c.region} + ' ' + std::to_string(c.day) + '/' +
                                  std::to_string(c.month) + '/' + std::to_string(c.year) + ' ' +
                                  std::to_string(c.stated);
        const std::optional<std::string> refusal = year_computus::misfit(day, region, c.number, c.stated);
        EXPECT_EQ(refusal.value_or(""), c.refusal) << where;
        EXPECT_EQ(year_computus::fits(day, region, c.number, c.stated), std::string_view{c.refusal}.empty())
            << where;
    }
}

TEST(YearComputus, RomanNumerals) {
    const std::vector<std::pair<int, const char*>> cases{
        {1, "I"},       {4, "IV"},      {9, "IX"},      {14, "XIV"},       {19, "XIX"},
        {28, "XXVIII"}, {40, "XL"},     {1450, "MCDL"}, {1999, "MCMXCIX"}, {3999, "MMMCMXCIX"},
        {0, "nullae"},  {4000, "4000"}, {-3, "-3"}};
    for (const auto& [n, text] : cases) EXPECT_EQ(year_computus::roman(n), text) << n;
}

}  // namespace
