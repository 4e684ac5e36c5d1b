#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "reference.h"
#include "year_style.h"

namespace {

using enum ref::Cal;
using enum year_style::Style;

// A region that switched on Easter Sunday 1700 (Gregorian 11 April): the dates it
// skipped, 31 March to 10 April, lie just before that Easter as dates are written,
// though their Julian readings name days after it.
const regions::Region kEasterSwitch{
    "pasen-1700", "", "", calendar::Date{1700, 3, 30}, calendar::Date{1700, 4, 11}, false, ""};

const regions::Region& region(std::string_view id) {
    const regions::Region* r = id == kEasterSwitch.id ? &kEasterSwitch : regions::find(id);
    if (r == nullptr) throw std::invalid_argument(std::string{id});
    return *r;
}

ref::i64 serial(ref::i64 jdn) {
    return jdn - ref::jdn(Gregorian, 1, 1, 1970);
}

// A modern date as written in the region's calendar; `gap` is the note of a skipped date.
struct Day {
    ref::Cal cal;
    int d, m, y;
    const char* gap = "";
};

void expectDay(const year_style::Modern& got, const Day& e) {
    const ref::i64 jdn = ref::jdn(e.cal, e.d, e.m, e.y);
    const ref::Date g = ref::fromJdn(Gregorian, jdn);
    std::array<char, 64> iso{};
    std::snprintf(iso.data(), iso.size(), "%04lld-%02lld-%02lld", static_cast<long long>(g.year),
                  static_cast<long long>(g.month), static_cast<long long>(g.day));
    EXPECT_EQ(got.day, serial(jdn));
    EXPECT_EQ(got.text,
              std::string{ref::kWeekdays[ref::weekday(jdn)]} + " " + ref::dateText({e.d, e.m, e.y}) + e.gap);
    EXPECT_EQ(got.iso, iso.data());
}

// Easter fell (Julian) on 3 April 1491, 22 April 1492, 7 April 1493; in Holland
// (Gregorian) on 11 April 1700, 27 March 1701, 16 April 1702; in Gelderland on
// Julian 31 March 1700; in Drenthe on Julian 20 April 1701.
TEST(YearStyle, ModernDatesAndErrors) {
    struct Case {
        const char* region;
        year_style::Style style;
        int d, m, y;
        std::vector<Day> expected;  // empty: the error
        const char* error = "";
    };
    const char* zn = "zuidelijke-nederlanden";
    // clang-format off
    const std::vector<Case> cases{
        {zn, Nieuwjaar, 10, 4, 1491, {{Julian, 10, 4, 1491}}},
        {zn, Kerst, 24, 12, 1450, {{Julian, 24, 12, 1450}}},
        {zn, Kerst, 25, 12, 1451, {{Julian, 25, 12, 1450}}},
        {zn, Kerst, 31, 12, 1700, {{Gregorian, 31, 12, 1699}}},
        {zn, Boodschap, 30, 1, 1544, {{Julian, 30, 1, 1545}}},
        {zn, Boodschap, 24, 3, 1544, {{Julian, 24, 3, 1545}}},
        {zn, Boodschap, 25, 3, 1544, {{Julian, 25, 3, 1544}}},
        {zn, Boodschap, 29, 2, 1543, {{Julian, 29, 2, 1544}}},
        {"duitsland-protestants", Boodschap, 20, 2, 1699, {{Julian, 20, 2, 1700, " (? 2/3/1700)"}}},
        {zn, Pasen, 10, 4, 1491, {{Julian, 10, 4, 1491}, {Julian, 10, 4, 1492}}},
        {zn, Pasen, 20, 2, 1491, {{Julian, 20, 2, 1492}}},
        {zn, Pasen, 29, 2, 1491, {{Julian, 29, 2, 1492}}},
        {zn, Pasen, 3, 4, 1491, {{Julian, 3, 4, 1491}, {Julian, 3, 4, 1492}}},
        {zn, Pasen, 22, 4, 1491, {{Julian, 22, 4, 1491}}},
        {zn, Pasen, 6, 4, 1492, {{Julian, 6, 4, 1493}}},
        {zn, Pasen, 10, 4, 1492, {},
         "10/4/1492 bestond niet in de Paasstijl: het jaar 1492 liep van zondag 22 april 1492 tot en met "
         "zaterdag 6 april 1493"},
        // Holy Saturday and Good Friday move both ends of the year one or two days.
        {zn, Pasen, 2, 4, 1491, {{Julian, 2, 4, 1492}}},
        {zn, Paaszaterdag, 2, 4, 1491, {{Julian, 2, 4, 1491}, {Julian, 2, 4, 1492}}},
        {zn, Paaszaterdag, 1, 4, 1491, {{Julian, 1, 4, 1492}}},
        {zn, GoedeVrijdag, 1, 4, 1491, {{Julian, 1, 4, 1491}, {Julian, 1, 4, 1492}}},
        {zn, Pasen, 21, 4, 1491, {{Julian, 21, 4, 1491}, {Julian, 21, 4, 1492}}},
        {zn, Paaszaterdag, 21, 4, 1491, {{Julian, 21, 4, 1491}}},
        {zn, Paaszaterdag, 20, 4, 1491, {{Julian, 20, 4, 1491}, {Julian, 20, 4, 1492}}},
        {zn, GoedeVrijdag, 20, 4, 1491, {{Julian, 20, 4, 1491}}},
        {zn, Paaszaterdag, 6, 4, 1492, {},
         "6/4/1492 bestond niet in de Paasstijl (Paaszaterdag): het jaar 1492 liep van zaterdag 21 april "
         "1492 tot en met vrijdag 5 april 1493"},
        {zn, GoedeVrijdag, 6, 4, 1492, {},
         "6/4/1492 bestond niet in de Paasstijl (Goede Vrijdag): het jaar 1492 liep van vrijdag 20 april "
         "1492 tot en met donderdag 4 april 1493"},
        // Transition years: each region's own Easters and calendars.
        {"gelderland", Pasen, 5, 4, 1700, {{Julian, 5, 4, 1700}}},
        {"holland", Pasen, 5, 4, 1700, {},
         "5/4/1700 bestond niet in de Paasstijl: het jaar 1700 liep van zondag 11 april 1700 tot en met "
         "zaterdag 26 maart 1701"},
        {"holland", Pasen, 10, 4, 1701, {{Gregorian, 10, 4, 1701}, {Gregorian, 10, 4, 1702}}},
        {"drenthe", Pasen, 10, 4, 1701, {{Gregorian, 10, 4, 1702}}},
        {"drenthe", Pasen, 15, 4, 1700, {{Julian, 15, 4, 1700}, {Julian, 15, 4, 1701}}},
        {"drenthe", Pasen, 5, 5, 1701, {{Julian, 5, 5, 1701, " (? 16/5/1701)"}}},
        {"pasen-1700", Pasen, 5, 4, 1699, {{Julian, 5, 4, 1700, " (? 16/4/1700)"}}},
        {"pasen-1700", Pasen, 5, 4, 1700, {},
         "5/4/1700 bestond niet in de Paasstijl: het jaar 1700 liep van zondag 11 april 1700 tot en met "
         "zaterdag 26 maart 1701"},
        // The ends of the range of years, and dates that are none.
        {zn, Pasen, 1, 1, 100, {{Julian, 1, 1, 101}}},
        {zn, Pasen, 1, 5, 2100, {{Gregorian, 1, 5, 2100}}},
        {zn, Nieuwjaar, 1, 1, 99, {}, "jaar 99 ligt buiten de jaren 100 tot 2100"},
        {zn, Pasen, 1, 1, 2101, {}, "jaar 2101 ligt buiten de jaren 100 tot 2100"},
        {zn, Kerst, 25, 12, 100, {}, "25/12/100 in de Kerststijl is 25/12/99, buiten de jaren 100 tot 2100"},
        {zn, Boodschap, 1, 1, 2100, {},
         "1/1/2100 in de Boodschapstijl is 1/1/2101, buiten de jaren 100 tot 2100"},
        // Easter 2100 is 28 March, Easter 2101 17 April (worked out by the Gregorian
        // computus by hand): the style year 2100 holds 28/3 to 16/4 twice; the
        // second reading, in 2101, is dropped, not the date refused.
        {zn, Pasen, 10, 4, 2100, {{Gregorian, 10, 4, 2100}}},
        {zn, Pasen, 28, 3, 2100, {{Gregorian, 28, 3, 2100}}},
        {zn, Paaszaterdag, 27, 3, 2100, {{Gregorian, 27, 3, 2100}}},
        {zn, GoedeVrijdag, 26, 3, 2100, {{Gregorian, 26, 3, 2100}}},
        {zn, Pasen, 16, 4, 2100, {{Gregorian, 16, 4, 2100}}},
        {zn, Pasen, 27, 3, 2100, {}, "27/3/2100 in de Paasstijl is 27/3/2101, buiten de jaren 100 tot 2100"},
        {zn, Pasen, 1, 1, 2100, {}, "1/1/2100 in de Paasstijl is 1/1/2101, buiten de jaren 100 tot 2100"},
        {zn, Pasen, 1, 13, 1500, {}, "maand 13 bestaat niet (1 tot 12)"},
        {zn, Kerst, 1, 0, 1500, {}, "maand 0 bestaat niet (1 tot 12)"},
        {zn, Kerst, 0, 1, 1500, {}, "dag 0 bestaat niet (1 tot 31)"},
        {zn, Pasen, 31, 2, 1491, {}, "31/2 is geen datum: februari heeft hoogstens 29 dagen"},
        {zn, Boodschap, 31, 4, 1500, {}, "31/4 is geen datum: april heeft 30 dagen"},
        {zn, Pasen, 29, 2, 1493, {}, "29/2 bestond niet: 1493 en 1494 waren geen schrikkeljaren"},
        {"holland", Nieuwjaar, 29, 2, 1700, {}, "29/2 bestond niet: 1700 was geen schrikkeljaar"},
        {"holland", Boodschap, 29, 2, 1699, {}, "29/2 bestond niet: 1700 was geen schrikkeljaar"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string{c.region} + " " + std::to_string(static_cast<int>(c.style)) + " " +
                     std::to_string(c.d) + "/" + std::to_string(c.m) + "/" + std::to_string(c.y));
        try {
            const auto got = year_style::toModern(c.style, c.d, c.m, c.y, region(c.region));
            ASSERT_EQ(got.size(), c.expected.size()) << c.error;
            for (std::size_t i = 0; i < got.size(); ++i) expectDay(got[i], c.expected[i]);
        } catch (const InputError& e) {
            EXPECT_STREQ(e.what(), c.error);
        }
    }
}

// Every day from the first day of a style year up to the next one's is named by
// exactly one date of that year; the Easters come from the reference computus.
TEST(YearStyle, EasterStyleYearsNameEachDayOnce) {
    const std::vector<std::tuple<const char*, int, int>> spans{{"zuidelijke-nederlanden", 1400, 1580},
                                                               {"gregoriaans", 1900, 2099}};
    for (const auto& [id, from, to] : spans) {
        for (const auto& [style, before] : {std::pair{Pasen, 0}, {Paaszaterdag, 1}, {GoedeVrijdag, 2}}) {
            for (int y = from; y <= to; ++y) {
                std::map<ref::i64, int> named;
                for (int m = 1; m <= 12; ++m) {
                    for (int d = 1; d <= 31; ++d) {
                        try {
                            for (const auto& modern : year_style::toModern(style, d, m, y, region(id)))
                                ++named[modern.day];
                        } catch (const InputError&) {
                        }
                    }
                }
                const ref::i64 first = serial(ref::easter(y)) - before,
                               next = serial(ref::easter(y + 1)) - before;
                SCOPED_TRACE(std::string{id} + " " + std::to_string(y) + " " + std::to_string(before));
                ASSERT_EQ(named.size(), static_cast<std::size_t>(next - first));
                EXPECT_EQ(named.begin()->first, first);
                EXPECT_EQ(named.rbegin()->first, next - 1);
                for (const auto& [day, count] : named) EXPECT_EQ(count, 1) << day;
            }
        }
    }
}

TEST(YearStyle, StylesAreFoundByTheirIds) {
    const std::vector<std::pair<std::string_view, year_style::Style>> expected{
        {"nieuwjaar", Nieuwjaar},       {"kerst", Kerst},
        {"boodschap", Boodschap},       {"pasen", Pasen},
        {"paaszaterdag", Paaszaterdag}, {"goede-vrijdag", GoedeVrijdag}};
    ASSERT_EQ(year_style::styles().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(year_style::styles()[i].id, expected[i].first);
        ASSERT_NE(year_style::find(expected[i].first), nullptr);
        EXPECT_EQ(year_style::find(expected[i].first)->style, expected[i].second);
    }
    EXPECT_EQ(year_style::find("Pasen"), nullptr);
    EXPECT_EQ(year_style::knownIds(), "nieuwjaar, kerst, boodschap, pasen, paaszaterdag, goede-vrijdag");
}

}  // namespace
