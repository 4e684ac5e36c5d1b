// `date` for one clause and for a batch on standard input: the formats, what each
// reading carries, the batch's numbering and refusals, and the options. Days were
// worked out apart from the program: Julian day numbers by Meeus's formulas,
// Easter by python-dateutil (Julian 1450: 5 April), weekdays counted on those day
// numbers (Christmas 1446 and Sint-Maarten 1450 a Wednesday... see each case).
// Which clauses the reader understands is the calculator's to test; here only
// today's modern grammar, whose answers do not depend on the reader's new words.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "run_cli.h"

namespace {

using nlohmann::ordered_json;
using Rows = std::vector<std::vector<std::string>>;

const std::vector<std::string> kClauseKeys{"uitdrukking",  "tekst", "iso",     "lezing",
                                           "overgeslagen", "datum", "kalender"};
const std::vector<std::string> kBatchKeys{"regel",    "uitdrukking",  "tekst",  "iso",
                                          "lezing",   "overgeslagen", "fout",   "datum",
                                          "kalender", "klopt",        "oorzaak"};

std::vector<std::string> call(std::vector<std::string> args, const std::string& format) {
    args.insert(args.end(), {"--format", format});
    return args;
}

// Lines without their final LF, as rows of cells.
Rows rowsOf(const std::string& text, char separator = '\t') {
    Rows rows;
    for (const std::string& line : split(text, '\n')) rows.push_back(split(line, separator));
    rows.pop_back();
    return rows;
}

// A JSON array of objects as rows of strings in key order, the keys checked;
// a number written as its digits.
Rows jsonRows(const std::string& out, const std::vector<std::string>& keys) {
    EXPECT_EQ(out.find('\n'), out.size() - 1) << "one line";
    const ordered_json array = ordered_json::parse(out);
    EXPECT_TRUE(array.is_array());
    Rows rows;
    for (const ordered_json& object : array) {
        rows.emplace_back();
        for (const auto& [key, value] : object.items()) {
            EXPECT_EQ(key, keys.at(rows.back().size()));
            rows.back().push_back(value.is_string() ? value.get<std::string>() : value.dump());
        }
    }
    return rows;
}

struct DateCase {
    std::vector<std::string> args;  // the clause's words, then options
    const char* text;
    const char* iso;
    bool readAsTyped;  // the clause is already its reading, so text has no "gelezen als"
};

// clang-format off
const std::vector<DateCase> kDates{
    // Sint-Maarten 1450 was a Wednesday.
    {{"dinsdag", "na", "Sint-Maarten", "1450"}, "dinsdag 17 november 1450", "1450-11-26", true},
    {{"des", "woensdags", "na", "Sint-Maartensdag", "1450"}, "woensdag 18 november 1450", "1450-11-27", false},
    {{"2e", "zondag", "voor", "Pascha", "1450"}, "zondag 22 maart 1450", "1450-03-31", false},
    // The year is that of the day named: Oudjaarsavond 1499 was a Tuesday, 1500 a
    // Thursday (its Monday after is in 1501); Oudjaarsavond 2099 a Thursday.
    {{"maandag", "na", "Oudjaarsavond", "1500"}, "maandag 6 januari 1500", "1500-01-15", true},
    {{"maandag", "na", "Oudjaarsavond", "2100"}, "maandag 4 januari 2100", "2100-01-04", true},
    // Christmas 1449 was a Thursday; the octave of Christmas 1450 lies in 1451.
    {{"octaaf", "van", "Kerstmis", "1450"}, "donderdag 1 januari 1450", "1450-01-10", true},
    {{"Sint-Jansavond", "2000"}, "vrijdag 23 juni 2000", "2000-06-23", false},
    {{"Kerstmis", "1582"}, "dinsdag 25 december 1582 (? 4/1/1583)", "1583-01-04", true},
    // New Year's Eve 1582 was the last Julian day, Friday 21 December (Gregorian 31/12).
    {{"Oudjaarsavond", "1582"}, "maandag 31 december 1582 (? 21/12/1582)", "1582-12-31", true},
    {{"vooravond", "van", "Oudjaarsavond", "1582"}, "donderdag 20 december 1582", "1582-12-30", true},
    // Holland's Driekoningen was skipped: its Julian reading, Gregorian 16 January.
    {{"zondag", "na", "Driekoningen", "1583", "--region", "holland"}, "zondag 23 januari 1583", "1583-01-23", true},
    // Case is no difference from the reading.
    {{"DINSDAG NA SINT-MAARTEN 1450"}, "dinsdag 17 november 1450", "1450-11-26", true},
    {{"SINT-MATTEÜS", "1450"}, "maandag 21 september 1450", "1450-09-30", true},
    // A year below 100 with its century.
    {{"Pasen", "50", "--century", "1400"}, "zondag 5 april 1450", "1450-04-14", false},
    // In a year style: Lichtmis of style year 1450 from 25 March fell in 1451, a Tuesday.
    {{"Lichtmis", "1450", "--style", "boodschap"}, "dinsdag 2 februari 1451", "1451-02-11", false},
    {{"Pasen", "1450", "--style", "pasen"}, "zondag 5 april 1450", "1450-04-14", true},
};
// clang-format on

TEST(DateCommand, EveryFormatAndTheWordsInOneArgument) {
    for (const DateCase& c : kDates) {
        const auto optionsAt =
            std::find_if(c.args.begin(), c.args.end(), [](auto& a) { return a.starts_with("--"); });
        std::vector<std::string> words{c.args.begin(), optionsAt};
        std::string expression;
        for (const std::string& w : words) expression += (expression.empty() ? "" : " ") + w;
        SCOPED_TRACE(expression);
        std::vector<std::string> args{"date"};
        args.insert(args.end(), c.args.begin(), c.args.end());

        const Outcome tsv = runCli(call(args, "tsv"));
        EXPECT_EQ(tsv.status, 0) << tsv.err;
        const Rows rows = rowsOf(tsv.out);
        ASSERT_EQ(rows.size(), 1U);
        const std::vector<std::string>& row = rows.front();
        ASSERT_EQ(row.size(), 6U);
        EXPECT_EQ(row[0], c.text);
        EXPECT_EQ(row[1], c.iso);
        EXPECT_EQ(row[3], "") << "today's grammar leaves no word unused";
        EXPECT_EQ(row[4], inForce(c.text));
        EXPECT_EQ(row[5], calendarOf(row[4], c.iso));
        // CSV: the same cells, none of which needs quotes.
        std::string csvLine;
        for (const std::string& cell : row) csvLine += (csvLine.empty() ? "" : ",") + cell;
        EXPECT_EQ(runCli(call(args, "csv")).out, csvLine + "\n");

        // Text: the date, and what it was read as when that is not the clause.
        const Outcome text = runCli(args);
        EXPECT_EQ(text.status, 0);
        EXPECT_EQ(runCli(call(args, "text")).out, text.out);
        if (c.readAsTyped)
            EXPECT_EQ(text.out, std::string{c.text} + '\n');
        else
            EXPECT_TRUE(text.out == std::string{c.text} + '\n' ||
                        text.out == std::string{c.text} + "\n  gelezen als: " + row[2] + '\n')
                << text.out;

        Rows expected{{expression}};
        expected.front().insert(expected.front().end(), row.begin(), row.end());
        EXPECT_EQ(jsonRows(runCli(call(args, "json")).out, kClauseKeys), expected);
        // As one argument with blanks to spare, and with the format among the words.
        args.erase(args.begin() + 1, args.begin() + 1 + static_cast<std::ptrdiff_t>(words.size()));
        args.insert(args.begin() + 1, {"--format=json", " " + expression + "\t"});
        EXPECT_EQ(jsonRows(runCli(args).out, kClauseKeys), expected);
    }
}

TEST(DateCommand, EachReadingItsOwnLineAndWhatItWasReadAs) {
    // Christmas 1446 was a Sunday, so its Sunday after is 1 January 1447; Christmas
    // 1447 a Monday, its Sunday after 31 December 1447: two days in 1447.
    const std::vector<std::string> twice{"date", "zondag na Kerstmis 1447"};
    const Rows expected{
        {"zondag 1 januari 1447", "1447-01-10", "zondag na Kerstmis 1447", "", "1447-01-01", "Juliaans"},
        {"zondag 31 december 1447", "1448-01-09", "zondag na Kerstmis 1447", "", "1447-12-31", "Juliaans"}};
    EXPECT_EQ(rowsOf(runCli(call(twice, "tsv")).out), expected);
    EXPECT_EQ(runCli(twice).out, "zondag 1 januari 1447\nzondag 31 december 1447\n");
    Rows json = jsonRows(runCli(call(twice, "json")).out, kClauseKeys);
    ASSERT_EQ(json.size(), 2U);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(json[i].front(), "zondag na Kerstmis 1447");
        EXPECT_EQ(std::vector<std::string>(json[i].begin() + 1, json[i].end()), expected[i]);
    }

