// Bad input of every kind: status 2, one line "tarvinde: ..." on standard error
// saying what was wrong, nothing on standard output. And what is no bad input:
// help, version, and the arguments that belong to the window.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "numbers.h"
#include "run_cli.h"

namespace {

// clang-format off
const std::vector<BadCase> kBadInput{
    // No number, a fraction, another notation, blanks, other digits.
    {{"year", "abc"}, "YEAR must be a whole number from 100 to 2100, not 'abc'"},
    {{"year", "2000.5"}, "not '2000.5'"},
    {{"year", "0x7D0"}, "not '0x7D0'"},
    {{"year", " 2000"}, "not ' 2000'"},
    {{"year", "１９９９"}, "not '１９９９'"},
    {{"year", ""}, "not ''"},
    {{"year", "+"}, "not '+'"},
    // A plus sign nowhere; a minus sign only where a negative value means something.
    {{"year", "+1500"}, "YEAR must be a whole number from 100 to 2100, not '+1500'"},
    {{"weekday", "+5", "3", "1500"}, "DAY must be a whole number from -32768 to 32767, not '+5'"},
    {{"weekday", "5", "+3", "1500"}, "MONTH must be a whole number from -32768 to 32767, not '+3'"},
    {{"on", "+1", "1", "1500"}, "DAY must be a whole number from 1 to 31, not '+1'"},
    {{"on", "1", "1", "+1500"}, "YEAR must be a whole number from 100 to 2100, not '+1500'"},
    {{"on", "-1", "1", "1500"}, "DAY must be a whole number from 1 to 31, not '-1'"},
    {{"year", "--", "-"}, "not '-'"},
    {{"year", "20\n00"}, "not '20\\x0a00'"},  // still one line
    {{"year", "20\xff"}, "not '20\\xff'"},  // no raw byte that is not UTF-8
    {{"year", "\xc3\xa9\xc3"}, "not '\xc3\xa9\\xc3'"},  // é kept, the cut sequence escaped
    {{"year", "\xc0\xaf"}, "not '\\xc0\\xaf'"},  // an overlong '/'
    {{"year", "\xed\xa0\x80"}, "not '\\xed\\xa0\\x80'"},  // a surrogate
    {{"jaar\xfe"}, "unknown command 'jaar\\xfe'"},
    // Out of range.
    {{"year", "99"}, "from 100 to 2100, not '99'"},
    {{"year", "010"}, "not '010'"},
    {{"year", "2101"}, "not '2101'"},
    {{"year", "99999999999999999999999"}, "not '99999999999999999999999'"},
    {{"weekday", "1", "1", "2101"}, "YEAR must be a whole number from 100 to 2100"},
    {{"weekday", "32768", "1", "2000"}, "DAY must be a whole number from -32768 to 32767, not '32768'"},
    {{"weekday", "1", "-32769", "2000"}, "MONTH must be a whole number from -32768 to 32767"},
    {{"years", "100", "2101"}, "LAST must be a whole number from 100 to 2100"},
    {{"years", "2000", "1999"}, "FIRST 2000 is after LAST 1999"},
    // Missing and extra arguments.
    {{"year"}, "YEAR is required; usage: tarvinde year YEAR [--format text|tsv|csv|json] [--region ID]"},
    {{"weekday", "1", "2"}, "YEAR is required; usage: tarvinde weekday DAY MONTH YEAR"},
    {{"years", "2000"}, "LAST is required; usage: tarvinde years FIRST LAST [--format tsv|csv|json]"},
    {{"year", "2000", "2001"}, "not expected: 2001"},
    {{"regions", "holland"}, "not expected: holland; usage: tarvinde regions"},
    {{"year", "2000", "--format", "tsv", "2001"}, "not expected: 2001"},  // not a second format
    {{"regions", "--format=tsv", "holland"}, "not expected: holland"},
    // Commands, options and formats.
    {{}, "no command given; commands: year, weekday, years, feasts, date, on, style, regions"},
    {{"jaar", "2000"}, "unknown command 'jaar'; commands: year, weekday, years, feasts, date, on, style, regions"},
    {{"2000"}, "unknown command '2000'"},
    // Past the window's own options, the word or option that is neither.
    {{"--year", "1700", "extra"}, "unknown command 'extra'"},
    {{"--year", "2000", "--format", "json"}, "unknown option '--format'; the window takes --year YEAR and --region ID"},
    {{"--bogus"}, "unknown option '--bogus'"},
    {{"--year", "2000", "year", "2000"}, "'--year' comes before the command; options go after it; usage: tarvinde year"},
    {{"--region", "holland", "weekday", "1", "1", "2000"}, "'--region' comes before the command"},
    {{"year", "2000", "--formaat", "tsv"}, "--formaat"},
    {{"year", "2000", "--format", "xml"}, "unknown format 'xml'; formats: text|tsv|csv|json"},
    {{"years", "100", "200", "--format", "text"}, "unknown format 'text'; formats: tsv|csv|json"},
    {{"weekday", "1", "1", "2000", "--format", "JSON"}, "unknown format 'JSON'"},
    {{"year", "2000", "--format"}, "--format"},
    {{"year", "2000", "--format", "tsv", "--format=json"}, "--format is given 2 times; give it once"},
    {{"year", "2000", "--region", "luik", "--region", "luik"}, "--region is given 2 times"},
    {{"year", "2000", "--region", "Holland"},
     "unknown region 'Holland'; known regions: zuidelijke-nederlanden, staten-generaal, holland, luik"},
    {{"regions", "--region", "holland"}, "--region"},
    // feasts: the year and its options.
    {{"feasts"}, "YEAR is required; usage: tarvinde feasts YEAR [--alle] [--format text|tsv|csv|json] [--region ID]"},
    {{"feasts", "99"}, "YEAR must be a whole number from 100 to 2100, not '99'"},
    {{"feasts", "1450", "1451"}, "not expected: 1451"},
    {{"feasts", "1450", "--format", "CSV"}, "unknown format 'CSV'; formats: text|tsv|csv|json"},
    // date: what the expression lacks or holds wrongly, in Dutch as the calculator says it.
    {{"date"}, "CLAUSE is required; usage: tarvinde date CLAUSE... [--format text|tsv|csv|json] [--century C]"},
    {{"date", ""}, "lege uitdrukking"},
    {{"date", "dinsdag", "na", "Sint-Martiniaan", "1450"},
     "onbekend feest \"Sint-Martiniaan\"; het dichtst bij: Sint-Martha, Sint-Maarten, Sint-Maarten in de zomer"},
    {{"date", "dinsdag Sint-Maarten 1450"}, "Sint-Maarten 1450 is een woensdag, geen dinsdag"},
    {{"date", "Sint-Maarten"}, "het jaartal ontbreekt aan het eind"},
    {{"date", "Sacramentsdag", "1246"}, "Sacramentsdag werd in 1246 nog niet gevierd (pas vanaf 1247)"},
    {{"date", "Vierde zondag van de Advent 1582"}, "Vierde zondag van de Advent van 1582 valt in Zuidelijke Nederlanden"},
    {{"date", "Kerstmis", "2101"}, "2101"},
    {{"date", "XXV kal. Martii 1450"}, "bestaat niet: de telling loopt hier tot 16"},
    {{"date", "Sint-\x01Maarten 1450"}, "de tekst bevat een stuurteken"},  // still one line
    // on: a date that is none, out of range, missing or extra.
    {{"on", "31", "4", "2000"}, "de datum 31/4/2000 bestaat niet in Zuidelijke Nederlanden"},
    {{"on", "29", "2", "1700", "--region", "holland"}, "de datum 29/2/1700 bestaat niet in Holland"},
    {{"on", "0", "1", "2000"}, "DAY must be a whole number from 1 to 31, not '0'"},
    {{"on", "1", "1"}, "YEAR is required; usage: tarvinde on DAY MONTH YEAR"},
    {{"on", "1", "1", "2000", "5"}, "not expected: 5"},
    // style: the style, the date, the style year.
    {{"style", "paasstijl", "1", "1", "1450"},
     "unknown style 'paasstijl'; known styles: nieuwjaar, kerst, boodschap, pasen, paaszaterdag, goede-vrijdag"},
    {{"style", "pasen", "10", "4", "1492"},
     "10/4/1492 bestond niet in de Paasstijl: het jaar 1492 liep van zondag 22 april 1492 tot en met zaterdag 6 april 1493"},
    {{"style", "paaszaterdag", "6", "4", "1492"},
     "6/4/1492 bestond niet in de Paasstijl (Paaszaterdag): het jaar 1492 liep van zaterdag 21 april 1492 tot en met vrijdag 5 april 1493"},
    {{"style", "nieuwjaar", "31", "2", "2000"}, "31/2 is geen datum: februari heeft hoogstens 29 dagen"},
    {{"style", "pasen", "29", "2", "1490"}, "29/2 bestond niet: 1490 en 1491 waren geen schrikkeljaren"},
    {{"style", "boodschap", "1", "1", "2100"}, "1/1/2100 in de Boodschapstijl is 1/1/2101, buiten de jaren 100 tot 2100"},
    {{"style", "pasen", "32", "1", "1450"}, "DAY must be a whole number from 1 to 31, not '32'"},
    {{"style", "pasen", "10", "4"}, "YEAR is required; usage: tarvinde style STYLE DAY MONTH YEAR"},
    {{"style"}, "STYLE is required"},
    {{"style", "pasen", "10", "4", "1491", "1"}, "not expected: 1"},
    // Words after a command that it does not take, in the order given.
    {{"year", "2000", "-platform", "xcb"}, "The following arguments were not expected: -platform xcb; usage: tarvinde year"},
    {{"years", "1500", "1501", "a", "b", "c"}, "The following arguments were not expected: a b c"},
    // Words after --help or --version; a word beginning with '-' that is neither
    // the program's nor one of Qt's options.
    {{"--version", "extra"}, "--version takes nothing after it, not 'extra'"},
    {{"--version", "year"}, "--version takes nothing after it, not 'year'"},
    {{"--help", "extra"}, "--help takes nothing after it but a command, not 'extra'"},
    {{"-h", "2000"}, "-h takes nothing after it but a command, not '2000'"},
    {{"-x"}, "unknown option '-x'; the window takes --year YEAR and --region ID"},
    {{"--year", "1500", "-x"}, "unknown option '-x'"},
    {{"-x", "year", "2000"}, "unknown option '-x'; usage: tarvinde year"},
    {{"-platformx", "xcb"}, "unknown option '-platformx'"},
    {{"-nograb"}, "unknown option '-nograb'"},
    {{"-reverse", "years", "1500", "1501"}, "-reverse is an option of the window; a command such as 'years' takes none"},
    // The finder reaching a date outside the years, named (worked out by hand:
    // 2731 years back; 32769 Julian days before 1/1/100; 32766 days after 1/1/2100).
    {{"weekday", "1", "-32768", "100"}, "day 1 of month -32768 of 100 reaches 1/4/-2631 (Julian), outside 1/1/100 to 31/12/2100"},
    {{"weekday", "-32768", "1", "100"}, "day -32768 of month 1 of 100 reaches 14/4/10 (Julian), outside"},
    {{"weekday", "32767", "1", "2100"}, "day 32767 of month 1 of 2100 reaches 17/9/2189 (Gregorian), outside"},
    {{"weekday", "32", "12", "2100"}, "reaches 1/1/2101 (Gregorian)"},
    {{"weekday", "0", "1", "100", "--region", "gregoriaans"}, "reaches 31/12/99 (Gregorian)"},
};
// clang-format on

TEST(BadInput, OneLineOnStandardErrorAndStatusTwo) {
    for (const BadCase& c : kBadInput) {
        const Outcome o = runCli(c.args);
        expectBadInput(o, c.says);
    }
}

// Qt's option before a command: exactly this line, whichever way it is written.
TEST(BadInput, QtOptionBeforeACommand) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"-platform", "offscreen", "year", "2000"},
             {"-platform=offscreen", "year", "2000"},
             {"-platform", "offscreen", "--region", "holland", "year", "2000"}}) {
        const Outcome o = runCli(args);
        EXPECT_EQ(o.status, 2);
        EXPECT_EQ(o.out, "");
        EXPECT_EQ(o.err,
                  "tarvinde: -platform is an option of the window; a command such as 'year' takes none\n");
    }
}

