// The saints' days of saints.tsv: the table against the test's own reading of the
// data files (their paths given by CMake, not read through the code under test),
// and clauses worked out by hand in the Julian calendar.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "clause.h"
#include "dating.h"
#include "expressions.h"
#include "feasts.h"
#include "input_error.h"
#include "reference.h"
#include "regions.h"

namespace {

using ref::Cal;

std::int64_t julian(ref::i64 d, ref::i64 m, ref::i64 y) {
    return ref::jdn(Cal::Julian, d, m, y) - ref::jdn(Cal::Gregorian, 1, 1, 1970);
}

using Rows = std::vector<std::vector<std::string>>;

// The rows of a TSV file after its header.
Rows rowsOf(const char* path) {
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    Rows rows;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        std::vector<std::string> cells;
        std::stringstream cellsIn(line);
        for (std::string cell; std::getline(cellsIn, cell, '\t');) cells.push_back(cell);
        rows.push_back(cells);
    }
    return rows;
}

int numberIn(const std::string& text) {
    return text.empty() ? 0 : std::stoi(text.substr(text.front() == '~' ? 1 : 0));
}

const regions::Region& julianRegion() {
    return *regions::find("juliaans");
}

std::vector<std::int64_t> readDays(const std::string& clause) {
    std::vector<std::int64_t> days;
    for (const clause::Reading& r : clause::read(clause, {&julianRegion(), std::nullopt}).readings)
        days.push_back(r.day);
    return days;
}

bool has(const std::vector<std::int64_t>& days, std::int64_t day) {
    return std::find(days.begin(), days.end(), day) != days.end();
}

// Every row of saints.tsv is a feast of the table: its name, day, first year and
// sources as the file gives them, provisional as its note says, not a main feast,
// on its day from its first year and absent the year before.
TEST(Saints, EveryRowOfTheFile) {
    const Rows rows = rowsOf(TARVINDE_SAINTS_TSV);
    ASSERT_EQ(rows.size(), 160U);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.at(0));
        const feasts::Feast* f = feasts::findById(row.at(0));
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->name, row.at(1));
        EXPECT_EQ(f->source, row.at(9));
        EXPECT_EQ(f->firstYear, numberIn(row.at(5)));
        EXPECT_FALSE(f->main);
        const std::string& note = row.at(4);
        EXPECT_EQ(f->provisional, note.find("bevestigd door 0 bron") != std::string::npos ||
                                      note.find("dag niet met een bron bevestigd") != std::string::npos);
        const int day = std::stoi(row.at(2));
        const int month = std::stoi(row.at(3));
        const int year = std::max(f->firstYear, 1000);
        const auto o = feasts::occurrence(*f, year, julianRegion());
        ASSERT_TRUE(o);
        EXPECT_EQ(o->day, julian(day, month, year));
        EXPECT_EQ(o->provisional, f->provisional);
        if (f->firstYear > 1) {
            EXPECT_FALSE(feasts::occurrence(*f, f->firstYear - 1, julianRegion()));
        }
        // Its Dutch name reads as its day, and says so where no source confirms it.
        const clause::Answer a =
            clause::read(row.at(1) + ' ' + std::to_string(year), {&julianRegion(), std::nullopt});
        EXPECT_TRUE(has(readDays(row.at(1) + ' ' + std::to_string(year)), o->day));
        const auto days = feasts::occurrences(*f, year, julianRegion());
        for (const clause::Reading& r : a.readings) {
            const auto day =
                std::find_if(days.begin(), days.end(), [&](const auto& d) { return d.day == r.day; });
            ASSERT_NE(day, days.end()) << r.reading;
            EXPECT_EQ(r.reading.find("dag onzeker") != std::string::npos, day->provisional) << r.reading;
        }
    }
}

// Every day of saint-days.tsv is one of its feast's days in the years it applies
// in, and in no other; each feast with such days has one row for its own day.
TEST(Saints, DaysChurchesKept) {
    const Rows rows = rowsOf(TARVINDE_SAINT_DAYS_TSV);
    ASSERT_GE(rows.size(), 30U);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.at(0) + ' ' + row.at(1) + '/' + row.at(2));
        const feasts::Feast* f = feasts::findById(row.at(0));
        ASSERT_NE(f, nullptr);
        EXPECT_FALSE(row.at(3).empty());
        EXPECT_FALSE(row.at(7).empty());  // its source
        EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const auto& r) {
            return r.at(0) == row.at(0) && std::stoi(r.at(1)) == f->day && std::stoi(r.at(2)) == f->month;
        }));
        const int from = numberIn(row.at(4));
        const int until = numberIn(row.at(5));
        for (const int year : {1300, 1500, 1569, 1570, 1600}) {
            if (year < f->firstYear) continue;
            const bool applies = (from == 0 || year >= from) && (until == 0 || year <= until);
            const std::int64_t day = julian(std::stoi(row.at(1)), std::stoi(row.at(2)), year);
            const auto list = feasts::occurrences(*f, year, julianRegion());
            const auto found = std::find_if(list.begin(), list.end(),
                                            [&](const feasts::Occurrence& o) { return o.day == day; });
            ASSERT_EQ(found != list.end(), applies) << year;
            if (!applies) continue;
            EXPECT_EQ(found->label, row.at(3));
            if (row.at(6) == "nee") {
                EXPECT_TRUE(found->provisional);
            }
            EXPECT_TRUE(std::is_sorted(list.begin(), list.end(),
                                       [](const auto& a, const auto& b) { return a.day < b.day; }));
        }
    }
}

