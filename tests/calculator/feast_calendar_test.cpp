#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "feasts.h"
#include "regions.h"
#include "year_view.h"

namespace {

const regions::Region& region(std::string_view id) {
    const regions::Region* r = regions::find(id);
    if (r == nullptr) throw std::invalid_argument(std::string{id});
    return *r;
}

const feasts::Feast& feast(std::string_view id) {
    const feasts::Feast* f = feasts::findById(id);
    if (f == nullptr) throw std::invalid_argument(std::string{id});
    return *f;
}

TEST(FeastTable, RowsAndOrder) {
    // The main feasts come first; the saints' days of saints.tsv follow them.
    const auto table = feasts::table().first(131);
    EXPECT_TRUE(std::all_of(table.begin(), table.end(), [](const feasts::Feast& f) { return f.main; }));
    EXPECT_FALSE(feasts::table()[131].main);
    // 57 fixed, 28 from Easter (the mi-carême Thursday among them), 4 of Advent;
    // then the 42 the clause reader added: 27 fixed, 9 from Easter (Ember days of
    // Lent and Pentecost, Rogation days), 6 Ember days after 14 September and
    // 13 December.
    EXPECT_EQ(table.size(), 131U);
    EXPECT_EQ(table.front().id, "nieuwjaar");
    EXPECT_EQ(table[88].id, "vierde-advent");
    EXPECT_EQ(table.back().id, "maria-presentatie");
    std::set<std::string> ids, names;
    for (const feasts::Feast& f : table) {
        EXPECT_TRUE(ids.insert(std::string{f.id}).second) << f.id;
        EXPECT_TRUE(std::all_of(f.id.begin(), f.id.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || c == '-';
        })) << f.id;
        EXPECT_EQ(feasts::findById(f.id), &f);
        // The main feasts alone, as the year view looks them up: the same row, and no saint.
        const feasts::Feast* main = feasts::findMainById(f.id);
        EXPECT_EQ(main != nullptr, f.main) << f.id;
        if (main != nullptr) {
            EXPECT_TRUE(main->name == f.name && main->rule == f.rule && main->day == f.day &&
                        main->month == f.month && main->offset == f.offset && main->firstYear == f.firstYear)
                << f.id;
        }
        // Every name, alias and Latin name names one feast only, as dating reads them.
        std::set<std::string> own;
        for (std::string_view n : {f.name, f.latin, f.aliases[0], f.aliases[1]})
            if (!n.empty()) own.insert(feasts::foldName(n));
        for (const std::string& n : own) EXPECT_TRUE(names.insert(n).second) << n;
    }
    EXPECT_EQ(feasts::findById("sint-nergens"), nullptr);
    EXPECT_LT(feasts::findById("sint-bavo"), feasts::findById("sint-remigius"));
    EXPECT_EQ(feast("quinquagesima").latin, "Esto mihi");
    EXPECT_EQ(feast("vastenavond").latin, "");
    EXPECT_EQ(feast("sint-jan").aliases[1], "Sint-Jansmis");
}

struct Known {
    const char* region;
    int year;
    const char* id;
    const char* text;  // nullptr: absent that year
    const char* iso;
};

