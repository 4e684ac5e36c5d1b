// Every command and format for a few years, against texts worked out apart from
// the program: 2000 as the copy shows it, the rest counted from Julian day numbers
// and Easter tables (python-dateutil), 1582's notes as the window has always shown them.

#include <gtest/gtest.h>

#include <array>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "output.h"
#include "run_cli.h"

namespace {

using nlohmann::json;

const std::vector<std::string> kKeys{
    "jaar",        "kalender", "schrikkeljaar", "regel",        "nieuwjaar",     "aswoensdag",
    "palmzondag",  "pasen",    "hemelvaart",    "pinksteren",   "olv_ten_hemel", "allerheiligen",
    "allerzielen", "kerstmis", "oudjaarsavond", "gallie_titel", "gallie"};

// The captions of the text output, padded to the column a caption of up to 15
// characters gives ("Pasen in Gallië" and two blanks); the Gaul row's is its value.
const std::vector<std::string> kPaddedCaptions{
    "Jaar             ", "Kalender         ", "Schrikkeljaar    ", "Regel            ", "Nieuwjaar        ",
    "Aswoensdag       ", "Palmzondag       ", "Pasen (Rome)     ", "Hemelvaart       ", "Pinksteren       ",
    "OLV ten Hemel    ", "Allerheiligen    ", "Allerzielen      ", "Kerstmis         ", "Oudjaarsavond    "};

struct YearCase {
    std::vector<std::string> values;  // in key order
    std::size_t textColumn;           // where the texts begin in the text output, in characters
};

// clang-format off
const std::vector<YearCase> kYears{
    {{"1000", "Juliaans", "1", "jaartal veelvoud van 4", "maandag 1 januari 1000", "woensdag 14 februari 1000",
      "zondag 24 maart 1000", "zondag 31 maart 1000", "donderdag 9 mei 1000", "zondag 19 mei 1000",
      "donderdag 15 augustus 1000", "vrijdag 1 november 1000", "zaterdag 2 november 1000",
      "woensdag 25 december 1000", "dinsdag 31 december 1000", "Pasen in Gallië", "idem Pasen Rome"}, 17},
    {{"1582", "Juliaans", "0", "jaren veelvoud van 4", "maandag 1 januari 1582", "woensdag 28 februari 1582",
      "zondag 8 april 1582", "zondag 15 april 1582", "donderdag 24 mei 1582", "zondag 3 juni 1582",
      "woensdag 15 augustus 1582", "donderdag 1 november 1582", "vrijdag 2 november 1582",
      "dinsdag 25 december 1582 (? 4/1/1583)", "maandag 31 december 1582 (? 21/12/1582)",
      "Kalenderwijziging 20/12 > 31/12  of  21/12 > 1/1/1583", "10 dagen vervallen in december"}, 15},
    {{"1583", "Gregoriaans", "0", "jaartal veelvoud van 4 of 400, niet van 100.", "zaterdag 1 januari 1583",
      "woensdag 23 februari 1583", "zondag 3 april 1583", "zondag 10 april 1583", "donderdag 19 mei 1583",
      "zondag 29 mei 1583", "maandag 15 augustus 1583", "dinsdag 1 november 1583", "woensdag 2 november 1583",
      "zondag 25 december 1583", "zaterdag 31 december 1583", "Pasen in Gallië", "idem Pasen Rome"}, 17},
    {{"2000", "Gregoriaans", "1", "jaartal veelvoud van 4 of 400, niet van 100.", "zaterdag 1 januari 2000",
      "woensdag 8 maart 2000", "zondag 16 april 2000", "zondag 23 april 2000", "donderdag 1 juni 2000",
      "zondag 11 juni 2000", "dinsdag 15 augustus 2000", "woensdag 1 november 2000",
      "donderdag 2 november 2000", "maandag 25 december 2000", "zondag 31 december 2000", "Pasen in Gallië",
      "idem Pasen Rome"}, 17},
};
// clang-format on

std::string expectedText(const YearCase& c) {
    std::string text;
    for (std::size_t i = 0; i < kPaddedCaptions.size(); ++i) {
        std::string value = c.values[i];
        if (kKeys[i] == "schrikkeljaar") value = value == "1" ? "ja" : "nee";
        const std::string caption =
            kPaddedCaptions[i].substr(0, kPaddedCaptions[i].find_last_not_of(' ') + 1);
        text.append(caption).append(c.textColumn - caption.size(), ' ').append(value).append(1, '\n');
    }
    const std::string& gaulCaption = c.values[15];
    const std::size_t gaulWidth = gaulCaption == "Pasen in Gallië" ? 15 : gaulCaption.size();
    // The long caption of the calendar change runs over, two blanks before its text.
    const std::size_t blanks = gaulWidth + 2 > c.textColumn ? 2 : c.textColumn - gaulWidth;
    return text + gaulCaption + std::string(blanks, ' ') + c.values[16] + '\n';
}

// RFC 4180 fields of one CSV text: quoted fields may hold commas, quotes and line breaks.
std::vector<std::vector<std::string>> parseCsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows{{""}};
    bool inQuotes = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inQuotes && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
            rows.back().back() += '"';
            ++i;
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (!inQuotes && c == ',') {
            rows.back().emplace_back();
        } else if (!inQuotes && c == '\n') {
            rows.push_back({""});
        } else {
            rows.back().back() += c;
        }
    }
    rows.pop_back();  // after the final LF
    return rows;
}