    // Sint-Stefanus of style year 1450 from Christmas: 26 December 1449, a Friday,
    // read in the year of that day.
    const std::vector<std::string> kerst{"date", "Sint-Stefanus", "1450", "--style", "kerst"};
    EXPECT_EQ(runCli(kerst).out, "vrijdag 26 december 1449\n  gelezen als: Sint-Stefanus 1449\n");
    EXPECT_EQ(runCli(call(kerst, "tsv")).out,
              "vrijdag 26 december 1449\t1450-01-04\tSint-Stefanus 1449\t\t1449-12-26\tJuliaans\n");
}

// Both days at each fixed style's boundary, as `date` writes them: the year from
// Christmas begins on 25 December of the year before, from the Annunciation on
// 25 March; by hand, in the calendar in force (Julian 1450).
TEST(DateCommand, EachFixedStyleAtItsBoundary) {
    const struct {
        const char* clause;
        const char* style;
        const char* datum;
    } cases[]{{"1 januari 1450", "nieuwjaar", "1450-01-01"}, {"31 december 1450", "nieuwjaar", "1450-12-31"},
              {"25 december 1450", "kerst", "1449-12-25"},   {"24 december 1450", "kerst", "1450-12-24"},
              {"25 maart 1450", "boodschap", "1450-03-25"},  {"24 maart 1450", "boodschap", "1451-03-24"}};
    for (const auto& c : cases) {
        const Rows rows = rowsOf(runCli(call({"date", c.clause, "--style", c.style}, "tsv")).out);
        ASSERT_EQ(rows.size(), 1U) << c.clause << " " << c.style;
        EXPECT_EQ(rows[0].at(4), c.datum) << c.clause << " " << c.style;
    }
}