// Worked out by hand: Easter from the Julian and Gregorian tables, fixed dates in
// the calendar the region kept that day, skipped dates in their Julian reading.
TEST(FeastDays, KnownYearsAndRegions) {
    const std::vector<Known> cases{
        // A Julian year, the default region.
        {"zuidelijke-nederlanden", 1500, "sint-mattias", "dinsdag 25 februari 1500", "1500-03-06"},
        {"zuidelijke-nederlanden", 1500, "sint-maarten", "woensdag 11 november 1500", "1500-11-21"},
        {"zuidelijke-nederlanden", 1500, "pasen", "zondag 19 april 1500", "1500-04-29"},
        {"zuidelijke-nederlanden", 1500, "hemelvaart", "donderdag 28 mei 1500", "1500-06-07"},
        {"zuidelijke-nederlanden", 1500, "kerstmis", "vrijdag 25 december 1500", "1501-01-04"},
        // A Gregorian year.
        {"zuidelijke-nederlanden", 2000, "sint-mattias", "vrijdag 25 februari 2000", "2000-02-25"},
        {"zuidelijke-nederlanden", 2000, "aswoensdag", "woensdag 8 maart 2000", "2000-03-08"},
        {"zuidelijke-nederlanden", 2000, "sacramentsdag", "donderdag 22 juni 2000", "2000-06-22"},
        {"zuidelijke-nederlanden", 1900, "sint-mattias", "zaterdag 24 februari 1900", "1900-02-24"},
        // Ember days: 14 September 2000 a Thursday, 13 December 2000 a Wednesday (so
        // the next one); Easter 2000 on 23 April: Ember Wednesday of Lent 15 March,
        // Rogation Monday 29 May, Pentecost 11 June and its Ember Wednesday 14 June.
        {"zuidelijke-nederlanden", 2000, "quatertemper-september-woensdag", "woensdag 20 september 2000",
         "2000-09-20"},
        {"zuidelijke-nederlanden", 2000, "quatertemper-september-zaterdag", "zaterdag 23 september 2000",
         "2000-09-23"},
        {"zuidelijke-nederlanden", 2000, "quatertemper-december-woensdag", "woensdag 20 december 2000",
         "2000-12-20"},
        {"zuidelijke-nederlanden", 2000, "quatertemper-december-vrijdag", "vrijdag 22 december 2000",
         "2000-12-22"},
        {"zuidelijke-nederlanden", 2000, "quatertemper-vasten-woensdag", "woensdag 15 maart 2000",
         "2000-03-15"},
        {"zuidelijke-nederlanden", 2000, "kruisdagen-maandag", "maandag 29 mei 2000", "2000-05-29"},
        {"zuidelijke-nederlanden", 2000, "quatertemper-pinksteren-woensdag", "woensdag 14 juni 2000",
         "2000-06-14"},
        // 13 December 1582 (Julian) a Thursday: the Saturday after, the 22nd, was skipped.
        {"zuidelijke-nederlanden", 1582, "quatertemper-december-vrijdag", "vrijdag 21 december 1582",
         "1582-12-31"},
        {"zuidelijke-nederlanden", 1582, "quatertemper-december-zaterdag", nullptr, nullptr},
        {"zuidelijke-nederlanden", 1253, "sint-rombout", nullptr, nullptr},
        // Christmas on a Monday and on a Sunday: Advent begins 3 December and 27 November.
        {"zuidelijke-nederlanden", 2000, "eerste-advent", "zondag 3 december 2000", "2000-12-03"},
        {"zuidelijke-nederlanden", 2005, "eerste-advent", "zondag 27 november 2005", "2005-11-27"},
        {"zuidelijke-nederlanden", 2005, "vierde-advent", "zondag 18 december 2005", "2005-12-18"},
        // The reform year: 22-31 December 1582 skipped.
        {"zuidelijke-nederlanden", 1582, "pasen", "zondag 15 april 1582", "1582-04-25"},
        {"zuidelijke-nederlanden", 1582, "sint-thomas", "vrijdag 21 december 1582", "1582-12-31"},
        {"zuidelijke-nederlanden", 1582, "kerstmis", "dinsdag 25 december 1582 (? 4/1/1583)", "1583-01-04"},
        {"zuidelijke-nederlanden", 1582, "sint-stefanus", "woensdag 26 december 1582 (? 5/1/1583)",
         "1583-01-05"},
        // New Year's Eve fell on the last Julian day, the day its note names (Gregorian 31/12).
        {"zuidelijke-nederlanden", 1582, "oudjaarsavond", "maandag 31 december 1582 (? 21/12/1582)",
         "1582-12-31"},
        {"zuidelijke-nederlanden", 1582, "eerste-advent", "zondag 2 december 1582", "1582-12-12"},
        {"zuidelijke-nederlanden", 1582, "tweede-advent", "zondag 9 december 1582", "1582-12-19"},
        {"zuidelijke-nederlanden", 1582, "derde-advent", "zondag 16 december 1582", "1582-12-26"},
        {"zuidelijke-nederlanden", 1582, "vierde-advent", nullptr, nullptr},  // 2 January 1583
        // Sacramentsdag from 1247.
        {"zuidelijke-nederlanden", 1246, "sacramentsdag", nullptr, nullptr},
        {"zuidelijke-nederlanden", 1246, "pasen", "zondag 8 april 1246", "1246-04-15"},
        {"zuidelijke-nederlanden", 1247, "sacramentsdag", "donderdag 30 mei 1247", "1247-06-06"},
        // Fixed feasts from their first year: the Visitation from 1389, Sint-Niklaas from
        // 1087; the main window's feasts and the apostles in every year.
        {"zuidelijke-nederlanden", 1388, "maria-visitatie", nullptr, nullptr},
        {"zuidelijke-nederlanden", 1389, "maria-visitatie", "vrijdag 2 juli 1389", "1389-07-10"},
        {"zuidelijke-nederlanden", 1086, "sint-niklaas", nullptr, nullptr},
        {"zuidelijke-nederlanden", 1087, "sint-niklaas", "maandag 6 december 1087", "1087-12-12"},
        {"juliaans", 100, "sint-bavo", nullptr, nullptr},
        {"juliaans", 100, "allerzielen", "maandag 2 november 100", "0100-11-01"},
        {"juliaans", 100, "sint-andries", "maandag 30 november 100", "0100-11-29"},
        // Rome: 5-14 October 1582 skipped.
        {"rome", 1582, "pasen", "zondag 15 april 1582", "1582-04-25"},
        {"rome", 1582, "sint-remigius", "maandag 1 oktober 1582", "1582-10-11"},
        {"rome", 1582, "sint-lucas", "maandag 18 oktober 1582", "1582-10-18"},
        {"rome", 1582, "eerste-advent", "zondag 28 november 1582", "1582-11-28"},
        {"rome", 1500, "pasen", "zondag 19 april 1500", "1500-04-29"},
        {"rome", 1700, "sint-mattias", "woensdag 24 februari 1700", "1700-02-24"},
        // Holland: 2-11 January 1583 skipped; Christmas 1582 still Julian.
        {"holland", 1583, "nieuwjaar", "dinsdag 1 januari 1583", "1583-01-11"},
        {"holland", 1583, "driekoningen", "zondag 6 januari 1583 (? 16/1/1583)", "1583-01-16"},
        {"holland", 1583, "sint-agnes", "vrijdag 21 januari 1583", "1583-01-21"},
        {"holland", 1583, "pasen", "zondag 10 april 1583", "1583-04-10"},
        {"holland", 1582, "vierde-advent", "zondag 23 december 1582", "1583-01-02"},
        // 19-29 February 1700 skipped: no leap day, Sint-Mattias on a skipped 24th.
        {"duitsland-protestants", 1700, "sint-mattias", "zaterdag 24 februari 1700 (? 6/3/1700)",
         "1700-03-06"},
        {"duitsland-protestants", 1700, "aswoensdag", "woensdag 14 februari 1700", "1700-02-24"},
        {"duitsland-protestants", 1700, "pasen", "zondag 11 april 1700", "1700-04-11"},
        // Gelderland kept the Julian leap day of 1700.
        {"gelderland", 1700, "sint-mattias", "zondag 25 februari 1700", "1700-03-07"},
        {"gelderland", 1700, "pasen", "zondag 31 maart 1700", "1700-04-11"},
        {"gelderland", 1700, "sint-jacob", "zondag 25 juli 1700", "1700-07-25"},
        {"friesland-groningen", 1700, "vierde-advent", "zondag 22 december 1700", "1701-01-02"},
        {"friesland-groningen", 1701, "driekoningen", "maandag 6 januari 1701 (? 17/1/1701)", "1701-01-17"},
        // Christmas on 25 December Gregorian, the first day after the switch; the
        // Sunday before it was still Julian.
        {"staten-generaal", 1582, "vierde-advent", "zondag 9 december 1582", "1582-12-19"},
        {"staten-generaal", 1582, "sint-thomas", "vrijdag 21 december 1582 (? 31/12/1582)", "1582-12-31"},
        {"staten-generaal", 1582, "oudjaarsavond", "vrijdag 31 december 1582", "1582-12-31"},
        {"juliaans", 2000, "sint-mattias", "donderdag 25 februari 2000", "2000-03-09"},
        {"juliaans", 2000, "pasen", "zondag 17 april 2000", "2000-04-30"},
        {"juliaans", 1900, "sint-mattias", "vrijdag 25 februari 1900", "1900-03-09"},
        {"gregoriaans", 475, "pasen", "zondag 14 april 475", "0475-04-14"},
        {"gregoriaans", 1500, "sint-mattias", "zaterdag 24 februari 1500", "1500-02-24"},
        {"groot-brittannie", 1752, "sint-matteus", "donderdag 21 september 1752", "1752-09-21"},
    };
    for (const Known& c : cases) {
        const auto found = feasts::occurrence(feast(c.id), c.year, region(c.region));
        const std::string where = std::string{c.region} + " " + std::to_string(c.year) + " " + c.id;
        if (c.text == nullptr) {
            EXPECT_FALSE(found) << where;
            continue;
        }
        ASSERT_TRUE(found) << where;
        EXPECT_EQ(found->feast, &feast(c.id)) << where;
        EXPECT_EQ(found->text, c.text) << where;
        EXPECT_EQ(found->iso, c.iso) << where;
        EXPECT_EQ(regions::isoDate(found->day), c.iso) << where;
    }
}