TEST(BadInput, HelpAndVersionAreNone) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--help"},
                                               {"-h"},
                                               {"year", "--help"},
                                               {"weekday", "--help"},
                                               {"years", "-h"},
                                               {"regions", "--help"},
                                               {"feasts", "--help"},
                                               {"date", "-h"},
                                               {"on", "--help"},
                                               {"style", "--help"},
                                               {"--help", "year", "abc"}}) {
        const Outcome o = runCli(args);
        EXPECT_EQ(o.status, 0) << args[0];
        EXPECT_EQ(o.err, "");
        EXPECT_NE(o.out.find("Usage: tarvinde"), std::string::npos) << o.out;
        EXPECT_NE(o.out.find("Example"), std::string::npos) << o.out;
    }
    const std::string weekdayHelp = runCli({"weekday", "--help"}).out;
    EXPECT_NE(weekdayHelp.find("tarvinde weekday 31 2 2001"), std::string::npos);
    // The range DAY and MONTH really take, and what happens beyond the years.
    EXPECT_NE(weekdayHelp.find("a whole number from -32768 to 32767; days beyond the month carry"),
              std::string::npos);
    EXPECT_NE(weekdayHelp.find("A date reached outside 1/1/100 to 31/12/2100 is refused"), std::string::npos);
    EXPECT_NE(weekdayHelp.find("dinsdag 25 december 1582 (? 4/1/1583)"), std::string::npos);
    EXPECT_EQ(weekdayHelp.find("16-bit"), std::string::npos);
    EXPECT_NE(runCli({"date", "--help"}).out.find("tarvinde date dinsdag na Sint-Maarten 1450"),
              std::string::npos);
    EXPECT_NE(
        runCli({"style", "--help"})
            .out.find("STYLE REQUIRED              the year style: nieuwjaar, kerst, boodschap, pasen, "),
        std::string::npos);
    const std::string help = runCli({"--help"}).out;
    for (const char* command : {"feasts", "date", "on", "style"})
        EXPECT_NE(help.find(std::string{"\n  "} + command + " "), std::string::npos) << command;
    const Outcome version = runCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("tarvinde ")) << version.out;
}