struct Worked {
    const char* clause;
    std::vector<std::int64_t> days;     // every reading, in date order, Julian
    std::vector<const char*> readings;  // the words each reading must hold
};

// Worked out by hand (Julian calendar; weekdays by the Julian day number).
TEST(Saints, WorkedClauses) {
    const std::vector<Worked> cases{
        // Barnabas, 11 June 1237, a Thursday: the Saturday after is 13 June.
        {"sabbato post festum beati Barnabe apostoli 1237",
         {julian(13, 6, 1237)},
         {"zaterdag na Sint-Barnabas"}},
        // Giles, 1 September 1450, itself a Tuesday: "na" is strictly after.
        {"des dinsdaghes na sinte Gillis dach 1450", {julian(8, 9, 1450)}, {"dinsdag na Sint-Gillis"}},
        {"le mardi après la saint Gille 1450", {julian(8, 9, 1450)}, {"dinsdag na Sint-Gillis"}},
        {"in festo beati Clementis 1300", {julian(23, 11, 1300)}, {"Sint-Clemens 1300"}},
        // Margaret: 13 July in Utrecht, 20 July in the Roman calendar, both Tuesdays.
        {"in die beate Margarete 1400",
         {julian(13, 7, 1400), julian(20, 7, 1400)},
         {"(Utrecht)", "(Romeinse"}},
        {"sinte Margrieten dach 1400",
         {julian(13, 7, 1400), julian(20, 7, 1400)},
         {"(Utrecht)", "(Romeinse"}},
        // A reading's label read back names that day alone.
        {"Sint-Margriet (Utrecht) 1400", {julian(13, 7, 1400)}, {"Sint-Margriet (Utrecht) 1400"}},
        {"Sint-Juliaan (van Le Mans) (dag onzeker) 1400", {julian(27, 1, 1400)}, {"(dag onzeker)"}},
        {"sente Margrieten avont 1400",
         {julian(12, 7, 1400), julian(19, 7, 1400)},
         {"vooravond", "vooravond"}},
        // Hilary: 13 January, and 14 January from the missal of 1570 on.
        {"in festo beati Hilarii 1500", {julian(13, 1, 1500)}, {"Sint-Hilarius 1500"}},
        {"in festo beati Hilarii 1575",
         {julian(13, 1, 1575), julian(14, 1, 1575)},
         {"middeleeuwse", "Tridentijns"}},
        // Pontian: 14 January in Utrecht, 19 January in the martyrology.
        {"sinte Pontiaens dach 1400",
         {julian(14, 1, 1400), julian(19, 1, 1400)},
         {"(Utrecht)", "martyrologium"}},
        // Cornelius and Cyprian: 14 September, and 16 September from 1570.
        {"sinte Cornelis dach 1571",
         {julian(14, 9, 1571), julian(16, 9, 1571)},
         {"middeleeuws", "Tridentijns"}},
        // Shared names: each feast's reading.
        {"sinte Donaes dach 1400",
         {julian(7, 8, 1400), julian(14, 10, 1400)},
         {"Sint-Donatus", "Sint-Donaas"}},
        {"sinte Germeyns dach 1400", {julian(28, 5, 1400), julian(31, 7, 1400)}, {"Parijs", "Auxerre"}},
        {"in die sancti Stephani 1400",
         {julian(2, 8, 1400), julian(3, 8, 1400), julian(26, 12, 1400)},
         {"(paus)", "Vinding", "Sint-Stefanus 1400"}},
        {"in die sancti Stephani pape 1400", {julian(2, 8, 1400)}, {"(paus)"}},
        {"in festo beati Petri ad vincula 1400", {julian(1, 8, 1400)}, {"Sint-Pietersbanden"}},
        {"in festo beati Thome apostoli 1321", {julian(21, 12, 1321)}, {"Sint-Thomas 1321"}},
        // A day no source confirms says so; the spelling fold makes "Juliaens" and
        // "Julianen" one name, so Juliana's day is given too.
        {"sinte Juliaens dach 1400",
         {julian(27, 1, 1400), julian(16, 2, 1400)},
         {"dag onzeker", "Sint-Juliana"}},
        {"in festo sancti Juliani 1400", {julian(27, 1, 1400)}, {"(van Le Mans) (dag onzeker)"}},
        // Old French by the patterns.
        {"la feste saint Climent 1300", {julian(23, 11, 1300)}, {"Sint-Clemens"}},
    };
    for (const Worked& c : cases) {
        SCOPED_TRACE(c.clause);
        const clause::Answer a = clause::read(c.clause, {&julianRegion(), std::nullopt});
        ASSERT_EQ(a.readings.size(), c.days.size());
        for (std::size_t i = 0; i < c.days.size(); ++i) {
            EXPECT_EQ(a.readings[i].day, c.days[i]);
            EXPECT_NE(a.readings[i].reading.find(c.readings[i]), std::string::npos) << a.readings[i].reading;
        }
    }
    // The modern names stay the main feasts': no saint's form the fold makes equal hides them.
    EXPECT_EQ(readDays("Sint-Maartendag 1400"), std::vector<std::int64_t>{julian(11, 11, 1400)});
    EXPECT_EQ(readDays("Sint-Marthaavond 1400"), std::vector<std::int64_t>{julian(28, 7, 1400)});
    // Before its first year a saint's day is refused, naming that year.
    EXPECT_THROW(clause::read("Sint-Jozef 1470", {&julianRegion(), std::nullopt}), InputError);
    EXPECT_THROW(clause::read("Sint-Rochus 1450", {&julianRegion(), std::nullopt}), InputError);
}