// A number of the year the scribe wrote beside the date checks each reading
// (worked out by hand: 1450 has indiction 13, from September 14, and epact 6; 1491
// indiction 9, 1492 indiction 10, and 10 April 1492 Julian is a Tuesday, 19 April
// Gregorian). One that fits no reading refuses the clause: one line, status 2.
TEST(DateCommand, TheScribesNumbersCheckTheReadings) {
    struct Refused {
        std::vector<std::string> args;
        const char* err;
    };
    const std::vector<Refused> refused{
        {{"date", "Sint-Maarten 1450 indictie XII"},
         "tarvinde: indictie XII past niet bij 1450: 13, vanaf september 14\n"},
        {{"date", "Pasen", "1450", "epacta", "VII", "--format", "json"},
         "tarvinde: epacta VII past niet bij 1450: 6\n"},
        {{"date", "10 april 1491 indictie XI", "--style", "pasen"},
         "tarvinde: indictie XI past niet bij 1491: 9, vanaf september 10; "
         "indictie XI past niet bij 1492: 10, vanaf september 11\n"},
    };
    for (const Refused& c : refused) {
        const Outcome o = runCli(c.args);
        EXPECT_EQ(o.status, 2);
        EXPECT_EQ(o.out, "");
        EXPECT_EQ(o.err, c.err);
    }
    // Of the two readings of the Easter-style year, the indiction keeps one.
    const Outcome kept = runCli({"date", "10 april 1491 indictie X", "--style", "pasen", "--format", "tsv"});
    EXPECT_EQ(kept.status, 0) << kept.err;
    EXPECT_EQ(kept.out, "dinsdag 10 april 1492\t1492-04-19\t10 april 1492\t\t1492-04-10\tJuliaans\n");
    // In the batch the refused line gets its row with the message.
    const Outcome rows =
        runCli({"date", "--batch"}, "Sint-Maarten 1450 indictie XIV\nSint-Maarten 1450 indictie XII\n");
    EXPECT_EQ(rows.status, cli::kPartlyRead);
    EXPECT_EQ(rowsOf(rows.out),
              (Rows{kBatchKeys,
                    {"1", "Sint-Maarten 1450 indictie XIV", "woensdag 11 november 1450", "1450-11-20",
                     "Sint-Maarten 1450", "", "", "1450-11-11", "Juliaans", "", ""},
                    {"2", "Sint-Maarten 1450 indictie XII", "", "", "", "",
                     "indictie XII past niet bij 1450: 13, vanaf september 14", "", "", "", "controle"}}));
}

