#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "clause.h"
#include "dating.h"
#include "expressions.h"
#include "feasts.h"
#include "reference.h"
#include "regions.h"

namespace {

const regions::Region& region(std::string_view id) {
    const regions::Region* r = regions::find(id);
    if (r == nullptr) throw std::invalid_argument(std::string{id});
    return *r;
}

constexpr const char* kDefault = "zuidelijke-nederlanden";

struct Expected {
    const char* expression;
    const char* region;
    const char* text;
    const char* iso;
};

void expectDated(const std::vector<Expected>& cases) {
    for (const Expected& c : cases) {
        try {
            const dating::Dated d = dating::evaluate(c.expression, region(c.region));
            EXPECT_EQ(d.text, c.text) << c.expression << " (" << c.region << ")";
            EXPECT_EQ(d.iso, c.iso) << c.expression << " (" << c.region << ")";
            EXPECT_EQ(regions::isoDate(d.day), c.iso) << c.expression;
        } catch (const InputError& e) {
            ADD_FAILURE() << c.expression << ": " << e.what();
        }
    }
}

// Counted by hand from the feast's weekday: Sint-Maarten 1450 was a Wednesday,
// Easter 2000 23 April, Sint-Jan 1500 a Wednesday (all Julian before 1583).
TEST(Dating, RelationsAndOrdinals) {
    expectDated({
        {"Sint-Maarten 1450", kDefault, "woensdag 11 november 1450", "1450-11-20"},
        {"dinsdag na Sint-Maarten 1450", kDefault, "dinsdag 17 november 1450", "1450-11-26"},
        {"des dinsdags na Sint-Maarten 1450", kDefault, "dinsdag 17 november 1450", "1450-11-26"},
        {"dinsdags na Sint-Maarten 1450", kDefault, "dinsdag 17 november 1450", "1450-11-26"},
        {"dinsdag voor Sint-Maarten 1450", kDefault, "dinsdag 10 november 1450", "1450-11-19"},
        // The feast falls on the weekday named: the next and the previous week.
        {"woensdag na Sint-Maarten 1450", kDefault, "woensdag 18 november 1450", "1450-11-27"},
        {"woensdag voor Sint-Maarten 1450", kDefault, "woensdag 4 november 1450", "1450-11-13"},
        {"tweede dinsdag na Sint-Maarten 1450", kDefault, "dinsdag 24 november 1450", "1450-12-03"},
        {"3e zondag voor Pasen 2000", kDefault, "zondag 2 april 2000", "2000-04-02"},
        {"vijfde vrijdag na Pasen 2000", kDefault, "vrijdag 26 mei 2000", "2000-05-26"},
        // Ordinals up to the thirtieth: the sixth Sunday after Easter, 42 days on.
        {"6e zondag na Pasen 2000", kDefault, "zondag 4 juni 2000", "2000-06-04"},
        {"zesde zondag na Pasen 2000", kDefault, "zondag 4 juni 2000", "2000-06-04"},
        {"vooravond Sint-Jan 1500", kDefault, "dinsdag 23 juni 1500", "1500-07-03"},
        {"4e zaterdag voor Sint-Jan 1500", kDefault, "zaterdag 30 mei 1500", "1500-06-09"},
        {"Eerste ZONDAG na pasen 2000", kDefault, "zondag 30 april 2000", "2000-04-30"},
        {"zondag na Pasen 2000", kDefault, "zondag 30 april 2000", "2000-04-30"},
        {"Beloken Pasen 2000", kDefault, "zondag 30 april 2000", "2000-04-30"},
        // The Visitation in its first year, 1389: Friday 2 July.
        {"zondag na Maria-Visitatie 1389", kDefault, "zondag 4 juli 1389", "1389-07-12"},
        // Eve and octave.
        {"vooravond van Sint-Jan 1500", kDefault, "dinsdag 23 juni 1500", "1500-07-03"},
        {"Sint-Jansavond 1500", kDefault, "dinsdag 23 juni 1500", "1500-07-03"},
        {"octaaf van Sint-Jan 1500", kDefault, "woensdag 1 juli 1500", "1500-07-11"},
        {"zondag na Sint-Jansavond 1500", kDefault, "zondag 28 juni 1500", "1500-07-08"},
        // Across New Year: the year is that of the day named. Oudjaarsavond 1499 was
        // a Tuesday (Christmas 1500 a Friday, 360 days later); 1 January 2001 a Monday.
        {"maandag na Oudjaarsavond 1500", kDefault, "maandag 6 januari 1500", "1500-01-15"},
        {"zaterdag voor Nieuwjaar 2000", kDefault, "zaterdag 30 december 2000", "2000-12-30"},
        {"octaaf van Sint-Stefanus 1500", kDefault, "donderdag 2 januari 1500", "1500-01-11"},
        // Counted as days across the gap of December 1582.
        {"vooravond van Nieuwjaar 1582", kDefault, "vrijdag 21 december 1582", "1582-12-31"},
        {"Kerstmis 1582", kDefault, "dinsdag 25 december 1582 (? 4/1/1583)", "1583-01-04"},
        {"zondag na Kerstmis 1583", kDefault, "zondag 9 januari 1583", "1583-01-09"},
    });
}

// Other regions: a Julian, a Gregorian and a transition year.
TEST(Dating, OtherRegions) {
    expectDated({
        {"vrijdag na Pasen 1500", "rome", "vrijdag 24 april 1500", "1500-05-04"},
        {"dinsdag na Sint-Remigius 1582", "rome", "dinsdag 2 oktober 1582", "1582-10-12"},
        // Monday 1 October (Julian); the Mondays after were 8 (skipped: 18) and 25 October.
        {"2e maandag na Sint-Remigius 1582", "rome", "maandag 25 oktober 1582", "1582-10-25"},
        {"Driekoningen 1583", "holland", "zondag 6 januari 1583 (? 16/1/1583)", "1583-01-16"},
        {"zondag na Driekoningen 1583", "holland", "zondag 23 januari 1583", "1583-01-23"},
        {"vooravond van Driekoningen 1583", "holland", "zaterdag 15 januari 1583", "1583-01-15"},
        {"donderdag voor Sint-Mattias 1700", "duitsland-protestants", "donderdag 4 maart 1700", "1700-03-04"},
        {"zondag na Pasen 2000", "juliaans", "zondag 24 april 2000", "2000-05-07"},
        {"octaaf van Kerstmis 2001", "gregoriaans", "maandag 1 januari 2001", "2001-01-01"},
    });
}

TEST(Dating, NameForms) {
    expectDated({
        {"Sint Maarten 1450", kDefault, "woensdag 11 november 1450", "1450-11-20"},
        {"sint-maarten 1450", kDefault, "woensdag 11 november 1450", "1450-11-20"},
        {"SINTMAARTEN 1450", kDefault, "woensdag 11 november 1450", "1450-11-20"},
        {"Martini 1450", kDefault, "woensdag 11 november 1450", "1450-11-20"},
        {"Sint-Maartensdag 1450", kDefault, "woensdag 11 november 1450", "1450-11-20"},
        {"Sint-Maartensavond 1450", kDefault, "dinsdag 10 november 1450", "1450-11-19"},
        {"Bamis 1500", kDefault, "donderdag 1 oktober 1500", "1500-10-11"},
        {"Sint-Matteüs 1500", kDefault, "maandag 21 september 1500", "1500-10-01"},
        {"sint matteus 1500", kDefault, "maandag 21 september 1500", "1500-10-01"},
        {"Sint-Jansmis 1500", kDefault, "woensdag 24 juni 1500", "1500-07-04"},
        {"Sint-Jan-Baptist 1500", kDefault, "woensdag 24 juni 1500", "1500-07-04"},
        {"Sint-Jansdag 1500", kDefault, "woensdag 24 juni 1500", "1500-07-04"},
        {"Nativitas Johannis Baptistae 1500", kDefault, "woensdag 24 juni 1500", "1500-07-04"},
        {"OLV ten Hemel 1500", kDefault, "zaterdag 15 augustus 1500", "1500-08-25"},
        {"Lichtmisavond 1500", kDefault, "zaterdag 1 februari 1500", "1500-02-10"},
        {"Esto mihi 2000", kDefault, "zondag 5 maart 2000", "2000-03-05"},
        {"Sinksen 2000", kDefault, "zondag 11 juni 2000", "2000-06-11"},
        {"Pinksterendag 2000", kDefault, "zondag 11 juni 2000", "2000-06-11"},
        // A name that itself ends in "avond" is the feast, not an eve.
        {"Vastenavond 2000", kDefault, "dinsdag 7 maart 2000", "2000-03-07"},
        {"Oudjaarsavond 2000", kDefault, "zondag 31 december 2000", "2000-12-31"},
        // Kerstmis's stem carries the other endings too.
        {"Kerstavond 2000", kDefault, "zondag 24 december 2000", "2000-12-24"},
        {"Kerstdag 2000", kDefault, "maandag 25 december 2000", "2000-12-25"},
        // A whole name before relation words.
        {"Eerste zondag van de Advent 1582", kDefault, "zondag 2 december 1582", "1582-12-12"},
        {"eerste zondag van de advent 1582", kDefault, "zondag 2 december 1582", "1582-12-12"},
        {"zondag na Eerste zondag van de Advent 1582", kDefault, "zondag 9 december 1582", "1582-12-19"},
        {"Derde zondag van de Advent 1582", kDefault, "zondag 16 december 1582", "1582-12-26"},
        {"  dinsdag   na\tSint-Maarten  1450 ", kDefault, "dinsdag 17 november 1450", "1450-11-26"},
    });
}

// Each feast by each of its names, with and without the endings, reads as itself:
// among its readings where the name is shared ("Stephani") or the feast was kept
// on more than one day (Sint-Margriet).
TEST(Dating, EveryNameOfTheTable) {
    const regions::Region& r = regions::defaultRegion();
    const auto days = [&](const std::string& expression) {
        std::vector<std::int64_t> out;
        for (const clause::Reading& reading :
             clause::read(expression, {&r, std::nullopt, year_style::Style::Nieuwjaar}).readings)
            out.push_back(reading.day);
        return out;
    };
    const auto has = [](const std::vector<std::int64_t>& list, std::int64_t day) {
        return std::find(list.begin(), list.end(), day) != list.end();
    };
    for (const feasts::Feast& f : feasts::table()) {
        const auto found = feasts::occurrence(f, 1500, r);
        ASSERT_TRUE(found) << f.id;
        for (std::string_view form : {f.name, f.latin, f.aliases[0], f.aliases[1]}) {
            if (form.empty()) continue;
            const std::string name{form};
            EXPECT_TRUE(has(days(name + " 1500"), found->day)) << name;
            EXPECT_TRUE(has(days(name + "dag 1500"), found->day)) << name;
            // The eve in 1500: of the feast of 1501 where that of 1500 falls in 1499.
            const std::int64_t eve = regions::dateOf(r, found->day - 1).year == 1500
                                         ? found->day - 1
                                         : feasts::occurrence(f, 1501, r)->day - 1;
            EXPECT_TRUE(has(days(name + "avond 1500"), eve)) << name;
            // The main feasts' modern names name them alone.
            if (f.main && form == f.name) {
                EXPECT_EQ(dating::evaluate(name + " 1500", r).day, found->day) << name;
            }
        }
    }
}

TEST(Dating, Errors) {
    struct Case {
        const char* expression;
        const char* message;
    };
    const std::vector<Case> cases{
        // The nearest names by edit distance of the folded forms, worked out by hand.
        // Sint-Bertinus, added for the clause reader, is two letters away.
        {"Sint-Martiniaan 1450",
         "onbekend feest \"Sint-Martiniaan\"; het dichtst bij: Sint-Martha, Sint-Maarten, "
         "Sint-Maarten in de zomer"},
        {"Pasn 2000", "onbekend feest \"Pasn\"; het dichtst bij: Pasen, Blasii, Bamis"},
        {"Kristmis 1500", "onbekend feest \"Kristmis\"; het dichtst bij: Kerstmis, Lichtmis, Bamis"},
        {"dinsdag na Sint-Lucasx 1500",
         "onbekend feest \"Sint-Lucasx\"; het dichtst bij: Sint-Lucas, Sint-Lucia, Sint-Ludger"},
        {"", "lege uitdrukking; verwacht [relatie] feest jaar, zoals \"dinsdag na Sint-Maarten 1450\""},
        {"Pasen", "het jaartal ontbreekt aan het eind: \"Pasen\" is geen jaartal"},
        {"Pasen 1500b", "het jaartal ontbreekt aan het eind: \"1500b\" is geen jaartal"},
        {"1500", "voor het jaartal 1500 ontbreekt de naam van een feest"},
        {"Pasen 99", "jaartal 99 zonder eeuw: geef de eeuw op (--century 1300 maakt van 39 het jaar 1339)"},
        {"Pasen 2101", "jaartal 2101 ligt buiten 100 tot 2100"},
        {"Pasen 99999999999999999999", "jaartal 99999999999999999999 ligt buiten 100 tot 2100"},
        // A weekday beside a fixed day checks it.
        {"dinsdag Sint-Maarten 1450", "Sint-Maarten 1450 is een woensdag, geen dinsdag"},
        {"tweede na Sint-Maarten 1450",
         "na \"tweede\" wordt een weekdag (zondag tot zaterdag) verwacht, niet \"na\""},
        {"octaaf 1500", "na \"octaaf\" ontbreekt de naam van een feest"},
        {"dinsdag na 1450", "na \"na\" ontbreekt de naam van een feest"},
        {"na Sint-Maarten 1450",
         "voor \"na\" ontbreekt de weekdag, zoals in \"dinsdag na Sint-Maarten 1450\""},
        {"31e zondag na Pasen 2000",
         "rangtelwoord \"31e\" niet begrepen: 1e tot 30e, of eerste tot dertigste"},
        {"Sacramentsdag 1246", "Sacramentsdag werd in 1246 nog niet gevierd (pas vanaf 1247)"},
        {"zondag na Sacramentsdag 1246", "Sacramentsdag werd in 1246 nog niet gevierd (pas vanaf 1247)"},
        {"zondag na Maria-Visitatie 1380",
         "Onze-Lieve-Vrouw-Visitatie werd in 1380 nog niet gevierd (pas vanaf 1389)"},
        {"Sint-Niklaas 1086", "Sint-Niklaas werd in 1086 nog niet gevierd (pas vanaf 1087)"},
        {"Vierde zondag van de Advent 1582",
         "Vierde zondag van de Advent van 1582 valt in Zuidelijke Nederlanden na de kalenderwijziging buiten "
         "het jaar en ontbreekt"},
        // Christmas 1581 a Monday; Christmas 1582 skipped, its Julian reading a Tuesday;
        // Christmas 1583 a Sunday (1 January 1583 a Saturday, 358 days before).
        {"zondag na Kerstmis 1582",
         "zondag na Kerstmis valt niet in 1582 (wel op zondag 31 december 1581, zondag 9 januari 1583, "
         "zondag 1 "
         "januari 1584)"},
    };
    for (const Case& c : cases) {
        try {
            const dating::Dated d = dating::evaluate(c.expression, regions::defaultRegion());
            ADD_FAILURE() << c.expression << " gave " << d.text;
        } catch (const InputError& e) {
            EXPECT_EQ(std::string{e.what()}, c.message) << c.expression;
        }
    }
    // In Holland the fourth Sunday of Advent of 1582 was still in 1582.
    EXPECT_EQ(dating::evaluate("Vierde zondag van de Advent 1582", region("holland")).text,
              "zondag 23 december 1582");
}

// Whatever is typed, the answer is a date or an InputError.
TEST(Dating, AnyTextIsADateOrAnError) {
    const std::vector<std::string> texts{
        std::string(100000, 'x') + " 1500",
        "\xff\xfe\xc3 1500",
        std::string("Pasen\0 1500", 11),
        " \t\n ",
        "vooravond van",
        "des",
        "eerste",
        "zondag na",
        "zondag na zondag na Pasen 1500",
        "-1500",
        "Pasen -1500",
        "Pasen 0000000000000000000000001500",
    };
    for (const std::string& text : texts) {
        try {
            dating::evaluate(text, regions::defaultRegion());
        } catch (const InputError&) {
        }
    }
    EXPECT_EQ(dating::evaluate("Pasen 0000000000000000000000001500", regions::defaultRegion()).text,
              "zondag 19 april 1500");
    try {
        dating::evaluate(std::string(100, 'x') + " 1500", regions::defaultRegion());
        ADD_FAILURE() << "a long unknown name";
    } catch (const InputError& e) {
        EXPECT_TRUE(std::string{e.what()}.starts_with("onbekend feest \"" + std::string(60, 'x') + "…\"; "))
            << e.what();
    }
}

// Expected lines as "relation id expression", one string each.
TEST(Around, KnownDates) {
    struct Case {
        int d, m, y;
        const char* region;
        const char* text;
        std::vector<std::string> lines;
    };
    // clang-format off
    const std::vector<Case> cases{
        // Thursday 2 January 1500 (Julian): Christmas week of 1499 behind, Epiphany
        // ahead, every expression in the year of the date; Sint-Veerle (4 January) and
        // Sint-Goedele (8 January) after the older feasts at equal distance.
        {2, 1, 1500, kDefault, "donderdag 2 januari 1500", {
            "na nieuwjaar donderdag na Nieuwjaar 1500",
            "na oudjaarsavond donderdag na Oudjaarsavond 1500",
            "voor sint-pharaildis donderdag voor Sint-Veerle 1500",
            "voor driekoningen donderdag voor Driekoningen 1500",
            "na onnozele-kinderen donderdag na Onnozele Kinderen 1500",
            "na sint-jan-evangelist donderdag na Sint-Jan Evangelist 1500",
            "voor sint-goedele donderdag voor Sint-Goedele 1500",
            "octaaf sint-stefanus octaaf van Sint-Stefanus 1500"}},
        // Low Sunday 2000; at seven days the weekday relation first, then the octaves in table order.
        {30, 4, 2000, kDefault, "zondag 30 april 2000", {
            "op beloken-pasen Beloken Pasen 2000",
            "vooravond sint-filippus-en-jacobus vooravond van Sint-Filippus en Jacobus 2000",
            "vooravond meidag vooravond van Meidag 2000",
            "vooravond sint-walburga-mei vooravond van Sint-Walburga (overbrenging) 2000",
            "voor kruisvinding zondag voor Heilig-Kruisvinding 2000",
            "na sint-marcus zondag na Sint-Marcus 2000",
            "na paasmaandag zondag na Paasmaandag 2000",
            "voor misericordia zondag voor Misericordia 2000",
            "octaaf sint-joris octaaf van Sint-Joris 2000",
            "octaaf pasen octaaf van Pasen 2000"}},
        {1, 10, 2000, kDefault, "zondag 1 oktober 2000", {
            "op sint-bavo Sint-Bavo 2000", "op sint-remigius Sint-Remigius 2000",
            "na sint-michiel zondag na Sint-Michiel 2000"}},
        // Wednesday 1 January 100: nothing of the year 99, and no Driekoningen before 361.
        {1, 1, 100, kDefault, "woensdag 1 januari 100", {"op nieuwjaar Nieuwjaar 100"}},
        {6, 1, 360, kDefault, "donderdag 6 januari 360", {
            "na nieuwjaar donderdag na Nieuwjaar 360", "na oudjaarsavond donderdag na Oudjaarsavond 360"}},
        {6, 1, 361, kDefault, "zaterdag 6 januari 361", {
            "op driekoningen Driekoningen 361", "na nieuwjaar zaterdag na Nieuwjaar 361",
            "na oudjaarsavond zaterdag na Oudjaarsavond 361"}},
        // Skipped in the default region: its Julian reading, with the Gregorian date of
        // that day, Tuesday 4 January 1583. Christmas keeps the year it was written in;
        // every relation names a day of 1583, so its expression carries 1583 (the
        // Julian feasts of December 1582 are those of the year before). Sint-Veerle
        // is 4 January 1583 itself; the December Ember days of 1582 were 19 and 21 December.
        {25, 12, 1582, kDefault, "dinsdag 25 december 1582 (? 4/1/1583)", {
            "op kerstmis Kerstmis 1582",
            "op sint-pharaildis Sint-Veerle 1583",
            "vooravond sint-stefanus vooravond van Sint-Stefanus 1583",
            "voor driekoningen dinsdag voor Driekoningen 1583",
            "voor sint-jan-evangelist dinsdag voor Sint-Jan Evangelist 1583",
            "na nieuwjaar dinsdag na Nieuwjaar 1583",
            "voor onnozele-kinderen dinsdag voor Onnozele Kinderen 1583",
            "na sint-thomas dinsdag na Sint-Thomas 1583",
            "na oudjaarsavond dinsdag na Oudjaarsavond 1583",
            "na quatertemper-december-vrijdag dinsdag na Quatertempervrijdag in december 1583",
            "voor sint-goedele dinsdag voor Sint-Goedele 1583",
            "na quatertemper-december-woensdag dinsdag na Quatertemperwoensdag in december 1583"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        const dating::Around a = dating::around(c.d, c.m, c.y, region(c.region));
        EXPECT_EQ(a.date.text, c.text);
        std::vector<std::string> lines;
        for (const dating::Nearby& n : a.feasts)
            lines.push_back(std::string{n.relation} + ' ' + std::string{n.feast->id} + ' ' + n.expression);
        EXPECT_EQ(lines, c.lines) << c.text;
    }
}

TEST(Around, DatesThatDoNotExist) {
    struct Case {
        int d, m, y;
        const char* region;
        const char* message;
    };
    const std::vector<Case> cases{
        {29, 2, 1700, "holland", "de datum 29/2/1700 bestaat niet in Holland"},
        {31, 4, 1500, kDefault, "de datum 31/4/1500 bestaat niet in Zuidelijke Nederlanden"},
        {0, 1, 1500, kDefault, "de datum 0/1/1500 bestaat niet in Zuidelijke Nederlanden"},
        {1, 13, 1500, kDefault, "de datum 1/13/1500 bestaat niet in Zuidelijke Nederlanden"},
        {31, 12, 99, kDefault, "de datum 31/12/99 ligt buiten de jaren 100 tot 2100"},
        {1, 1, 2101, kDefault, "de datum 1/1/2101 ligt buiten de jaren 100 tot 2100"},
        {1, 1, -2147483647, kDefault, "de datum 1/1/-2147483647 ligt buiten de jaren 100 tot 2100"},
    };
    for (const Case& c : cases) {
        try {
            dating::around(c.d, c.m, c.y, region(c.region));
            ADD_FAILURE() << c.message;
        } catch (const InputError& e) {
            EXPECT_EQ(std::string{e.what()}, c.message);
        }
    }
}

// Every expression `around` gives reads back as its date: runs of days over New
// Year and over switches, and days spread over the whole range, in several regions.
TEST(Around, EveryExpressionReadsBackAsTheDate) {
    struct Run {
        const char* region;
        int d, m, y;  // the first day, Gregorian
        int days, step;
    };
    const std::vector<Run> runs{
        {kDefault, 10, 12, 1582, 40, 1},
        {kDefault, 20, 12, 1499, 20, 1},
        {kDefault, 1, 1, 100, 10, 1},
        {kDefault, 20, 12, 2100, 12, 1},
        {kDefault, 1, 1, 100, 730000, 2503},
        {"rome", 1, 10, 1582, 30, 1},
        {"holland", 25, 12, 1582, 30, 1},
        {"duitsland-protestants", 20, 2, 1700, 20, 1},
        {"staten-generaal", 15, 12, 1582, 25, 1},
        {"juliaans", 1, 1, 1900, 3000, 31},
        {"gregoriaans", 1, 1, 400, 3000, 29},
    };
    int dates = 0, lines = 0;
    for (const Run& run : runs) {
        const regions::Region& r = region(run.region);
        const ref::i64 first = ref::jdn(ref::Cal::Gregorian, run.d, run.m, run.y);
        for (int i = 0; i < run.days; i += run.step) {
            const std::int64_t day = first + i - ref::jdn(ref::Cal::Gregorian, 1, 1, 1970);
            const calendar::Date shown = regions::dateOf(r, day);
            if (shown.year < 100 || shown.year > 2100) continue;
            const dating::Around a = dating::around(shown.day, shown.month, static_cast<int>(shown.year), r);
            ASSERT_EQ(a.date.day, day) << run.region << " " << regions::isoDate(day);
            ++dates;
            for (const dating::Nearby& n : a.feasts) {
                ++lines;
                const clause::Answer answer =
                    clause::read(n.expression, {&r, std::nullopt, year_style::Style::Nieuwjaar});
                EXPECT_TRUE(std::any_of(answer.readings.begin(), answer.readings.end(),
                                        [&](const clause::Reading& reading) { return reading.day == day; }))
                    << run.region << " " << n.expression;
            }
        }
    }
    EXPECT_GT(dates, 300);
    EXPECT_GT(lines, 1000);
}

}  // namespace