// The forms made by the patterns: from the file's "sinte NAME dach" and "la saint
// NAME", the other spellings and words of the patterns read as the same day.
TEST(Saints, PatternedForms) {
    int checked = 0;
    for (const auto& row : rowsOf(TARVINDE_SAINTS_TSV)) {
        const feasts::Feast& f = *feasts::findById(row.at(0));
        const int year = std::max(f.firstYear, 1400);
        const std::int64_t day = feasts::occurrence(f, year, julianRegion())->day;
        const std::string y = ' ' + std::to_string(year);
        std::string dutch = row.at(7).substr(0, row.at(7).find(" (usual"));
        if (dutch.starts_with("(usual form, not seen) ")) dutch.erase(0, 23);
        if (dutch.starts_with("sinte ") && dutch.ends_with(" dach")) {
            const std::string name = dutch.substr(6, dutch.size() - 11);
            SCOPED_TRACE(name);
            EXPECT_TRUE(has(readDays("sente " + name + " daghe" + y), day));
            EXPECT_TRUE(has(readDays("sinte " + name + " avont" + y), day - 1));
            ++checked;
        }
        std::string french = row.at(8);
        if (french.starts_with("(usual form, not seen) ")) french.erase(0, 23);
        for (const std::string lead : {"la saint ", "la sainte "})
            if (french.starts_with(lead) && french.find('(') == std::string::npos) {
                const std::string rest = french.substr(3);
                SCOPED_TRACE(rest);
                EXPECT_TRUE(has(readDays("le jour " + rest + y), day));
                EXPECT_TRUE(has(readDays("la feste " + rest + y), day));
                ++checked;
            }
    }
    EXPECT_GT(checked, 200);
}

TEST(Saints, ListsAndFilter) {
    const regions::Region& r = regions::defaultRegion();
    EXPECT_EQ(feasts::ofYear(1450, r).size(), 131U);
    const auto all = feasts::ofYear(1450, r, feasts::Set::All);
    // 291 less the saints first kept after 1450: Joseph, the Transfiguration, Roch.
    EXPECT_EQ(all.size(), 288U);
    EXPECT_EQ(feasts::listNote(*feasts::findById("sint-margaretha")),
              "Romeinse kalender, martyrologium; ook 13/7 (Utrecht)");
    EXPECT_EQ(feasts::listNote(*feasts::findById("sint-julianus")),
              "dag onzeker; 27/1 Le Mans en Noord-Frankrijk; niet in het Romeins martyrologium (DO-tekst) "
              "gevonden");
    EXPECT_EQ(feasts::listNote(*feasts::findById("sint-ludgerus")), "Munster, Utrecht");
    EXPECT_EQ(feasts::listNote(*feasts::findById("sint-barnabas")), "");
    const auto kept = [](const char* typed) {
        std::vector<std::string> ids;
        for (const feasts::Feast& f : feasts::table())
            if (feasts::matchesFilter(f, typed)) ids.emplace_back(f.id);
        return ids;
    };
    EXPECT_EQ(kept("Doornik"), (std::vector<std::string>{"sint-eleutherius", "sint-godelieve", "sint-piatus",
                                                         "sint-donatianus"}));
    EXPECT_TRUE(kept("bevestigd door").empty());  // not the count of sources
    for (const char* id : {"sint-pontianus", "sint-margaretha", "sint-fredericus", "sint-ludgerus"}) {
        const auto utrecht = kept("utrecht");
        EXPECT_NE(std::find(utrecht.begin(), utrecht.end(), id), utrecht.end()) << id;
    }
    // `on`: the main feasts by default, the nearest first; all with their notes.
    const dating::Around main = dating::around(13, 7, 1400, r);
    EXPECT_TRUE(main.feasts.empty());
    const dating::Around around = dating::around(13, 7, 1400, r, feasts::Set::All);
    ASSERT_FALSE(around.feasts.empty());
    EXPECT_EQ(around.feasts.front().feast->id, "sint-margaretha");
    EXPECT_EQ(around.feasts.front().note, "Utrecht");
}

}  // namespace