// Every movable feast of 1450, Easter 5 April (Julian), counted by hand.
TEST(FeastDays, MovableFeastsOf1450) {
    const std::vector<std::pair<const char*, const char*>> cases{
        {"septuagesima", "zondag 1 februari 1450"},
        {"sexagesima", "zondag 8 februari 1450"},
        {"quinquagesima", "zondag 15 februari 1450"},
        {"vastenavond", "dinsdag 17 februari 1450"},
        {"aswoensdag", "woensdag 18 februari 1450"},
        {"invocavit", "zondag 22 februari 1450"},
        {"reminiscere", "zondag 1 maart 1450"},
        {"oculi", "zondag 8 maart 1450"},
        {"halfvasten", "zondag 15 maart 1450"},
        {"judica", "zondag 22 maart 1450"},
        {"palmzondag", "zondag 29 maart 1450"},
        {"witte-donderdag", "donderdag 2 april 1450"},
        {"goede-vrijdag", "vrijdag 3 april 1450"},
        {"paaszaterdag", "zaterdag 4 april 1450"},
        {"pasen", "zondag 5 april 1450"},
        {"paasmaandag", "maandag 6 april 1450"},
        {"beloken-pasen", "zondag 12 april 1450"},
        {"misericordia", "zondag 19 april 1450"},
        {"jubilate", "zondag 26 april 1450"},
        {"cantate", "zondag 3 mei 1450"},
        {"rogate", "zondag 10 mei 1450"},
        {"hemelvaart", "donderdag 14 mei 1450"},
        {"exaudi", "zondag 17 mei 1450"},
        {"pinksteren", "zondag 24 mei 1450"},
        {"pinkstermaandag", "maandag 25 mei 1450"},
        {"drievuldigheid", "zondag 31 mei 1450"},
        {"sacramentsdag", "donderdag 4 juni 1450"},
        {"eerste-advent", "zondag 29 november 1450"},
        {"tweede-advent", "zondag 6 december 1450"},
        {"derde-advent", "zondag 13 december 1450"},
        {"vierde-advent", "zondag 20 december 1450"},
    };
    for (const auto& [id, text] : cases) {
        const auto found = feasts::occurrence(feast(id), 1450, regions::defaultRegion());
        ASSERT_TRUE(found) << id;
        EXPECT_EQ(found->text, text) << id;
    }
}