// The batch: standard input in, status and output out.
Outcome batch(const std::string& input, std::vector<std::string> options = {}) {
    options.insert(options.begin(), {"date", "--batch"});
    return runCli(options, input);
}

TEST(DateBatch, ARowPerReadingNumberedByInputLine) {
    // CR LF, an empty line and one of blanks only (counted, no row), a line that
    // cannot be read, two readings, a last line without LF.
    const std::string input =
        "dinsdag na Sint-Maarten 1450\r\n"
        "\n"
        " \t \r\n"
        "Sint-Maarten\n"
        "zondag na Kerstmis   1447\n"
        "octaaf van Kerstmis 1450";
    const Outcome tsv = batch(input);
    EXPECT_EQ(tsv.status, cli::kPartlyRead);
    EXPECT_EQ(tsv.err, "");
    EXPECT_EQ(batch(input, {"--format", "tsv"}).out, tsv.out);
    Rows rows = rowsOf(tsv.out);
    ASSERT_EQ(rows.size(), 6U) << tsv.out;
    EXPECT_EQ(rows[0], kBatchKeys);
    EXPECT_EQ(rows[1], (std::vector<std::string>{
                           "1", "dinsdag na Sint-Maarten 1450", "dinsdag 17 november 1450", "1450-11-26",
                           "dinsdag na Sint-Maarten 1450", "", "", "1450-11-17", "Juliaans", "", ""}));
    // The refused line: its message and the kind of refusal, the result columns empty.
    ASSERT_EQ(rows[2].size(), 11U);
    EXPECT_EQ(std::vector<std::string>(rows[2].begin(), rows[2].begin() + 6),
              (std::vector<std::string>{"4", "Sint-Maarten", "", "", "", ""}));
    EXPECT_NE(rows[2][6], "");
    EXPECT_EQ(std::vector<std::string>(rows[2].begin() + 7, rows[2].end()),
              (std::vector<std::string>{"", "", "", "vorm"}));
    EXPECT_EQ(rows[3], (std::vector<std::string>{"5", "zondag na Kerstmis 1447", "zondag 1 januari 1447",
                                                 "1447-01-10", "zondag na Kerstmis 1447", "", "",
                                                 "1447-01-01", "Juliaans", "", ""}));
    EXPECT_EQ(rows[4], (std::vector<std::string>{"5", "zondag na Kerstmis 1447", "zondag 31 december 1447",
                                                 "1448-01-09", "zondag na Kerstmis 1447", "", "",
                                                 "1447-12-31", "Juliaans", "", ""}));
    EXPECT_EQ(rows[5], (std::vector<std::string>{"6", "octaaf van Kerstmis 1450", "donderdag 1 januari 1450",
                                                 "1450-01-10", "octaaf van Kerstmis 1450", "", "",
                                                 "1450-01-01", "Juliaans", "", ""}));

    // CSV: the same rows under the same header; JSON: the same, `regel` a number.
    const Outcome csv = batch(input, {"--format=csv"});
    EXPECT_EQ(csv.status, cli::kPartlyRead);
    std::string csvLines;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            std::string cell = row[i];
            if (cell.find_first_of(",\"") != std::string::npos) {  // RFC 4180: quoted, its quotes doubled
                for (std::size_t at = cell.find('"'); at != std::string::npos; at = cell.find('"', at + 2))
                    cell.insert(at, 1, '"');
                cell.insert(0, 1, '"').push_back('"');
            }
            if (i > 0) csvLines += ',';
            csvLines += cell;
        }
        csvLines += '\n';
    }
    EXPECT_EQ(csv.out, csvLines);
    const Outcome json = batch(input, {"--format", "json"});
    EXPECT_EQ(json.status, cli::kPartlyRead);
    EXPECT_NE(json.out.find("{\"regel\":4,"), std::string::npos);
    rows.erase(rows.begin());
    EXPECT_EQ(jsonRows(json.out, kBatchKeys), rows);
}

