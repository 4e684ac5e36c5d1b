// `feasts` in every format, against days worked out apart from the program:
// Julian day numbers by Meeus's formulas, Easter by python-dateutil (Julian:
// 1450 on 5 April). What the calculator reckons is tested with it; here, how
// the commands write and read it.

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
    std::size_t count;  // of the table's 88 feasts: 57 fixed, 27 movable, 4 in Advent
    Rows rows;          // consecutive rows, id naam latijn tekst iso
};

// clang-format off
const std::vector<FeastsCase> kFeasts{
    {{"feasts", "1450"}, 88,  // Julian; ties in table order
     {{"sint-matteus", "Sint-Matteüs", "Matthaei", "maandag 21 september 1450", "1450-09-30"},
      {"sint-michiel", "Sint-Michiel", "Michaelis", "dinsdag 29 september 1450", "1450-10-08"},
      {"sint-bavo", "Sint-Bavo", "Bavonis", "donderdag 1 oktober 1450", "1450-10-10"},
      {"sint-remigius", "Sint-Remigius", "Remigii", "donderdag 1 oktober 1450", "1450-10-10"}}},
    // Luik went from 10/2 Julian to 21/2 Gregorian: Easter Gregorian, Vastenavondzondag on
    // the last Julian day, 14 February skipped and placed on its Julian reading; the Latin
    // name empty where there is none.
    {{"feasts", "1583", "--region=luik"}, 88,
     {{"quinquagesima", "Vastenavondzondag", "Esto mihi", "zondag 10 februari 1583", "1583-02-20"},
      {"sint-pieters-stoel", "Sint-Pieters Stoel", "Cathedra Petri", "dinsdag 22 februari 1583", "1583-02-22"},
      {"vastenavond", "Vastenavond", "", "dinsdag 22 februari 1583", "1583-02-22"},
      {"aswoensdag", "Aswoensdag", "Dies cinerum", "woensdag 23 februari 1583", "1583-02-23"},
      {"sint-valentijn", "Sint-Valentijn", "Valentini", "donderdag 14 februari 1583 (? 24/2/1583)", "1583-02-24"},
      {"sint-mattias", "Sint-Mattias", "Matthiae apostoli", "donderdag 24 februari 1583", "1583-02-24"}}},
    // The fourth Sunday of Advent 1582 fell on 2 January 1583 and is left out; the
    // skipped Christmas lies after the last Julian day.
    {{"feasts", "1582"}, 87,
     {{"derde-advent", "Derde zondag van de Advent", "", "zondag 16 december 1582", "1582-12-26"},
      {"sint-thomas", "Sint-Thomas", "Thomae apostoli", "vrijdag 21 december 1582", "1582-12-31"},
      {"kerstmis", "Kerstmis", "Nativitas Domini", "dinsdag 25 december 1582 (? 4/1/1583)", "1583-01-04"}}},
};
// clang-format on

TEST(FeastsCommand, EveryFormat) {
    const std::vector<std::string> keys{"id", "naam", "latijn", "tekst", "iso"};
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
        EXPECT_NE(std::search(rows.begin(), rows.end(), c.rows.begin(), c.rows.end()), rows.end());

        EXPECT_EQ(jsonRows(json(c.args), keys), rows);
        // Text: the name, blanks to "Onze-Lieve-Vrouw-Ontvangenis" and two more (counted in
        // characters), the text.
        std::string text;
        for (const auto& r : rows)
            text += r[1] + std::string(30 - cli::output::width(r[1]), ' ') + r[3] + '\n';
        EXPECT_EQ(runCli(call(c.args, "text")).out, text);
    }
    EXPECT_NE(runCli({"feasts", "1450", "--format=text"}).out.find("\nSint-Matteüs                  maandag"),
              std::string::npos);
}

}  // namespace