TEST(YearCommand, EveryFormat) {
    for (const YearCase& c : kYears) {
        const std::string& year = c.values[0];
        SCOPED_TRACE(year);
        const Outcome text = runCli({"year", year});
        EXPECT_EQ(text.status, 0);
        EXPECT_EQ(text.err, "");
        EXPECT_EQ(text.out, expectedText(c));
        EXPECT_EQ(runCli({"year", year, "--format", "text"}).out, text.out);

        std::string tsv;
        for (std::size_t i = 0; i < kKeys.size(); ++i) tsv += kKeys[i] + '\t' + c.values[i] + '\n';
        EXPECT_EQ(runCli({"year", year, "--format=tsv"}).out, tsv);

        const std::string jsonText = runCli({"year", year, "--format", "json"}).out;
        ASSERT_EQ(jsonText.find('\n'), jsonText.size() - 1);  // one line, then a newline
        const nlohmann::ordered_json object = nlohmann::ordered_json::parse(jsonText);
        ASSERT_EQ(object.size(), kKeys.size());
        std::size_t i = 0;
        for (const auto& [key, value] : object.items()) {
            EXPECT_EQ(key, kKeys[i]);
            if (key == "jaar" || key == "schrikkeljaar")
                EXPECT_EQ(value, std::stoi(c.values[i])) << key;
            else
                EXPECT_EQ(value, c.values[i]) << key;
            ++i;
        }
        if (c.values[15] == "Pasen in Gallië") {
            EXPECT_NE(jsonText.find("\"Pasen in Gallië\""), std::string::npos) << "non-ASCII as it is";
        }
    }
}

TEST(YearsCommand, EveryFormatHoldsTheSameRows) {
    const Outcome tsv = runCli({"years", "1582", "1583"});
    ASSERT_EQ(tsv.status, 0);
    std::vector<std::string> lines = split(tsv.out, '\n');
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(split(lines[0], '\t'), kKeys);
    EXPECT_EQ(split(lines[1], '\t'), kYears[1].values);
    EXPECT_EQ(split(lines[2], '\t'), kYears[2].values);
    EXPECT_EQ(runCli({"years", "1582", "1583", "--format", "tsv"}).out, tsv.out);

    const Outcome csv = runCli({"years", "1582", "1583", "--format", "csv"});
    EXPECT_EQ(parseCsv(csv.out), (std::vector{kKeys, kYears[1].values, kYears[2].values}));
    // The Gregorian rule holds a comma, so its field is quoted; 1582's is not.
    EXPECT_NE(csv.out.find(",\"jaartal veelvoud van 4 of 400, niet van 100.\","), std::string::npos);
    EXPECT_NE(csv.out.find(",jaren veelvoud van 4,"), std::string::npos);

    const json array = json::parse(runCli({"years", "1000", "2000", "--format", "json"}).out);
    ASSERT_EQ(array.size(), 1001U);
    EXPECT_EQ(array[0]["jaar"], 1000);
    EXPECT_EQ(array[0]["pasen"], kYears[0].values[7]);
    EXPECT_EQ(array[582]["kerstmis"], kYears[1].values[13]);
    EXPECT_EQ(array[1000]["schrikkeljaar"], 1);
    EXPECT_EQ(array[1000]["gallie_titel"], "Pasen in Gallië");

    const Outcome one = runCli({"years", "2000", "2000", "--format", "json"});
    EXPECT_EQ(json::parse(one.out)[0], json::parse(runCli({"year", "2000", "--format", "json"}).out));
}

