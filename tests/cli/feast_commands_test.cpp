// `feasts`, `on` and `style` in every format, against days worked out
// apart from the program: Julian day numbers by Meeus's formulas, Easter by
// python-dateutil (Julian: 1450 on 5 April, 1491 on 3 April, 1492 on 22 April),
// weekdays and relations counted on those day numbers. What the calculator
// reckons is tested with it; here, how the commands write and read it.

#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "output.h"
#include "run_cli.h"

namespace {

using nlohmann::ordered_json;
using Rows = std::vector<std::vector<std::string>>;

std::vector<std::string> call(std::vector<std::string> args, const std::string& format) {
    if (!format.empty()) args.insert(args.end(), {"--format", format});
    return args;
}

// TSV lines without their final LF, as rows of cells.
Rows tsvRows(const std::string& text) {
    Rows rows;
    for (const std::string& line : split(text, '\n')) rows.push_back(split(line, '\t'));
    rows.pop_back();
    return rows;
}

// One line of JSON, read back; its values as rows of strings in key order, the keys checked.
ordered_json json(const std::vector<std::string>& args) {
    const std::string out = runCli(call(args, "json")).out;
    EXPECT_EQ(out.find('\n'), out.size() - 1) << "one line";
    return ordered_json::parse(out);
}
Rows jsonRows(const ordered_json& array, const std::vector<std::string>& keys) {
    Rows rows;
    for (const ordered_json& object : array) {
        rows.emplace_back();
        for (const auto& [key, value] : object.items()) {
            EXPECT_EQ(key, keys.at(rows.back().size()));
            rows.back().push_back(value);
        }
    }
    return rows;
}

struct FeastsCase {
    std::vector<std::string> args;
    std::size_t count;  // of the table's 131 feasts: 89 (57 fixed, 28 movable, 4 in Advent) and 42 added for
                        // the clause reader
    Rows rows;          // consecutive rows, id naam latijn tekst iso
};

// clang-format off
const std::vector<FeastsCase> kFeasts{
    {{"feasts", "1450"}, 89 + 42,  // Julian; ties in table order
     {{"sint-matteus", "Sint-Matteüs", "Matthaei", "maandag 21 september 1450", "1450-09-30"},
      {"sint-michiel", "Sint-Michiel", "Michaelis", "dinsdag 29 september 1450", "1450-10-08"},
      {"sint-bavo", "Sint-Bavo", "Bavonis", "donderdag 1 oktober 1450", "1450-10-10"},
      {"sint-remigius", "Sint-Remigius", "Remigii", "donderdag 1 oktober 1450", "1450-10-10"}}},
    // Luik went from 10/2 Julian to 21/2 Gregorian: Easter Gregorian, Vastenavondzondag on
    // the last Julian day, 14 February skipped and placed on its Julian reading; the Latin
    // name empty where there is none.
    {{"feasts", "1583", "--region=luik"}, 89 + 42,
     {{"quinquagesima", "Vastenavondzondag", "Esto mihi", "zondag 10 februari 1583", "1583-02-20"},
      {"sint-pieters-stoel", "Sint-Pieters Stoel", "Cathedra Petri", "dinsdag 22 februari 1583", "1583-02-22"},
      {"vastenavond", "Vastenavond", "", "dinsdag 22 februari 1583", "1583-02-22"},
      {"aswoensdag", "Aswoensdag", "Dies cinerum", "woensdag 23 februari 1583", "1583-02-23"},
      {"sint-valentijn", "Sint-Valentijn", "Valentini", "donderdag 14 februari 1583 (? 24/2/1583)", "1583-02-24"},
      {"sint-mattias", "Sint-Mattias", "Matthiae apostoli", "donderdag 24 februari 1583", "1583-02-24"}}},
    // The fourth Sunday of Advent 1582 fell on 2 January 1583 and is left out, as is
    // the December Ember Saturday (22 December, skipped); the skipped Christmas lies
    // after the last Julian day. The Ember Wednesday and Friday after Lucia (a Thursday).
    {{"feasts", "1582"}, 88 + 41,
     {{"derde-advent", "Derde zondag van de Advent", "", "zondag 16 december 1582", "1582-12-26"},
      {"quatertemper-december-woensdag", "Quatertemperwoensdag in december", "Feria IV Quatuor temporum Adventus",
       "woensdag 19 december 1582", "1582-12-29"},
      {"sint-thomas", "Sint-Thomas", "Thomae apostoli", "vrijdag 21 december 1582", "1582-12-31"},
      // New Year's Eve fell on the last Julian day, Friday 21 December: its ISO date
      // and place are that day's, its text as the year view writes it.
      {"oudjaarsavond", "Oudjaarsavond", "Silvestri", "maandag 31 december 1582 (? 21/12/1582)", "1582-12-31"},
      {"quatertemper-december-vrijdag", "Quatertempervrijdag in december", "Feria VI Quatuor temporum Adventus",
       "vrijdag 21 december 1582", "1582-12-31"},
      {"kerstmis", "Kerstmis", "Nativitas Domini", "dinsdag 25 december 1582 (? 4/1/1583)", "1583-01-04"}}},
};
// clang-format on

TEST(FeastsCommand, EveryFormat) {
    const std::vector<std::string> keys{"id", "naam", "latijn", "tekst", "iso", "datum", "kalender"};
    for (const FeastsCase& c : kFeasts) {
        SCOPED_TRACE(c.args.back());
        const Outcome tsv = runCli(c.args);
        EXPECT_EQ(tsv.status, 0);
        EXPECT_EQ(runCli(call(c.args, "tsv")).out, tsv.out);
        Rows rows = tsvRows(tsv.out);
        ASSERT_EQ(rows.size(), c.count + 1);
        EXPECT_EQ(rows.front(), keys);
        rows.erase(rows.begin());
        EXPECT_TRUE(
            std::is_sorted(rows.begin(), rows.end(), [](auto& a, auto& b) { return a.at(4) < b.at(4); }));
        Rows expected = c.rows;
        for (auto& row : expected) {
            row.push_back(inForce(row[3]));
            row.push_back(calendarOf(row.back(), row[4]));
        }
        EXPECT_NE(std::search(rows.begin(), rows.end(), expected.begin(), expected.end()), rows.end());

        EXPECT_EQ(jsonRows(json(c.args), keys), rows);
        // Text: the name, blanks to the widest name ("Quatertemperzaterdag na Pinksteren",
        // 34 characters, since the feasts the clause reader added) and two more (counted
        // in characters), the text.
        std::string text;
        for (const auto& r : rows)
            text += r[1] + std::string(36 - cli::output::width(r[1]), ' ') + r[3] + '\n';
        EXPECT_EQ(runCli(call(c.args, "text")).out, text);
    }
    EXPECT_NE(runCli({"feasts", "1450", "--format=text"})
                  .out.find("\nSint-Matteüs" + std::string(24, ' ') + "maandag"),
              std::string::npos);
}

struct OnCase {
    std::vector<std::string> args;
    const char* text;
    const char* iso;
    Rows feasts;  // relatie id uitdrukking
};

// clang-format off
const std::vector<OnCase> kOns{
    {{"on", "1", "10", "1450"}, "donderdag 1 oktober 1450", "1450-10-10",
     {{"op", "sint-bavo", "Sint-Bavo 1450"}, {"op", "sint-remigius", "Sint-Remigius 1450"},
      {"na", "sint-michiel", "donderdag na Sint-Michiel 1450"}}},
    // At one day: the weekday relation before the eves.
    {{"on", "30", "9", "1450"}, "woensdag 30 september 1450", "1450-10-09",
     {{"na", "sint-michiel", "woensdag na Sint-Michiel 1450"},
      {"vooravond", "sint-bavo", "vooravond van Sint-Bavo 1450"},
      {"vooravond", "sint-remigius", "vooravond van Sint-Remigius 1450"}}},
    // Holland's first Gregorian day: the Julian feasts of 1582 ten days on; Driekoningen
    // skipped, as its Julian reading (16/1); at five days one feast after and one before,
    // in table order; the octave of a feast of the year before. Every expression in the
    // year of the date (the feasts of 1582 are read as the year before's); Sint-Veerle
    // (4/1, read 14/1) and Sint-Goedele (8/1, read 18/1) after the older feasts.
    {{"on", "12", "1", "1583", "--region", "holland"}, "woensdag 12 januari 1583", "1583-01-12",
     {{"na", "nieuwjaar", "woensdag na Nieuwjaar 1583"},
      {"na", "oudjaarsavond", "woensdag na Oudjaarsavond 1583"},
      {"voor", "sint-pharaildis", "woensdag voor Sint-Veerle 1583"},
      {"voor", "driekoningen", "woensdag voor Driekoningen 1583"},
      {"voor", "sint-antonius", "woensdag voor Sint-Antonius 1583"},
      {"na", "onnozele-kinderen", "woensdag na Onnozele Kinderen 1583"},
      {"na", "sint-jan-evangelist", "woensdag na Sint-Jan Evangelist 1583"},
      {"voor", "sint-goedele", "woensdag voor Sint-Goedele 1583"},
      {"octaaf", "sint-stefanus", "octaaf van Sint-Stefanus 1583"}}},
    // The last Julian day of the default region: Sint-Thomas, New Year's Eve and the
    // December Ember Friday of 1582 (Wednesday 19 December, after Lucia on Thursday
    // 13th) all fell on it, New Year 1583 the next day; the skipped Christmas and
    // its octave days counted in their Julian readings (25/12 four days on). Every
    // expression carries 1582, the year of the day: the eve of New Year 1583 and the
    // Friday before Driekoningen and Sint-Veerle (Thursday 6 and Tuesday 4 January
    // 1583) are this day.
    {{"on", "21", "12", "1582"}, "vrijdag 21 december 1582", "1582-12-31",
     {{"op", "sint-thomas", "Sint-Thomas 1582"},
      {"op", "oudjaarsavond", "Oudjaarsavond 1582"},
      {"op", "quatertemper-december-vrijdag", "Quatertempervrijdag in december 1582"},
      {"vooravond", "nieuwjaar", "vooravond van Nieuwjaar 1582"},
      {"na", "quatertemper-december-woensdag", "vrijdag na Quatertemperwoensdag in december 1582"},
      {"voor", "kerstmis", "vrijdag voor Kerstmis 1582"},
      {"voor", "sint-pharaildis", "vrijdag voor Sint-Veerle 1582"},
      {"voor", "sint-stefanus", "vrijdag voor Sint-Stefanus 1582"},
      {"na", "derde-advent", "vrijdag na Derde zondag van de Advent 1582"},
      {"voor", "driekoningen", "vrijdag voor Driekoningen 1582"},
      {"voor", "sint-jan-evangelist", "vrijdag voor Sint-Jan Evangelist 1582"},
      {"voor", "onnozele-kinderen", "vrijdag voor Onnozele Kinderen 1582"}}},
};
// clang-format on

TEST(OnCommand, EveryFormat) {
    const std::vector<std::string> keys{"relatie", "id", "uitdrukking"};
    for (const OnCase& c : kOns) {
        SCOPED_TRACE(c.text);
        const Outcome tsv = runCli(c.args);
        EXPECT_EQ(tsv.status, 0) << tsv.err;
        EXPECT_EQ(runCli(call(c.args, "tsv")).out, tsv.out);
        Rows rows{keys};
        rows.insert(rows.end(), c.feasts.begin(), c.feasts.end());
        EXPECT_EQ(tsvRows(tsv.out), rows);

        const ordered_json object = json(c.args);
        EXPECT_EQ(object.size(), 5U);
        EXPECT_EQ(object.begin().key(), "tekst");
        EXPECT_EQ(object["tekst"], c.text);
        EXPECT_EQ(object["iso"], c.iso);
        EXPECT_EQ(object["datum"], inForce(c.text));
        EXPECT_EQ(object["kalender"], calendarOf(inForce(c.text), c.iso));
        EXPECT_EQ(jsonRows(object["feesten"], keys), c.feasts);

        std::string text = std::string{c.text} + '\n';
        for (const auto& f : c.feasts) text += f[2] + '\n';
        EXPECT_EQ(runCli(call(c.args, "text")).out, text);
    }
}

struct StyleCase {
    std::vector<std::string> args;
    Rows modern;  // tekst iso, in date order
};

// clang-format off
const std::vector<StyleCase> kStyles{
    {{"style", "nieuwjaar", "11", "11", "2000"}, {{"zaterdag 11 november 2000", "2000-11-11"}}},
    {{"style", "kerst", "25", "12", "1451"}, {{"vrijdag 25 december 1450", "1451-01-03"}}},
    {{"style", "kerst", "24", "12", "1450"}, {{"donderdag 24 december 1450", "1451-01-02"}}},
    {{"style", "boodschap", "30", "1", "1544"}, {{"vrijdag 30 januari 1545", "1545-02-09"}}},
    {{"style", "boodschap", "25", "3", "1544"}, {{"dinsdag 25 maart 1544", "1544-04-04"}}},
    // Twice in style year 1491; the leap day of 1492.
    {{"style", "pasen", "10", "4", "1491"},
     {{"zondag 10 april 1491", "1491-04-19"}, {"dinsdag 10 april 1492", "1492-04-19"}}},
    {{"style", "pasen", "29", "2", "1491"}, {{"woensdag 29 februari 1492", "1492-03-09"}}},
    // Holy Saturday 1491 was 2 April, Good Friday 1 April.
    {{"style", "pasen", "1", "4", "1491"}, {{"zondag 1 april 1492", "1492-04-10"}}},
    {{"style", "paaszaterdag", "2", "4", "1491"},
     {{"zaterdag 2 april 1491", "1491-04-11"}, {"maandag 2 april 1492", "1492-04-11"}}},
    {{"style", "paaszaterdag", "1", "4", "1491"}, {{"zondag 1 april 1492", "1492-04-10"}}},
    {{"style", "goede-vrijdag", "1", "4", "1491"},
     {{"vrijdag 1 april 1491", "1491-04-10"}, {"zondag 1 april 1492", "1492-04-10"}}},
    // Holland skipped 2 to 11 January 1583 (Gregorian).
    {{"style", "boodschap", "5", "1", "1582", "--region", "holland"},
     {{"zaterdag 5 januari 1583 (? 15/1/1583)", "1583-01-15"}}},
};
// clang-format on

TEST(StyleCommand, EveryFormat) {
    for (const StyleCase& c : kStyles) {
        SCOPED_TRACE(c.args[1] + ' ' + c.args[2] + '/' + c.args[3] + '/' + c.args[4]);
        const Outcome text = runCli(c.args);
        EXPECT_EQ(text.status, 0) << text.err;
        std::string lines;
        for (const auto& m : c.modern) lines += m[0] + '\n';
        EXPECT_EQ(text.out, lines);
        EXPECT_EQ(runCli(call(c.args, "text")).out, lines);
        Rows modern = c.modern;
        for (auto& row : modern) {
            row.push_back(inForce(row[0]));
            row.push_back(calendarOf(row.back(), row[1]));
        }
        EXPECT_EQ(tsvRows(runCli(call(c.args, "tsv")).out), modern);
        EXPECT_EQ(jsonRows(json(c.args), {"tekst", "iso", "datum", "kalender"}), modern);
    }
}

}  // namespace