TEST(FeastDays, YearListOrderedByDayThenTable) {
    struct Case {
        const char* region;
        int year;
        std::size_t count;
    };
    // The 42 feasts the clause reader added count in as kept: in 1582 the December
    // Ember Saturday (22 December, Julian) was skipped in the default region, and in
    // the Staten-Generaal (switch after 14 December) it fell on 1 January 1583;
    // Sint-Rombout (1254), Sint-Anna (1291) and the Presentation (1372) were not yet
    // kept in 1246, nor were Sacramentsdag (1247) and the Visitation (1389). In the
    // year 100: 26 from Easter, 4 of Advent, the main window's 6, 14 saints who died
    // by then, and of the added feasts the 15 Ember and Rogation days and Meidag.
    // The mi-carême Thursday is kept in every year.
    const std::vector<Case> cases{{"zuidelijke-nederlanden", 2000, 89 + 42},
                                  {"zuidelijke-nederlanden", 1582, 88 + 41},
                                  {"zuidelijke-nederlanden", 1246, 87 + 39},
                                  {"staten-generaal", 1582, 89 + 41},
                                  {"holland", 1582, 89 + 42},
                                  {"juliaans", 100, 51 + 15 + 1}};
    for (const Case& c : cases) {
        const auto list = feasts::ofYear(c.year, region(c.region));
        EXPECT_EQ(list.size(), c.count) << c.region << " " << c.year;
        for (std::size_t i = 1; i < list.size(); ++i) {
            EXPECT_TRUE(list[i - 1].day < list[i].day ||
                        (list[i - 1].day == list[i].day && list[i - 1].feast < list[i].feast))
                << c.region << " " << c.year << " " << list[i].feast->id;
        }
    }
    // Across the gap: Sint-Thomas (21 December, Julian) is the same day as
    // Oudjaarsavond (31 December, Gregorian) and comes first in the table; the
    // December Ember Friday (Wednesday 29 December, Gregorian, + 2) is that day too.
    const auto staten = feasts::ofYear(1582, region("staten-generaal"));
    ASSERT_GE(staten.size(), 3U);
    EXPECT_EQ(staten.back().feast->id, "quatertemper-december-vrijdag");
    EXPECT_EQ(staten[staten.size() - 2].feast->id, "oudjaarsavond");
    EXPECT_EQ(staten[staten.size() - 3].feast->id, "sint-thomas");
    const auto first = feasts::ofYear(2000, regions::defaultRegion());
    EXPECT_EQ(first.front().feast->id, "nieuwjaar");
    EXPECT_EQ(first.back().feast->id, "oudjaarsavond");
    EXPECT_TRUE(feasts::ofYear(10000, regions::defaultRegion()).empty());
}