TEST(CsvCell, QuotedOnlyWhenItMustBe) {
    const std::array<std::pair<const char*, const char*>, 6> cases{{
        {"zondag 1 januari 2000", "zondag 1 januari 2000"},
        {"a,b", "\"a,b\""},
        {"zeg \"ja\"", "\"zeg \"\"ja\"\"\""},
        {"twee\nregels", "\"twee\nregels\""},
        {"cr\r", "\"cr\r\""},
        {"", ""},
    }};
    for (const auto& [cell, written] : cases) EXPECT_EQ(cli::output::csvCell(cell), written);
    EXPECT_EQ(parseCsv(cli::output::csvCell("zeg \"ja\", twee\nregels") + '\n'),
              (std::vector<std::vector<std::string>>{{"zeg \"ja\", twee\nregels"}}));
}

TEST(WeekdayCommand, TextTsvAndJson) {
    struct Case {
        std::vector<std::string> args;
        const char* text;
    };
    const std::vector<Case> cases{
        {{"31", "2", "2001"}, "zaterdag 3 maart 2001"},  // carries into March
        {{"11", "11", "2000"}, "zaterdag 11 november 2000"},
        {{"1", "1", "1000"}, "maandag 1 januari 1000"},
        {{"0", "13", "1582"}, "maandag 31 december 1582 (? 10/1/1583)"},  // Gregorian count, skipped label
        {{"32", "12", "1582"}, "zaterdag 1 januari 1583"},
        {{"-10", "1", "1583"}, "vrijdag 21 december 1582"},
        {{"25", "12", "1582"}, "dinsdag 25 december 1582 (? 4/1/1583)"},
        {{"5", "1", "1583", "--region", "holland"}, "zaterdag 5 januari 1583 (? 15/1/1583)"},
        {{"32767", "1", "1500"}, "zaterdag 16 september 1589"},  // Julian 16/9/1589, read Gregorian
        {{"15", "1", "1583", "--region", "holland"}, "zaterdag 15 januari 1583"},
        {{"45", "1", "1583", "--region=holland"}, "maandag 14 februari 1583"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"weekday"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Outcome text = runCli(args);
        EXPECT_EQ(text.status, 0) << c.text;
        EXPECT_EQ(text.out, std::string{c.text} + '\n');
        args.insert(args.end(), {"--format", "tsv"});
        EXPECT_EQ(runCli(args).out, text.out);
        args.back() = "json";
        const json object = json::parse(runCli(args).out);
        EXPECT_EQ(object, (json{{"dag", std::stoi(c.args[0])},
                                {"maand", std::stoi(c.args[1])},
                                {"jaar", std::stoi(c.args[2])},
                                {"tekst", c.text}}));
    }
    // The keys in order, and the numbers as given.
    EXPECT_EQ(runCli({"weekday", "010", "02", "2001", "--format", "json"}).out,
              "{\"dag\":10,\"maand\":2,\"jaar\":2001,\"tekst\":\"zaterdag 10 februari 2001\"}\n");
}

TEST(RegionsCommand, TheTableInEveryFormat) {
    const Outcome tsv = runCli({"regions"});
    ASSERT_EQ(tsv.status, 0);
    const std::vector<std::string> lines = split(tsv.out, '\n');
    ASSERT_EQ(lines.size(), 17U);  // header, fifteen regions, the end
    EXPECT_EQ(lines[0],
              "id\tnaam\tkorte_naam\tlaatste_juliaanse_dag\teerste_gregoriaanse_dag\tdagen_vervallen\tbron");
    EXPECT_EQ(
        lines[3],
        "holland\tHolland\tHolland\t1/1/1583\t12/1/1583\t10\t"
        "tabel van de kalenderwijzigingen van het Huygens ING: op 1 januari 1583 volgde 12 januari 1583");
    EXPECT_EQ(lines[4], "luik\tPrinsbisdom Luik\tLuik\t10/2/1583\t21/2/1583\t10\tsommige auteurs geven 1589");
    EXPECT_EQ(lines[7],
              "friesland-groningen\tFriesland, Groningen\tFriesland\t31/12/1700\t12/1/1701\t11\t"
              "de stad Groningen was van 1583 tot 1594 Gregoriaans; niet nagebootst");
    EXPECT_EQ(lines[14], "juliaans\tJuliaanse kalender (altijd)\tJuliaans\t\t\t\tnooit overgegaan");
    EXPECT_EQ(runCli({"regions", "--format", "tsv"}).out, tsv.out);

    const json array = json::parse(runCli({"regions", "--format", "json"}).out);
    ASSERT_EQ(array.size(), 15U);
    EXPECT_EQ(array[0]["id"], "zuidelijke-nederlanden");
    EXPECT_EQ(array[7]["id"], "drenthe");
    EXPECT_EQ(array[7]["bron"], nullptr);
    EXPECT_EQ(array[4]["dagen_vervallen"], 11);
    EXPECT_EQ(array[11]["naam"], "Groot-Brittannië en zijn koloniën");
    EXPECT_EQ(array[14]["laatste_juliaanse_dag"], nullptr);
    EXPECT_EQ(array[14]["dagen_vervallen"], nullptr);
    for (const json& region : array) EXPECT_EQ(region.size(), 7U);

    // Text: the columns line up in characters, whatever the bytes.
    const std::vector<std::string> text = split(runCli({"regions", "--format", "text"}).out, '\n');
    ASSERT_EQ(text.size(), 17U);
    EXPECT_EQ(text[3].substr(0, 33), "holland                 Holland  ");
    const auto column = [](const std::string& line, const std::string& cell) {
        return cli::output::width(line.substr(0, line.find(cell)));
    };
    EXPECT_EQ(column(text[12], "2/9/1752"), column(text[3], "1/1/1583"));  // after "Groot-Brittannië en ..."
    EXPECT_EQ(column(text[9], "4/10/1582"), column(text[3], "1/1/1583"));  // after "Rome, Italië, ..."
    EXPECT_EQ(text[14].substr(text[14].size() - 1), "-");
}

TEST(RegionOption, ARegionLineAndTheRegionsRules) {
    const std::vector<std::string> lines = split(runCli({"year", "1583", "--region", "holland"}).out, '\n');
    ASSERT_GE(lines.size(), 4U);
    // The reform caption runs over: the captions' column is as wide as "Schrikkeljaar" needs.
    EXPECT_EQ(lines[0], "Jaar           1583");
    EXPECT_EQ(lines[1], "Regio          Holland");
    EXPECT_EQ(lines[2], "Kalender       Overgangsjaar");
    EXPECT_EQ(lines[5], "Nieuwjaar      dinsdag 1 januari 1583");  // Julian, the last Julian day
    EXPECT_EQ(lines.at(16), "Kalenderwijziging 1/1 > 12/1/1583  10 dagen vervallen in januari");
    // The default region named explicitly is the default: no region line.
    EXPECT_EQ(runCli({"year", "2000", "--region", "zuidelijke-nederlanden"}).out, expectedText(kYears[3]));

    // The keys do not change.
    const std::vector<std::string> tsv =
        split(runCli({"year", "1700", "--format", "tsv", "--region", "friesland-groningen"}).out, '\n');
    ASSERT_EQ(tsv.size(), kKeys.size() + 1);
    EXPECT_EQ(tsv[2], "schrikkeljaar\t1");  // Julian 29 February 1700 was kept there
    EXPECT_EQ(split(runCli({"years", "1700", "1700", "--region", "holland"}).out, '\n')[1].substr(0, 19),
              "1700\tGregoriaans\t0\t");
}

}  // namespace