TEST(DateBatch, StatusZeroWhenEveryLineIsRead) {
    const std::string input = "dinsdag na Sint-Maarten 1450\n\nPasen 1450\n";
    const Outcome o = batch(input);
    EXPECT_EQ(o.status, cli::kOk);
    EXPECT_EQ(rowsOf(o.out).size(), 3U);
    // No input: the header alone, an empty array.
    EXPECT_EQ(
        batch("").out,
        "regel\tuitdrukking\ttekst\tiso\tlezing\tovergeslagen\tfout\tdatum\tkalender\tklopt\toorzaak\n");
    EXPECT_EQ(batch("", {"--format", "csv"}).out,
              "regel,uitdrukking,tekst,iso,lezing,overgeslagen,fout,datum,kalender,klopt,oorzaak\n");
    EXPECT_EQ(batch("\n\n", {"--format", "json"}).out, "[]\n");
    EXPECT_EQ(batch("").status, cli::kOk);
    // The options reach every line: style, century, region.
    EXPECT_EQ(rowsOf(batch("Sint-Stefanus 1450\n", {"--style", "kerst"}).out).at(1).at(3), "1450-01-04");
    EXPECT_EQ(rowsOf(batch("Pasen 50\n", {"--century=1400"}).out).at(1).at(3), "1450-04-14");
    EXPECT_EQ(rowsOf(batch("zondag na Driekoningen 1583\n", {"--region", "holland"}).out).at(1).at(3),
              "1583-01-23");
}