TEST(WholeNumber, DecimalDigitsWithAnOptionalMinus) {
    const std::vector<std::pair<const char*, std::int64_t>> numbers{{"0", 0},
                                                                    {"010", 10},
                                                                    {"-7", -7},
                                                                    {"-0", 0},
                                                                    {"2100", 2100},
                                                                    {"9223372036854775807", INT64_MAX},
                                                                    {"-9223372036854775808", INT64_MIN},
                                                                    {"0000000000000000000002000", 2000}};
    for (const auto& [text, value] : numbers) EXPECT_EQ(cli::wholeNumber(text), value) << text;
    for (const char* text : {"+7",
                             "+0",
                             "",
                             "+",
                             "-",
                             "--1",
                             "++1",
                             "+-1",
                             "-+1",
                             " 1",
                             "1 ",
                             "1.0",
                             "1,0",
                             "0x10",
                             "0b1",
                             "1e3",
                             "１",
                             "٣",
                             "9223372036854775808",
                             "1_000",
                             "1'000",
                             "\t1"})
        EXPECT_FALSE(cli::wholeNumber(text).has_value()) << text;
}

// Qt reads its options with a separate value: "-option=value" reaches it split.
TEST(WindowArguments, QtOptionsWithAValueSplit) {
    struct Case {
        std::vector<const char*> args;
        std::vector<std::string> window;
    };
    const std::vector<Case> cases{
        {{"tarvinde"}, {"tarvinde"}},
        {{"tarvinde", "-platform=offscreen", "--year", "1500"},
         {"tarvinde", "-platform", "offscreen", "--year", "1500"}},
        {{"tarvinde", "--region=luik", "-style=fusion", "-reverse"},
         {"tarvinde", "--region=luik", "-style", "fusion", "-reverse"}},
        {{"tarvinde", "-qwindowtitle=a=b"}, {"tarvinde", "-qwindowtitle", "a=b"}},
        {{"tarvinde", "-qmljsdebugger=port:1234"}, {"tarvinde", "-qmljsdebugger=port:1234"}},
        {{"tarvinde", "-platform", "xcb"}, {"tarvinde", "-platform", "xcb"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cli::windowArguments(static_cast<int>(c.args.size()), c.args.data()), c.window)
            << c.args.size();
}

TEST(IsCommand, TheWindowOnlyWithItsOwnOptionsAndQts) {
    struct Case {
        std::vector<const char*> args;
        bool command;
    };
    const std::vector<Case> cases{
        {{}, false},
        {{"--year", "2000"}, false},
        {{"--year=2000", "--region", "holland"}, false},
        {{"--region=luik"}, false},
        {{"--year", "year"}, false},  // a value, however it reads: the window judges it
        {{"-platform", "offscreen", "--year", "1582"}, false},
        {{"-reverse", "-style", "fusion"}, false},
        {{"-qmljsdebugger=port:1234", "-platform", "xcb"}, false},
        // Every one of Qt's options, each way it may be written, before and after the window's.
        {{"-platformpluginpath", "/p", "-platformtheme", "gtk3", "-plugin", "evdev", "--year", "1500"},
         false},
        {{"--region", "luik", "-qwindowgeometry", "100x100", "-qwindowicon", "i.png", "-qwindowtitle", "T"},
         false},
        {{"-stylesheet=a.qss", "-session=s", "-display", ":1", "-geometry", "10x10", "-widgetcount"}, false},
        {{"--year=1582", "-style=fusion", "-reverse"}, false},
        {{"-x"}, true},
        {{"--year", "1500", "-x"}, true},
        {{"-nograb"}, true},
        {{"-platformx", "xcb"}, true},
        {{"-reverse=1"}, true},
        {{"year", "2000"}, true},
        {{"regions"}, true},
        {{"--help"}, true},
        {{"-h"}, true},
        {{"--version"}, true},
        {{"--year", "2000", "year", "2000"}, true},
        {{"-platform", "offscreen", "year", "2000"}, true},
        {{"-reverse", "years", "1", "2"}, true},
        {{"2000"}, true},
        {{"--platform", "xcb"}, true},
        {{"-"}, true},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv{"tarvinde"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        EXPECT_EQ(cli::isCommand(static_cast<int>(argv.size()), argv.data()), c.command)
            << (c.args.empty() ? "(none)" : c.args[0]);
    }
}

}  // namespace
