// `computus` in every format, against values worked out by hand: the golden
// number and the epact from the year, the Julian full moon from the lunar table,
// the weekdays counted on from 1 January (1450 began on a Thursday, 1700 on a
// Friday in the Gregorian calendar), the Gregorian full moon from the epact.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "run_cli.h"

namespace {

using nlohmann::json;

const std::string kHeader =
    "jaar\tkalender\tgulden_getal\tepacta\tzondagsletter\tconcurrent\tzonnecirkel\tindictie\t"
    "indictie_september\tpaastafel\tpaasgrens\tpasen\n";

TEST(ComputusCommand, TsvByDefault) {
    const Outcome o = runCli({"computus", "1450"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(
        o.out,
        kHeader + "1450\tJuliaans\t7\t6\tD\t3\t3\t13\t14\t15\tmaandag 30 maart 1450\tzondag 5 april 1450\n");
}

// 1451 has the latest Easter (its full moon on Sunday 18 April), 1452 is a leap
// year with the indiction 15.
TEST(ComputusCommand, TextAlignedUnderTheHeader) {
    const Outcome o = runCli({"computus", "1450", "1452", "--format", "text"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out,
              "jaar  kalender  gulden_getal  epacta  zondagsletter  concurrent  zonnecirkel  indictie  "
              "indictie_september  paastafel  paasgrens              pasen\n"
              "1450  Juliaans  7             6       D              3           3            13        "
              "14                  15         maandag 30 maart 1450  zondag 5 april 1450\n"
              "1451  Juliaans  8             17      C              4           4            14        "
              "15                  35         zondag 18 april 1451   zondag 25 april 1451\n"
              "1452  Juliaans  9             28      BA             6           5            15        "
              "1                   19         vrijdag 7 april 1452   zondag 9 april 1452\n");
}

// The year of the change in a region where 29 February 1700 was skipped and Easter
// Gregorian, and in one where the Julian calendar held until June.
TEST(ComputusCommand, CsvInReformRegions) {
    const Outcome german =
        runCli({"computus", "1700", "--region", "duitsland-protestants", "--format", "csv"});
    EXPECT_EQ(german.status, 0);
    EXPECT_EQ(german.out,
              "jaar,kalender,gulden_getal,epacta,zondagsletter,concurrent,zonnecirkel,indictie,"
              "indictie_september,paastafel,paasgrens,pasen\n"
              "1700,Gregoriaans,10,9,C,4,1,8,9,21,zondag 4 april 1700,zondag 11 april 1700\n");
    const Outcome gelre = runCli({"computus", "1700", "1700", "--region=gelderland", "--format=csv"});
    EXPECT_EQ(split(gelre.out, '\n').at(1),
              "1700,Juliaans,10,9,GF,1,1,8,9,10,woensdag 27 maart 1700,zondag 31 maart 1700");
}

TEST(ComputusCommand, JsonNumbersAsNumbers) {
    const Outcome o = runCli({"computus", "1582", "1583", "--format", "json"});
    EXPECT_EQ(o.status, 0);
    const json list = json::parse(o.out);
    ASSERT_EQ(list.size(), 2U);
    const json expected1583 = {{"jaar", 1583},
                               {"kalender", "Gregoriaans"},
                               {"gulden_getal", 7},
                               {"epacta", 7},
                               {"zondagsletter", "B"},
                               {"concurrent", 5},
                               {"zonnecirkel", 24},
                               {"indictie", 11},
                               {"indictie_september", 12},
                               {"paastafel", 20},
                               {"paasgrens", "woensdag 6 april 1583"},
                               {"pasen", "zondag 10 april 1583"}};
    EXPECT_EQ(list.at(1), expected1583);
    EXPECT_EQ(list.at(0).at("epacta"), 25);  // Julian: golden number 6
    EXPECT_EQ(list.at(0).at("pasen"), "zondag 15 april 1582");
    // The keys in column order, each value a number or a string as its column is.
    std::vector<std::string> keys;
    const nlohmann::ordered_json ordered = nlohmann::ordered_json::parse(o.out);
    for (const auto& [key, value] : ordered.at(0).items()) {
        keys.push_back(key);
        const bool text = key == "kalender" || key == "zondagsletter" || key == "paasgrens" || key == "pasen";
        EXPECT_EQ(value.is_string(), text) << key;
        EXPECT_EQ(value.is_number_integer(), !text) << key;
    }
    EXPECT_EQ(keys, split(kHeader.substr(0, kHeader.size() - 1), '\t'));
    // 2000: a Gregorian leap year, epact 24, its full moon on 18 April.
    EXPECT_EQ(runCli({"computus", "2000", "--format", "json"}).out,
              R"([{"jaar":2000,"kalender":"Gregoriaans","gulden_getal":6,"epacta":24,"zondagsletter":"BA",)"
              R"("concurrent":6,"zonnecirkel":21,"indictie":8,"indictie_september":9,"paastafel":33,)"
              R"("paasgrens":"dinsdag 18 april 2000","pasen":"zondag 23 april 2000"}])"
              "\n");
}

TEST(ComputusCommand, EveryYearOneRowInEachFormat) {
    for (const std::string format : {"tsv", "csv", "text"}) {
        const Outcome o = runCli({"computus", "100", "2100", "--format", format});
        const std::vector<std::string> lines = split(o.out, '\n');
        ASSERT_EQ(lines.size(), 2003U) << format;  // header, 2001 years, the empty rest
        EXPECT_TRUE(lines.at(1).starts_with("100")) << format;
        EXPECT_TRUE(lines.at(2001).starts_with("2100")) << format;
    }
    const json all = json::parse(runCli({"computus", "100", "2100", "--format", "json"}).out);
    ASSERT_EQ(all.size(), 2001U);
    EXPECT_EQ(all.back().at("jaar"), 2100);
    EXPECT_EQ(all.back().at("paastafel"), 7);  // Easter 2100 on 28 March
}

// clang-format off
const std::vector<BadCase> kBad{
    {{"computus"}, "FIRST is required; usage: tarvinde computus FIRST [LAST] [--format tsv|csv|json|text] [--region ID]"},
    {{"computus", "99"}, "FIRST must be a whole number from 100 to 2100, not '99'"},
    {{"computus", "100", "2101"}, "LAST must be a whole number from 100 to 2100, not '2101'"},
    {{"computus", "1451", "1450"}, "FIRST 1451 is after LAST 1450; give the earlier year first"},
    {{"computus", "1450", ""}, "LAST must be a whole number from 100 to 2100, not ''"},
    {{"computus", "MCDL"}, "not 'MCDL'"},
    {{"computus", "1450", "1451", "1452"}, "not expected: 1452"},
    {{"computus", "1450", "--format", "xml"}, "unknown format 'xml'; formats: tsv|csv|json|text"},
    {{"computus", "1450", "--format", "tsv", "--format", "csv"}, "--format is given 2 times"},
    {{"computus", "1450", "--region", "gent"}, "unknown region 'gent'"},
};
// clang-format on

TEST(ComputusCommand, BadInput) {
    for (const BadCase& c : kBad) {
        const Outcome o = runCli(c.args);
        expectBadInput(o, c.says);
    }
    const Outcome help = runCli({"computus", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("FIRST"), std::string::npos);
}

}  // namespace
