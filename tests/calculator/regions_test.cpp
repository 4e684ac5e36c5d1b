#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "date_service.h"
#include "failure.h"
#include "reference.h"
#include "regions.h"
#include "run_size.h"
#include "tarvinde.h"
#include "year_view.h"

namespace {

using year_view::Feast;

const regions::Region& region(std::string_view id) {
    const regions::Region* r = regions::find(id);
    if (r == nullptr) throw std::invalid_argument(std::string{id});
    return *r;
}

// Serial day numbers and Julian day numbers differ by a constant.
std::int64_t serial(ref::Cal cal, ref::i64 d, ref::i64 m, ref::i64 y) {
    return ref::jdn(cal, d, m, y) - ref::jdn(ref::Cal::Gregorian, 1, 1, 1970);
}

TEST(Regions, EverySwitchIsOneDayToTheNext) {
    int switching = 0;
    for (const regions::Region& r : regions::all()) {
        ASSERT_EQ(r.lastJulian.has_value(), r.firstGregorian.has_value()) << r.id;
        if (!r.lastJulian) continue;
        ++switching;
        const auto& last = *r.lastJulian;
        const auto& first = *r.firstGregorian;
        EXPECT_EQ(ref::jdn(ref::Cal::Julian, last.day, last.month, last.year) + 1,
                  ref::jdn(ref::Cal::Gregorian, first.day, first.month, first.year))
            << r.id;
        EXPECT_EQ(regions::lastJulianDay(r), serial(ref::Cal::Julian, last.day, last.month, last.year))
            << r.id;
        EXPECT_TRUE(regions::isJulian(r, regions::lastJulianDay(r))) << r.id;
        EXPECT_FALSE(regions::isJulian(r, regions::firstGregorianDay(r))) << r.id;
    }
    EXPECT_EQ(switching, 13);
    EXPECT_EQ(regions::all().size(), 15U);
    EXPECT_EQ(regions::defaultRegion().id, "zuidelijke-nederlanden");
    EXPECT_EQ(regions::find("nergens"), nullptr);
}

// A region made outside the table (a copy, or a test's own) gets its switch and
// its Easter worked out, not looked up: whatever the day of the switch, the years
// around it keep the Gregorian Easter only where that falls after the last Julian
// day. Switches from December 1650 to April 1651 cross the year both as Julian
// and as Gregorian dates, and pass Easter where the two computi differ.
TEST(Regions, AnyRegionsSwitchAndEaster) {
    using ref::Cal;
    const auto fromRef = [](const ref::Date& d) {
        return calendar::Date{d.year, static_cast<int>(d.month), static_cast<int>(d.day)};
    };
    const ref::i64 epoch = ref::jdn(Cal::Gregorian, 1, 1, 1970);
    std::vector<regions::Region> made(regions::all().begin(), regions::all().end());
    for (ref::i64 last = ref::jdn(Cal::Julian, 1, 12, 1650); last <= ref::jdn(Cal::Julian, 30, 4, 1651);
         ++last)
        made.push_back({"", "", "", fromRef(ref::fromJdn(Cal::Julian, last)),
                        fromRef(ref::fromJdn(Cal::Gregorian, last + 1)), false, ""});
    for (const regions::Region& r : made) {
        constexpr std::int64_t kNone = std::numeric_limits<std::int64_t>::max();
        const std::int64_t lastJulian =
            r.lastJulian ? serial(Cal::Julian, r.lastJulian->day, r.lastJulian->month, r.lastJulian->year)
                         : (r.alwaysGregorian ? -kNone : kNone);
        if (r.lastJulian) {
            EXPECT_EQ(regions::lastJulianDay(r), lastJulian) << r.id;
        }
        const ref::i64 around = r.lastJulian ? r.lastJulian->year : 1650;
        for (ref::i64 y = around - 2; y <= around + 2; ++y) {
            const std::int64_t gregorian = ref::gregorianEaster(y) - epoch;
            const std::int64_t julian = ref::julianEaster(y) - epoch;
            EXPECT_EQ(regions::easterDay(r, y), gregorian > lastJulian ? gregorian : julian)
                << r.id << " switching after day " << lastJulian << ", Easter " << y;
        }
    }
}

TEST(Regions, SkippedDatesAndReformYears) {
    struct Case {
        const char* id;
        int reformYear;
        int skipped;
    };
    // Counted by hand on the calendar: from the day after the last Julian day to
    // the day before the first Gregorian one, Julian 29 February 1700 included.
    const std::vector<Case> cases{
        {"zuidelijke-nederlanden", 1582, 10},
        {"staten-generaal", 1582, 10},
        {"holland", 1583, 10},
        {"luik", 1583, 10},
        {"gelderland", 1700, 11},
        {"utrecht-overijssel", 1700, 11},
        {"friesland-groningen", 1701, 11},
        {"drenthe", 1701, 11},
        {"rome", 1582, 10},
        {"frankrijk", 1582, 10},
        {"duitsland-protestants", 1700, 11},
        {"groot-brittannie", 1752, 11},
        {"zweden", 1753, 11},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(regions::reformYear(region(c.id)), c.reformYear) << c.id;
        EXPECT_EQ(regions::skippedDates(region(c.id)), c.skipped) << c.id;
    }
    EXPECT_FALSE(regions::reformYear(region("juliaans")));
    EXPECT_FALSE(regions::reformYear(region("gregoriaans")));
}

// Which calendar governs a year, and the switch inside it: worked out by hand from
// each region's last Julian and first Gregorian day.
TEST(Regions, TheCalendarOfAYearAndItsSwitch) {
    using regions::YearCalendar;
    using D = calendar::Date;
    struct Case {
        const char* id;
        int year;
        YearCalendar calendar;
        bool switches;
        D lastJulian, firstGregorian, firstSkipped;
        int skipped;
    };
    const std::vector<Case> cases{
        // The change in late December: 1582 is Julian to its end (31/12 was skipped).
        {"zuidelijke-nederlanden",
         1582,
         YearCalendar::Julian,
         true,
         {1582, 12, 21},
         {1583, 1, 1},
         {1582, 12, 22},
         10},
        {"zuidelijke-nederlanden", 1583, YearCalendar::Gregorian, false, {}, {}, {}, 0},
        {"holland", 1582, YearCalendar::Julian, false, {}, {}, {}, 0},
        {"holland", 1583, YearCalendar::Both, true, {1583, 1, 1}, {1583, 1, 12}, {1583, 1, 2}, 10},
        {"groot-brittannie", 1752, YearCalendar::Both, true, {1752, 9, 2}, {1752, 9, 14}, {1752, 9, 3}, 11},
        // The last Julian day ends 1700; the skipped days open 1701, which is Gregorian throughout.
        {"friesland-groningen", 1700, YearCalendar::Julian, false, {}, {}, {}, 0},
        {"friesland-groningen",
         1701,
         YearCalendar::Gregorian,
         true,
         {1700, 12, 31},
         {1701, 1, 12},
         {1701, 1, 1},
         11},
        {"juliaans", 2000, YearCalendar::Julian, false, {}, {}, {}, 0},
        {"gregoriaans", 1000, YearCalendar::Gregorian, false, {}, {}, {}, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(regions::yearCalendar(region(c.id), c.year), c.calendar) << c.id << " " << c.year;
        const std::optional<regions::Switch> change = regions::switchIn(region(c.id), c.year);
        ASSERT_EQ(change.has_value(), c.switches) << c.id << " " << c.year;
        if (!change) continue;
        EXPECT_EQ(change->lastJulian, c.lastJulian) << c.id;
        EXPECT_EQ(change->firstGregorian, c.firstGregorian) << c.id;
        EXPECT_EQ(change->firstSkipped, c.firstSkipped) << c.id;
        EXPECT_EQ(change->skippedDates, c.skipped) << c.id;
    }
}

TEST(Regions, ReadingOfWrittenDates) {
    struct Case {
        const char* id;
        int d, m, y;
        enum { Julian, Gregorian, Skipped, None } expected;
        ref::Cal dayIn;  // the calendar whose reading gives the day
    };
    using enum ref::Cal;
    const std::vector<Case> cases{
        {"holland", 1, 1, 1583, Case::Julian, Julian},
        {"holland", 2, 1, 1583, Case::Skipped, Julian},
        {"holland", 11, 1, 1583, Case::Skipped, Julian},
        {"holland", 12, 1, 1583, Case::Gregorian, Gregorian},
        {"holland", 29, 2, 1700, Case::None, Gregorian},
        {"friesland-groningen", 29, 2, 1700, Case::Julian, Julian},
        {"duitsland-protestants", 29, 2, 1700, Case::Skipped, Julian},
        {"juliaans", 29, 2, 1900, Case::Julian, Julian},
        {"gregoriaans", 29, 2, 1500, Case::None, Gregorian},
        {"gregoriaans", 1, 1, 1000, Case::Gregorian, Gregorian},
        {"rome", 4, 10, 1582, Case::Julian, Julian},
        {"rome", 10, 10, 1582, Case::Skipped, Julian},
        {"rome", 15, 10, 1582, Case::Gregorian, Gregorian},
        {"holland", 31, 4, 1600, Case::None, Gregorian},
    };
    for (const Case& c : cases) {
        const auto reading = regions::readDate(region(c.id), c.y, c.m, c.d);
        const std::string what = std::string{c.id} + " " + std::to_string(c.d) + "/" + std::to_string(c.m);
        if (c.expected == Case::None) {
            EXPECT_FALSE(reading) << what;
            continue;
        }
        ASSERT_TRUE(reading) << what;
        EXPECT_EQ(reading->day, serial(c.dayIn, c.d, c.m, c.y)) << what;
        EXPECT_EQ(reading->skipped, c.expected == Case::Skipped) << what;
        EXPECT_EQ(reading->julian, c.expected != Case::Gregorian) << what;
    }
}

// The default region's year view against the calculator class, for every year the
// window accepts. Both take their feasts' days from the feast table, each through
// its own list of feast ids, so this holds the two lists together; Easter, the
// leap year and Easter in Gaul the class works out by its own rules.
// ISO dates with four-digit years padded with zeros, and the years beyond four
// digits or before year 0 as printf's %04lld writes them.
TEST(Regions, IsoDates) {
    struct Case {
        ref::i64 d, m, y;
        const char* iso;
    };
    const Case cases[] = {
        {1, 1, 100, "0100-01-01"},    {31, 12, 999, "0999-12-31"},  {15, 10, 1582, "1582-10-15"},
        {29, 2, 2000, "2000-02-29"},  {31, 12, 2100, "2100-12-31"}, {1, 1, 1, "0001-01-01"},
        {31, 12, 9999, "9999-12-31"}, {1, 1, 10000, "10000-01-01"}, {31, 12, -1, "-001-12-31"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(regions::isoDate(serial(ref::Cal::Gregorian, c.d, c.m, c.y)), c.iso) << c.iso;
}

TEST(YearView, DefaultRegionReproducesTheCalculator) {
    ref::RecordingBox box;
    const Tarvinde t(box);
    using Op = std::string (Tarvinde::*)(std::int16_t) const;
    const std::array<Op, year_view::kFeastCount> ops{
        &Tarvinde::NieuwjaarDag,  &Tarvinde::Aswoensdag,    &Tarvinde::Palmzondag,   &Tarvinde::PaasDatum,
        &Tarvinde::HemelvaartDag, &Tarvinde::PinksterenDag, &Tarvinde::OLVtenHemel,  &Tarvinde::Allerheiligen,
        &Tarvinde::Allerzielen,   &Tarvinde::Kerstmis,      &Tarvinde::Oudjaarsavond};
    int mismatches = 0;
    for (std::int16_t y = 100; y <= 2100; ++y) {
        const year_view::YearView view = year_view::build(y);
        for (std::size_t i = 0; i < ops.size(); ++i) {
            if (view.feasts[i] != (t.*ops[i])(y) && ++mismatches < 10)
                ADD_FAILURE() << y << " row " << i << ": " << view.feasts[i];
        }
        EXPECT_EQ(view.leapYear, t.IsSchrikkeljaar(y) == 1) << y;
        if (y != 1582) {
            if (view.gallie != t.PasenGallie(y) && ++mismatches < 10)
                ADD_FAILURE() << y << ": " << view.gallie;
            EXPECT_EQ(view.gallieTitel, "Pasen in Gallië");
            EXPECT_EQ(view.kalender, y < 1582 ? "Juliaans" : "Gregoriaans");
            EXPECT_EQ(view.regel, y < 1582 ? "  jaartal veelvoud van 4"
                                           : "  jaartal veelvoud van 4 of 400, niet van 100.");
        }
    }
    EXPECT_TRUE(box.shown.empty());
    const year_view::YearView reform = year_view::build(1582);
    EXPECT_EQ(reform.kalender, "Juliaans");
    EXPECT_EQ(reform.regel, "  jaren veelvoud van 4");
    EXPECT_EQ(reform.gallieTitel, "Kalenderwijziging 20/12 > 31/12  of  21/12 > 1/1/1583");
    EXPECT_EQ(reform.gallie, "10 dagen vervallen in december");
}

// Each region around its switch, worked out by hand on the two calendars.
TEST(YearView, RegionsAroundTheirSwitch) {
    struct Case {
        const char* id;
        int year;
        const char* kalender;
        bool leap;
        const char* regel;
        const char* gallieTitel;
        const char* gallie;
        std::vector<std::pair<Feast, const char*>> feasts;
    };
    constexpr const char* kJulianRule = "  jaartal veelvoud van 4";
    constexpr const char* kGregorianRule = "  jaartal veelvoud van 4 of 400, niet van 100.";
    constexpr const char* kGaul = "Pasen in Gallië";
    constexpr const char* kIdem = " idem Pasen Rome";
    const std::vector<Case> cases{
        {"holland",
         1582,
         "Juliaans",
         false,
         kJulianRule,
         kGaul,
         kIdem,
         {{Feast::Kerstmis, "dinsdag 25 december 1582"}, {Feast::Oudjaarsavond, "maandag 31 december 1582"}}},
        {"holland",
         1583,
         "Overgangsjaar",
         false,
         "  Juliaans tot 1/1, daarna Gregoriaans",
         "Kalenderwijziging 1/1 > 12/1/1583",
         "10 dagen vervallen in januari",
         {{Feast::Nieuwjaar, "dinsdag 1 januari 1583"},
          {Feast::Pasen, "zondag 10 april 1583"},
          {Feast::Kerstmis, "zondag 25 december 1583"}}},
        {"holland",
         1700,
         "Gregoriaans",
         false,
         kGregorianRule,
         kGaul,
         kIdem,
         {{Feast::Nieuwjaar, "vrijdag 1 januari 1700"}, {Feast::Pasen, "zondag 11 april 1700"}}},
        {"luik",
         1583,
         "Overgangsjaar",
         false,
         "  Juliaans tot 10/2, daarna Gregoriaans",
         "Kalenderwijziging 10/2 > 21/2/1583",
         "10 dagen vervallen in februari",
         {{Feast::Nieuwjaar, "dinsdag 1 januari 1583"},
          {Feast::Aswoensdag, "woensdag 23 februari 1583"},
          {Feast::Pasen, "zondag 10 april 1583"}}},
        {"rome",
         1582,
         "Overgangsjaar",
         false,
         "  Juliaans tot 4/10, daarna Gregoriaans",
         "Kalenderwijziging 4/10 > 15/10/1582",
         "10 dagen vervallen in oktober",
         {{Feast::Pasen, "zondag 15 april 1582"},
          {Feast::Kerstmis, "zaterdag 25 december 1582"},
          {Feast::Oudjaarsavond, "vrijdag 31 december 1582"}}},
        {"staten-generaal",
         1582,
         "Overgangsjaar",
         false,
         "  Juliaans tot 14/12, daarna Gregoriaans",
         "Kalenderwijziging 14/12 > 25/12/1582",
         "10 dagen vervallen in december",
         {{Feast::Kerstmis, "zaterdag 25 december 1582"},
          {Feast::Oudjaarsavond, "vrijdag 31 december 1582"}}},
        {"frankrijk",
         1582,
         "Overgangsjaar",
         false,
         "  Juliaans tot 9/12, daarna Gregoriaans",
         "Kalenderwijziging 9/12 > 20/12/1582",
         "10 dagen vervallen in december",
         {}},
        {"gelderland",
         1700,
         "Overgangsjaar",
         true,
         "  Juliaans tot 30/6, daarna Gregoriaans",
         "Kalenderwijziging 30/6 > 12/7/1700",
         "11 dagen vervallen in juli",
         {{Feast::Nieuwjaar, "maandag 1 januari 1700"}, {Feast::Pasen, "zondag 31 maart 1700"}}},
        {"utrecht-overijssel",
         1700,
         "Overgangsjaar",
         true,
         "  Juliaans tot 30/11, daarna Gregoriaans",
         "Kalenderwijziging 30/11 > 12/12/1700",
         "11 dagen vervallen in december",
         {}},
        {"friesland-groningen",
         1700,
         "Juliaans",
         true,
         kJulianRule,
         kGaul,
         kIdem,
         {{Feast::Kerstmis, "woensdag 25 december 1700"}}},
        {"friesland-groningen",
         1701,
         "Gregoriaans",
         false,
         kGregorianRule,
         "Kalenderwijziging 31/12/1700 > 12/1/1701",
         "11 dagen vervallen in januari",
         {{Feast::Nieuwjaar, "woensdag 1 januari 1701 (? 12/1/1701)"}}},
        {"drenthe",
         1701,
         "Overgangsjaar",
         false,
         "  Juliaans tot 30/4, daarna Gregoriaans",
         "Kalenderwijziging 30/4 > 12/5/1701",
         "11 dagen vervallen in mei",
         {}},
        {"duitsland-protestants",
         1700,
         "Overgangsjaar",
         false,
         "  Juliaans tot 18/2, daarna Gregoriaans",
         "Kalenderwijziging 18/2 > 1/3/1700",
         "11 dagen vervallen in februari",
         // Easter by the Gregorian computus; Ash Wednesday, 46 days before, was still Julian.
         {{Feast::Pasen, "zondag 11 april 1700"}, {Feast::Aswoensdag, "woensdag 14 februari 1700"}}},
        {"groot-brittannie",
         1752,
         "Overgangsjaar",
         true,
         "  Juliaans tot 2/9, daarna Gregoriaans",
         "Kalenderwijziging 2/9 > 14/9/1752",
         "11 dagen vervallen in september",
         {}},
        {"zweden",
         1753,
         "Overgangsjaar",
         false,
         "  Juliaans tot 17/2, daarna Gregoriaans",
         "Kalenderwijziging 17/2 > 1/3/1753",
         "11 dagen vervallen in februari",
         {}},
        {"juliaans",
         2000,
         "Juliaans",
         true,
         kJulianRule,
         kGaul,
         kIdem,
         {{Feast::Nieuwjaar, "vrijdag 1 januari 2000"}, {Feast::Pasen, "zondag 17 april 2000"}}},
        {"juliaans", 1900, "Juliaans", true, kJulianRule, kGaul, kIdem, {}},
        {"gregoriaans",
         1000,
         "Gregoriaans",
         false,
         kGregorianRule,
         kGaul,
         kIdem,
         {{Feast::Nieuwjaar, "woensdag 1 januari 1000"}, {Feast::Pasen, "zondag 30 maart 1000"}}},
        // Gaul's Easter of 475 was Julian 13 April, Gregorian (proleptic) 14 April,
        // the day the Gregorian computus gives for 475: the same day as Easter.
        {"gregoriaans",
         475,
         "Gregoriaans",
         false,
         kGregorianRule,
         kGaul,
         kIdem,
         {{Feast::Pasen, "zondag 14 april 475"}}},
        // Gaul's 516 was Julian 10 April = Gregorian 12 April; the Gregorian computus gives 5 April.
        {"gregoriaans",
         516,
         "Gregoriaans",
         true,
         kGregorianRule,
         kGaul,
         "zondag 12 april 516",
         {{Feast::Pasen, "zondag 5 april 516"}}},
        {"zuidelijke-nederlanden", 475, "Juliaans", false, kJulianRule, kGaul, "zondag 13 april 475", {}},
    };
    for (const Case& c : cases) {
        const year_view::YearView view = year_view::build(c.year, region(c.id));
        const std::string where = std::string{c.id} + " " + std::to_string(c.year);
        EXPECT_EQ(view.kalender, c.kalender) << where;
        EXPECT_EQ(view.leapYear, c.leap) << where;
        EXPECT_EQ(view.regel, c.regel) << where;
        EXPECT_EQ(view.gallieTitel, c.gallieTitel) << where;
        EXPECT_EQ(view.gallie, c.gallie) << where;
        for (const auto& [feast, text] : c.feasts) EXPECT_EQ(view.feast(feast), text) << where;
    }
}

TEST(YearView, CopyLines) {
    EXPECT_EQ(year_view::tabbedText(year_view::lines(year_view::build(2000))),
              "Jaar\t2000\nKalender\tGregoriaans\nSchrikkeljaar\tja\n"
              "Regel\tjaartal veelvoud van 4 of 400, niet van 100.\n"
              "Nieuwjaar\tzaterdag 1 januari 2000\nAswoensdag\twoensdag 8 maart 2000\n"
              "Palmzondag\tzondag 16 april 2000\nPasen (Rome)\tzondag 23 april 2000\n"
              "Hemelvaart\tdonderdag 1 juni 2000\nPinksteren\tzondag 11 juni 2000\n"
              "OLV ten Hemel\tdinsdag 15 augustus 2000\nAllerheiligen\twoensdag 1 november 2000\n"
              "Allerzielen\tdonderdag 2 november 2000\nKerstmis\tmaandag 25 december 2000\n"
              "Oudjaarsavond\tzondag 31 december 2000\nPasen in Gallië\tidem Pasen Rome\n");
    const auto luik = year_view::lines(year_view::build(1583, region("luik")));
    ASSERT_GE(luik.size(), 3U);
    EXPECT_EQ(luik[1].caption, "Regio");
    EXPECT_EQ(luik[1].text, "Prinsbisdom Luik");
    EXPECT_EQ(luik.back().caption, "Kalenderwijziging 10/2 > 21/2/1583");
}

// In the always-Gregorian model the Gregorian computus lands on Gaul's own Sunday
// in eight of the twenty years (worked out by hand from the Julian dates of the
// Gallic table and the Gregorian Easters of those years): the row says so.
TEST(YearView, GaulAsRomeInTheGregorianModel) {
    for (const int y : {475, 495, 496, 499, 550, 596, 767, 786})
        EXPECT_EQ(year_view::build(y, region("gregoriaans")).gallie, " idem Pasen Rome") << y;
    for (const int y : {516, 536, 577, 594, 645, 740, 743, 760, 763, 780, 783, 784})
        EXPECT_NE(year_view::build(y, region("gregoriaans")).gallie, " idem Pasen Rome") << y;
}

TEST(Finder, OtherRegionsCountFromTheFirstOfTheMonth) {
    struct Case {
        const char* id;
        std::int16_t d, m, y;
        const char* expected;
    };
    const std::vector<Case> cases{
        {"holland", 15, 1, 1583, "zaterdag 15 januari 1583"},
        {"holland", 45, 1, 1583, "maandag 14 februari 1583"},  // 44 Julian days after Julian 1 January
        {"holland", 1, 1, 1583, "dinsdag 1 januari 1583"},
        {"holland", 31, 2, 2001, "zaterdag 3 maart 2001"},
        {"friesland-groningen", 29, 2, 1700, "donderdag 29 februari 1700"},
        {"friesland-groningen", 5, 1, 1701,
         "zondag 5 januari 1701 (? 16/1/1701)"},  // skipped: Julian count, Julian reading, its day noted
        {"juliaans", 1, 1, 2000, "vrijdag 1 januari 2000"},
        {"gregoriaans", 1, 1, 1000, "woensdag 1 januari 1000"},
        {"rome", 1, 13, 1581, "maandag 1 januari 1582"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(year_view::weekdayText(region(c.id), c.d, c.m, c.y), c.expected) << c.id << " " << c.d;
    EXPECT_THROW(year_view::weekdayText(region("holland"), 1, 1, 99), Failure);
}

// The default region carries as every other region does, and a skipped date gets
// its note. Weekdays and Julian/Gregorian equivalents worked out by hand from
// 1 January 1583 (Gregorian) being a Saturday and the ten days of the change.
TEST(Finder, CarriesInTheCalendarOfTheMonthsFirstDay) {
    struct Case {
        const char* id;
        std::int16_t d, m, y;
        const char* expected;
    };
    const std::vector<Case> cases{
        {"zuidelijke-nederlanden", 32, 12, 1582,
         "zaterdag 1 januari 1583"},  // Julian 1/1/1583, read Gregorian
        {"zuidelijke-nederlanden", -10, 1, 1583,
         "vrijdag 21 december 1582"},  // Gregorian 21/12/1582, read Julian
        {"zuidelijke-nederlanden", 1, 0, 1583, "zaterdag 1 december 1582"},
        {"zuidelijke-nederlanden", 400, 1, 1582, "vrijdag 4 februari 1583"},
        {"zuidelijke-nederlanden", 21, 12, 1582, "vrijdag 21 december 1582"},  // the last Julian day
        {"zuidelijke-nederlanden", 22, 12, 1582, "zaterdag 22 december 1582 (? 1/1/1583)"},
        {"zuidelijke-nederlanden", 25, 12, 1582, "dinsdag 25 december 1582 (? 4/1/1583)"},
        {"zuidelijke-nederlanden", 31, 12, 1582, "maandag 31 december 1582 (? 10/1/1583)"},
        {"zuidelijke-nederlanden", 1, 1, 1583, "zaterdag 1 januari 1583"},
        // 32766 Julian days after 1/1/1500: Julian 16/9/1589, read as Gregorian 16/9/1589.
        {"zuidelijke-nederlanden", 32767, 1, 1500, "zaterdag 16 september 1589"},
        // Far below: 30001 days before Julian 1/1/1500 is Julian 11/11/1417.
        {"zuidelijke-nederlanden", -30000, 1, 1500, "donderdag 11 november 1417"},
        {"holland", 5, 1, 1583, "zaterdag 5 januari 1583 (? 15/1/1583)"},
        {"groot-brittannie", 10, 9, 1752,
         "donderdag 10 september 1752 (? 21/9/1752)"},  // 14/9/1752 a Thursday
        {"staten-generaal", 15, 12, 1582, "zaterdag 15 december 1582 (? 25/12/1582)"},
        {"rome", 4, 10, 1582, "donderdag 4 oktober 1582"},
        {"rome", 5, 10, 1582, "vrijdag 5 oktober 1582 (? 15/10/1582)"},
        // Sweden counts February 1753 in the Julian calendar; 17195 days on is
        // Julian 29/2/1800, a date Gregorian 1800 lacks: read as typed, 1 March.
        {"zweden", 17194, 2, 1753, "vrijdag 28 februari 1800"},
        {"zweden", 17195, 2, 1753, "zaterdag 1 maart 1800"},
        {"zweden", 29, 2, 1800, "zaterdag 1 maart 1800"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(year_view::weekdayText(region(c.id), c.d, c.m, c.y), c.expected)
            << c.id << " " << c.d << "/" << c.m << "/" << c.y;
}

// Every carried input around the change of 1582 in the default region, against
// the reference arithmetic: the month carried first, the day counted in the
// calendar of that month's first day (Julian up to December 1582), the date
// reached read as Julian up to 21/12/1582, Gregorian from 1/1/1583, and in
// between as its Julian reading with the note of its Gregorian date.
TEST(Finder, DefaultRegionAgainstTheReference) {
    using ref::Cal;
    const auto before = [](const ref::Date& a, ref::i64 y, ref::i64 m, ref::i64 d) {
        return std::tuple{a.year, a.month, a.day} <= std::tuple{y, m, d};
    };
    int checked = 0;
    for (std::int16_t y = 1581; y <= 1584; ++y) {
        for (std::int16_t m = -2; m <= 15; ++m) {
            for (std::int16_t d = -400; d <= 400; d += 3) {
                const ref::i64 year = y + ref::floorDiv(m - 1, 12);
                const ref::i64 month = ref::floorMod(m - 1, 12) + 1;
                const Cal counted = std::tuple{year, month} <= std::tuple{ref::i64{1582}, ref::i64{12}}
                                        ? Cal::Julian
                                        : Cal::Gregorian;
                const ref::Date label = ref::fromJdn(counted, ref::jdn(counted, d, month, year));
                std::string expected;
                if (before(label, 1582, 12, 21)) {
                    expected = ref::textOf(ref::jdn(Cal::Julian, label.day, label.month, label.year), 1582);
                } else if (!before(label, 1582, 12, 31)) {
                    expected =
                        ref::textOf(ref::jdn(Cal::Gregorian, label.day, label.month, label.year), 1583);
                } else {
                    const ref::i64 j = ref::jdn(Cal::Julian, label.day, label.month, label.year);
                    const ref::Date g = ref::fromJdn(Cal::Gregorian, j);
                    expected = ref::textOf(j, 1582) + " (? " + std::to_string(g.day) + "/" +
                               std::to_string(g.month) + "/" + std::to_string(g.year) + ")";
                }
                ASSERT_EQ(year_view::weekdayText(regions::defaultRegion(), d, m, y), expected)
                    << d << "/" << m << "/" << y;
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 4 * 18 * 267);
}

// A date reached outside 1/1/100 .. 31/12/2100 is named, in the calendar it was
// counted in; reached dates worked out by hand (Julian leap years every fourth).
TEST(Finder, NamesTheDateReachedOutsideTheYears) {
    struct Case {
        const char* id;
        std::int16_t d, m, y;
        calendar::Date reached;
        bool julian;
    };
    const std::vector<Case> cases{
        {"zuidelijke-nederlanden", 1, -32768, 100, {-2631, 4, 1}, true},  // 2731 years back, April
        {"zuidelijke-nederlanden", -32768, 1, 100, {10, 4, 14}, true},    // 32769 days before 1/1/100
        {"zuidelijke-nederlanden", 32767, 1, 2100, {2189, 9, 17}, false},
        {"zuidelijke-nederlanden", 0, 1, 100, {99, 12, 31}, true},
        {"zuidelijke-nederlanden", 32, 12, 2100, {2101, 1, 1}, false},
        {"gregoriaans", 1, 0, 100, {99, 12, 1}, false},
    };
    for (const Case& c : cases) {
        const year_view::Finding f = year_view::findWeekday(region(c.id), c.d, c.m, c.y);
        EXPECT_FALSE(f.inRange) << c.d << "/" << c.m << "/" << c.y;
        EXPECT_EQ(f.reached, c.reached) << c.d << "/" << c.m << "/" << c.y;
        EXPECT_EQ(f.julian, c.julian) << c.d << "/" << c.m << "/" << c.y;
        EXPECT_TRUE(f.text.empty());
        EXPECT_THROW(year_view::weekdayText(region(c.id), c.d, c.m, c.y), Failure);
    }
    // The edges themselves are answered.
    EXPECT_EQ(year_view::weekdayText(region("zuidelijke-nederlanden"), 1, 1, 100), "woensdag 1 januari 100");
    EXPECT_EQ(year_view::weekdayText(region("zuidelijke-nederlanden"), 31, 12, 2100),
              "vrijdag 31 december 2100");
}

}  // namespace

namespace {

// A date's words as the rows write them, for any year a date can hold: the digits
// written by hand, the least year (whose minus cannot be negated) among them.
// A table of years writes every year into one view: nothing of a year may stay
// behind in the next, through a switch year's longer texts, a skipped date's
// note or a feast absent from a year. Every region, every year forwards and then
// backwards, against a view built fresh.
TEST(YearView, AViewReusedFromYearToYearShowsWhatAFreshOneShows) {
    for (const regions::Region& region : regions::all()) {
        year_view::YearView reused{};
        int mismatches = 0;
        for (const int step : {1, -1})
            for (int y = step > 0 ? 100 : 2100; y >= 100 && y <= 2100; y += step) {
                if (!run_size::checks(y, {1582, 1583, 1700, 1752})) continue;
                year_view::build(reused, y, region);
                const std::string fresh =
                    year_view::tabbedText(year_view::lines(year_view::build(y, region)));
                if (year_view::tabbedText(year_view::lines(reused)) != fresh && ++mismatches < 5)
                    ADD_FAILURE() << region.id << " " << y << ":\n" << fresh;
            }
    }
}

TEST(DateText, WritesTheDayMonthAndYear) {
    struct Case {
        calendar::Date date;
        const char* expected;
    };
    const std::vector<Case> cases{
        {{2000, 1, 1}, "1 januari 2000"},
        {{100, 12, 31}, "31 december 100"},
        {{1582, 10, 15}, "15 oktober 1582"},
        {{0, 2, 29}, "29 februari 0"},
        {{-44, 3, 15}, "15 maart -44"},
        {{10000, 9, 30}, "30 september 10000"},
        {{std::numeric_limits<std::int64_t>::min(), 5, 9}, "9 mei -9223372036854775808"},
        // Each count of digits, and the numbers either side of a tenth and a hundredth.
        {{9, 9, 10}, "10 september 9"},
        {{10, 11, 19}, "19 november 10"},
        {{99, 4, 20}, "20 april 99"},
        {{999, 6, 30}, "30 juni 999"},
        {{1000, 7, 1}, "1 juli 1000"},
        {{1009, 8, 2}, "2 augustus 1009"},
        {{1090, 3, 3}, "3 maart 1090"},
        {{9999, 12, 31}, "31 december 9999"},
    };
    for (const Case& c : cases) EXPECT_EQ(date_service::dayMonthYear(c.date), c.expected) << c.expected;
    std::string text = "zaterdag ";
    date_service::appendDayMonthYear(text, {2000, 1, 1});
    EXPECT_EQ(text, "zaterdag 1 januari 2000");
    // With the weekday, 0 = Sunday: the first week of 2000 began on a Saturday.
    const std::vector<std::string> week{"zondag 2 januari 2000",    "maandag 3 januari 2000",
                                        "dinsdag 4 januari 2000",   "woensdag 5 januari 2000",
                                        "donderdag 6 januari 2000", "vrijdag 7 januari 2000",
                                        "zaterdag 8 januari 2000"};
    for (int weekday = 0; weekday < 7; ++weekday) {
        std::string written = "; ";
        date_service::appendDayMonthYear(written, weekday, {2000, 1, 2 + weekday});
        EXPECT_EQ(written, "; " + week.at(static_cast<std::size_t>(weekday)));
    }
}

}  // namespace