// --alle: the saints' days too, with a column noot. Days worked out by hand in the
// Julian calendar: Margaret 20 July 1450 a Monday, Hilary 13 January 1450 a Tuesday.
TEST(FeastsCommand, AllFeasts) {
    const Outcome all = runCli({"feasts", "1450", "--alle"});
    EXPECT_EQ(all.status, 0) << all.err;
    Rows rows = tsvRows(all.out);
    ASSERT_EQ(rows.size(), 288U + 1);  // 131 main and 157 of the 160 saints (Joseph, Roch and the
                                       // Transfiguration later)
    EXPECT_EQ(rows.front(), (std::vector<std::string>{"id", "naam", "latijn", "tekst", "iso", "datum",
                                                      "kalender", "noot"}));
    const auto row = [&](const std::string& id) {
        return *std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return r.at(0) == id; });
    };
    EXPECT_EQ(row("sint-margaretha"),
              (std::vector<std::string>{"sint-margaretha", "Sint-Margriet", "sancte Margarete virginis",
                                        "maandag 20 juli 1450", "1450-07-29", "1450-07-20", "Juliaans",
                                        "Romeinse kalender, martyrologium; ook 13/7 (Utrecht)"}));
    EXPECT_EQ(row("sint-hilarius").at(3), "dinsdag 13 januari 1450");
    EXPECT_TRUE(row("sint-julianus").at(7).starts_with("dag onzeker; 27/1 Le Mans"));
    EXPECT_EQ(row("sint-maarten").at(7), "");
    // The default stays the main feasts, without the column.
    EXPECT_EQ(tsvRows(runCli({"feasts", "1450"}).out).front().size(), 7U);
    const std::string text = runCli({"feasts", "1450", "--alle", "--format", "text"}).out;
    EXPECT_NE(text.find("Sint-Juliaan (van Le Mans)"), std::string::npos);
    EXPECT_NE(text.find("dag onzeker; 27/1 Le Mans"), std::string::npos);
}

// `on --alle`: 13 July 1400, a Tuesday, is Margaret's day in Utrecht; the nearest first.
TEST(OnCommand, AllFeasts) {
    const Rows rows = tsvRows(runCli({"on", "13", "7", "1400", "--alle"}).out);
    ASSERT_GT(rows.size(), 3U);
    EXPECT_EQ(rows.front(), (std::vector<std::string>{"relatie", "id", "uitdrukking", "noot"}));
    EXPECT_EQ(rows.at(1),
              (std::vector<std::string>{"op", "sint-margaretha", "Sint-Margriet 1400", "Utrecht"}));
    EXPECT_EQ(rows.at(2).at(0), "vooravond");
    EXPECT_EQ(runCli({"on", "13", "7", "1400"}).out, "relatie\tid\tuitdrukking\n");
}