// A register's date after a tab: `klopt` says whether it is among the line's
// readings, compared in the calendar in force (Sint-Maarten 1450 was Wednesday
// 11 November Julian, 20 November proleptic Gregorian); `oorzaak` the kind of a
// refusal. Worked out by hand: Sint-Maarten 2150 lies beyond the years; 1450's
// indiction is 13, from September 14.
TEST(DateBatch, ARegistersDateAndTheKindOfRefusal) {
    struct Case {
        std::string line;
        std::vector<std::string> klopt;  // a row per reading
        const char* oorzaak;
    };
    const std::vector<Case> cases{
        {"Sint-Maarten 1450\t1450-11-11", {"ja"}, ""},
        {"Sint-Maarten 1450\t1450-11-20", {"nee"}, ""},
        {"zondag na Kerstmis 1447\t1447-12-31", {"ja", "ja"}, ""},
        {"Sint-Maarten 1450", {""}, ""},
        {"Sint-Maarten 1450\t11/11/1450", {"nee"}, "vorm"},
        {"Sint-Maarten\t1450-11-11", {"nee"}, "vorm"},
        {"Sint-Maarten 1450 indictie XII", {""}, "controle"},
        {"Sint-Maarten 2150", {""}, "buiten-bereik"},
        {"Sint-Maarten blorf 1450", {""}, "onbekend-woord"},
        {"Sint-Maarten 1450 Pasen 1450", {""}, "dubbelzinnig"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const Rows rows = rowsOf(batch(c.line + "\n").out);
        ASSERT_EQ(rows.size(), c.klopt.size() + 1);
        for (std::size_t i = 1; i < rows.size(); ++i) {
            ASSERT_EQ(rows[i].size(), kBatchKeys.size());
            EXPECT_EQ(rows[i][9], c.klopt[i - 1]);
            EXPECT_EQ(rows[i][10], c.oorzaak);
            EXPECT_EQ(rows[i][6].empty(), *c.oorzaak == '\0') << "a message with every refusal, none without";
        }
    }
}

TEST(DateBatch, ACsvCellQuotedWhereItMustBe) {
    const Outcome o = batch("Sint-Maarten, \"x\" 1450\n", {"--format", "csv"});
    const std::vector<std::string> lines = split(o.out, '\n');
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_TRUE(lines[1].starts_with("1,\"Sint-Maarten, \"\"x\"\" 1450\",")) << lines[1];
}

struct ShownCase {
    std::string line;
    const char* shown;  // the uitdrukking cell
};

// clang-format off
const std::vector<ShownCase> kRefusedBytes{
    {"Sint-\xff" "Maarten 1450", "Sint-\\xffMaarten 1450"},
    {"Sint-Maarten 1450\x80", "Sint-Maarten 1450\\x80"},                 // a continuation byte alone
    {"Sint-\xc0\xafMaarten 1450", "Sint-\\xc0\\xafMaarten 1450"},        // "/" overlong
    {"Sint-\xed\xa0\x80Maarten 1450", "Sint-\\xed\\xa0\\x80Maarten 1450"},  // a surrogate
    {"Sint-\xf4\x90\x80\x80Maarten 1450", "Sint-\\xf4\\x90\\x80\\x80Maarten 1450"},  // beyond U+10FFFF
    {"Sint-Maarten 1450 \xe2\x82", "Sint-Maarten 1450 \\xe2\\x82"},      // cut short at the end
    {"Sint-Ma\xe9rten 1450", "Sint-Ma\\xe9rten 1450"},                    // Latin-1, not UTF-8
    // Valid UTF-8 with a control character: refused by the reader, shown on one line.
    {"Sint-\x01Maarten 1450", "Sint-\\x01Maarten 1450"},
};
// clang-format on

TEST(DateBatch, ABadByteShownAsHexAndTheLineRefusedInItsOwnRow) {
    for (const ShownCase& c : kRefusedBytes) {
        SCOPED_TRACE(c.shown);
        const std::string input = "Pasen 1450\n" + c.line + "\nPasen 1451\n";
        const Outcome o = batch(input);
        EXPECT_EQ(o.status, cli::kPartlyRead);
        const Rows rows = rowsOf(o.out);
        ASSERT_EQ(rows.size(), 4U) << o.out;
        EXPECT_EQ(rows[1][3], "1450-04-14");
        ASSERT_EQ(rows[2].size(), 11U);
        EXPECT_EQ(rows[2][0], "2");
        EXPECT_EQ(rows[2][1], c.shown);
        EXPECT_EQ(rows[2][3], "");
        EXPECT_NE(rows[2][6], "");
        EXPECT_EQ(rows[3][0], "3");
        // JSON needs valid UTF-8 throughout: it is written, the bad bytes as text.
        const Rows json = jsonRows(batch(input, {"--format", "json"}).out, kBatchKeys);
        ASSERT_EQ(json.size(), 3U);
        EXPECT_EQ(json[1][1], c.shown);
    }
    // A line break inside a line, as pasted from a transcription, is a blank to the
    // reader; the clause is shown with it escaped, on one line.
    const Rows pasted = rowsOf(batch("Sint-Maarten\r1450\n").out);
    ASSERT_EQ(pasted.size(), 2U);
    EXPECT_EQ(pasted[1][1], "Sint-Maarten\\x0d1450");
    EXPECT_EQ(pasted[1][3], "1450-11-20");  // Wednesday 11 November 1450, Julian
    // A character of two, three and four bytes is no bad byte.
    const Rows rows = rowsOf(batch("Sint-Matteüs 1450 €𝄞\n").out);
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[1][1], "Sint-Matteüs 1450 €𝄞");
}

TEST(DateBatch, ALineTooLongIsRefusedInItsOwnRow) {
    // Past 4,000 bytes, more than 1,000 characters whatever they are: refused even
    // when all that is kept is blanks.
    for (const std::string& line :
         {std::string(1001, 'x'), std::string(100000, 'x'), std::string(5000, ' ') + "Pasen 1450",
          std::string(2000, ' ') + "é" + std::string(3000, 'x')}) {
        const std::string input = "Pasen 1450\n" + line + "\nPasen 1451\n";
        const Outcome o = batch(input);
        EXPECT_EQ(o.status, cli::kPartlyRead);
        const Rows rows = rowsOf(o.out);
        ASSERT_EQ(rows.size(), 4U);
        EXPECT_EQ(rows[2][0], "2");
        EXPECT_EQ(rows[2][3], "");
        EXPECT_NE(rows[2][6], "");
        EXPECT_EQ(rows[3][0], "3");
        EXPECT_EQ(rows[3][3], "1451-05-04");  // Julian Easter 1451: 25 April
    }
}