// A feast's first year holds in every region: the region moves its date, never its years.
TEST(FeastDays, FirstYearsInEveryRegion) {
    for (const regions::Region& r : regions::all()) {
        EXPECT_FALSE(feasts::occurrence(feast("maria-visitatie"), 1388, r)) << r.id;
        EXPECT_TRUE(feasts::occurrence(feast("maria-visitatie"), 1389, r)) << r.id;
        EXPECT_FALSE(feasts::occurrence(feast("sint-niklaas"), 1000, r)) << r.id;
        EXPECT_FALSE(feasts::occurrence(feast("sint-catharina"), 1000, r)) << r.id;
        EXPECT_TRUE(feasts::occurrence(feast("sint-catharina"), 1030, r)) << r.id;
        EXPECT_TRUE(feasts::occurrence(feast("onnozele-kinderen"), 100, r)) << r.id;
    }
}

// The window's eleven rows and the feast list give the same text, every region, every year.
TEST(FeastDays, AgreeWithTheWindowRows) {
    constexpr std::array<std::pair<year_view::Feast, const char*>, year_view::kFeastCount> kRows{{
        {year_view::Feast::Nieuwjaar, "nieuwjaar"},
        {year_view::Feast::Aswoensdag, "aswoensdag"},
        {year_view::Feast::Palmzondag, "palmzondag"},
        {year_view::Feast::Pasen, "pasen"},
        {year_view::Feast::Hemelvaart, "hemelvaart"},
        {year_view::Feast::Pinksteren, "pinksteren"},
        {year_view::Feast::OLVtenHemel, "olv-hemelvaart"},
        {year_view::Feast::Allerheiligen, "allerheiligen"},
        {year_view::Feast::Allerzielen, "allerzielen"},
        {year_view::Feast::Kerstmis, "kerstmis"},
        {year_view::Feast::Oudjaarsavond, "oudjaarsavond"},
    }};
    int mismatches = 0;
    for (const regions::Region& r : regions::all()) {
        for (int y = year_view::kFirstYear; y <= year_view::kLastYear; ++y) {
            const year_view::YearView view = year_view::build(y, r);
            for (const auto& [row, id] : kRows) {
                const auto found = feasts::occurrence(feast(id), y, r);
                const std::string text = found ? found->text : "(ontbreekt)";
                if (text != view.feast(row) && ++mismatches <= 10)
                    ADD_FAILURE() << r.id << " " << y << " " << id << ": " << text << " / "
                                  << view.feast(row);
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(FeastNames, Folding) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Sint-Matteüs", "sintmatteus"},
        {"SINT MATTEUS", "sintmatteus"},
        {"Onze-Lieve-Vrouw\tGeboorte", "onzelievevrouwgeboorte"},
        {"ÀÉÎÕÜÇÑàéîõüçñÿ", "aeioucnaeioucny"},
        {"Ærø straße", "aerostrasse"},
        {"Sint\u00a0Jan\u2011Baptist\u00ad", "sintjanbaptist"},  // no-break space, hyphen, soft hyphen
        {"Sint-Jan-Baptist", "sintjanbaptist"},
        {"x\xff\xc3y", "x\xff\xc3y"},  // invalid UTF-8 stays as it is
        {"\xc3", "\xc3"},
        {"", ""},
        {"×÷", "×÷"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(feasts::foldName(in), out) << in;
}

TEST(FeastNames, Filter) {
    struct Case {
        const char* typed;
        std::vector<const char*> ids;  // every feast it keeps, in table order
    };
    const std::vector<Case> cases{
        {"maarten", {"sint-maarten", "sint-maarten-zomer"}},
        {"MARTINI", {"sint-maarten", "sint-maarten-zomer"}},
        {"sint maarten", {"sint-maarten", "sint-maarten-zomer"}},
        {"Matteüs", {"sint-matteus"}},
        {"bamis", {"sint-bavo"}},
        {"olv ten", {"olv-hemelvaart"}},
        {"sinksen", {"pinksteren"}},
        {"esto", {"quinquagesima"}},
        {"advent",
         {"eerste-advent", "tweede-advent", "derde-advent", "vierde-advent", "quatertemper-december-woensdag",
          "quatertemper-december-vrijdag", "quatertemper-december-zaterdag"}},
        {"Hemel", {"olv-hemelvaart", "hemelvaart"}},
        {"zuivering", {"lichtmis"}},
        {"nergens", {}},
        {"sint-jan", {"sint-jan", "onthoofding-sint-jan", "sint-jan-evangelist"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> kept;
        for (const feasts::Feast& f : feasts::table())
            if (f.main && feasts::matchesFilter(f, c.typed)) kept.emplace_back(f.id);
        EXPECT_EQ(kept, std::vector<std::string>(c.ids.begin(), c.ids.end())) << c.typed;
    }
    EXPECT_TRUE(std::all_of(feasts::table().begin(), feasts::table().end(),
                            [](const feasts::Feast& f) { return feasts::matchesFilter(f, " - "); }));
}

}  // namespace