TEST(DateBatch, AFailingOutputIsStatusOneEvenWhenALineWasRefused) {
    const std::vector<const char*> argv{"tarvinde", "date", "--batch"};
    std::istringstream in{"Sint-Maarten\nPasen 1450\n"};
    std::ostringstream out;
    std::ostringstream err;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(cli::run(static_cast<int>(argv.size()), argv.data(), in, out, err), cli::kOutputFailed);
    EXPECT_EQ(err.str(), "");
}

// clang-format off
const std::vector<BadCase> kBadOptions{
    {{"date", "--batch", "Pasen", "1450"}, "with --batch the clauses come from standard input, not 'Pasen 1450'"},
    {{"date", "Pasen 1450", "--batch"}, "not 'Pasen 1450'"},
    {{"date", "--batch", "--format", "text"}, "unknown format 'text'; formats: tsv|csv|json"},
    {{"date", "Pasen 1450", "--format", "xml"}, "unknown format 'xml'; formats: text|tsv|csv|json"},
    {{"date", "--batch", "--century", "1350"}, "--century must be a multiple of 100 from 100 to 2000, not '1350'"},
    {{"date", "Pasen 50", "--century", "0"}, "not '0'"},
    {{"date", "Pasen 50", "--century", "2100"}, "not '2100'"},
    {{"date", "Pasen 50", "--century", "-100"}, "not '-100'"},
    {{"date", "Pasen 50", "--century", "1400.0"}, "not '1400.0'"},
    {{"date", "Pasen 50", "--century", ""}, "not ''"},
    {{"date", "Pasen 50", "--century", "1400", "--century", "1400"}, "--century is given 2 times"},
    {{"date", "Pasen 1450", "--style", "paasstijl"},
     "unknown style 'paasstijl'; known styles: nieuwjaar, kerst, boodschap, pasen, paaszaterdag, goede-vrijdag"},
    {{"date", "--batch", "--style", "Pasen"}, "unknown style 'Pasen'"},
    {{"date", "Pasen 1450", "--style", "pasen", "--style", "kerst"}, "--style is given 2 times"},
    {{"date", "Pasen 1450", "--style"}, "--style"},
    // --style belongs to date alone.
    {{"style", "pasen", "10", "4", "1491", "--style", "pasen"}, "--style"},
    {{"year", "1450", "--style", "pasen"}, "--style"},
    {{"on", "1", "10", "1450", "--style", "kerst"}, "--style"},
    {{"feasts", "1450", "--style", "kerst"}, "--style"},
    {{"year", "1450", "--century", "1400"}, "--century"},
    {{"years", "1450", "1451", "--batch"}, "--batch"},
    // The clause itself, refused: not UTF-8 (the command's own check), no year.
    {{"date", "Sint-\xff" "Maarten 1450"}, "geen geldige UTF-8: Sint-\\xffMaarten 1450"},
    {{"date", "Sint-Maarten"}, "tarvinde: "},
    {{"date", "Pasen 50"}, "tarvinde: "},  // a year below 100 without --century
    {{"date", std::string(1001, 'x')}, "tarvinde: "},
};
// clang-format on

TEST(DateCommand, BadOptionsAreBadInputAndReadNothing) {
    for (const BadCase& c : kBadOptions) {
        // Standard input holds a clause that would be read: it must not be.
        const Outcome o = runCli(c.args, "Pasen 1450\n");
        expectBadInput(o, c.says);
    }
    // The ends of --century's range are allowed: years 150 and 2099.
    EXPECT_EQ(runCli({"date", "Pasen 50", "--century", "100"}).status, 0);
    EXPECT_EQ(runCli({"date", "Pasen 99", "--century", "2000", "--format", "tsv"}).out.substr(0, 6),
              "zondag");
}

}  // namespace
