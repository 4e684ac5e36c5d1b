#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "clause.h"
#include "feasts.h"
#include "input_error.h"
#include "lexicon.h"
#include "reference.h"
#include "regions.h"

namespace {

using ref::Cal;

// The serial day (calendar.h) of a date, by the reference's Julian day numbers.
std::int64_t serial(Cal cal, ref::i64 d, ref::i64 m, ref::i64 y) {
    return ref::jdn(cal, d, m, y) - ref::jdn(Cal::Gregorian, 1, 1, 1970);
}

clause::Answer readIt(const std::string& text, std::optional<int> century = std::nullopt,
                      year_style::Style style = year_style::Style::Nieuwjaar) {
    return clause::read(text, {&regions::defaultRegion(), century, style});
}

std::string errorOf(const std::string& text, std::optional<int> century = std::nullopt) {
    try {
        const clause::Answer a = readIt(text, century);
        return "read as " + a.readings.front().text;
    } catch (const InputError& e) {
        return e.what();
    }
}

struct Worked {
    const char* clause;
    std::optional<int> century;
    int d, m, y;          // Julian, worked out by hand
    const char* reading;  // nullptr: not checked
};

// One reading, on the day worked out, with its reading where the case gives one;
// with `text`, its text as the reference writes it too.
void expectWorked(const Worked& c, bool text) {
    SCOPED_TRACE(c.clause);
    try {
        const clause::Answer a = readIt(c.clause, c.century);
        ASSERT_EQ(a.readings.size(), 1U);
        const clause::Reading& r = a.readings.front();
        EXPECT_EQ(r.day, serial(Cal::Julian, c.d, c.m, c.y));
        if (text) {
            EXPECT_EQ(r.text, ref::textOf(c.d, c.m, c.y));
        }
        if (c.reading != nullptr) {
            EXPECT_EQ(r.reading, c.reading);
        }
    } catch (const InputError& e) {
        ADD_FAILURE() << e.what();
    }
}

// The clauses of the request, each worked out by hand (Julian, the default region):
// Sint-Maarten 1450 a Wednesday, Sint-Niklaas 1339 a Monday, Sint-Remigius 1316 a
// Friday, Sint-Thomas 1321 a Monday, Sint-Jan 1450 a Wednesday, Sint-Andries 1450 a
// Monday; the Roman days counted backwards inclusively from the Kalends, Nones, Ides.
// The Baptist's Nativity 1280 (24 June) a Monday, its eve a Sunday: "Johannis
// Baptiste" is never the Evangelist; "mil CCC et dis" is 1310, 1 May a Friday.
TEST(Clause, WorkedExamples) {
    const std::vector<Worked> cases{
        {"in vigilia beati Johannis Baptiste anno Domini M CC LXXX",
         {},
         23,
         6,
         1280,
         "vooravond van Sint-Jan 1280"},
        {"le jour de may l'an mil CCC et dis", {}, 1, 5, 1310, "Meidag 1310"},
        {"Actum Tornaci anno d. i. MLXXXVIII feria V. XVII. kal. aprilis",
         {},
         16,
         3,
         1088,
         "donderdag 16 maart 1088"},
        {"anno Domini M CCC vicesimo primo, feria sexta ante festum beati Thome apostoli",
         {},
         18,
         12,
         1321,
         "vrijdag voor Sint-Thomas 1321"},
        {"des woensdaghes na sinte Niclaeys dach int jaer XXXIXo", 1300, 8, 12, 1339,
         "woensdag na Sint-Niklaas 1339"},
        {"le delundi apries le saint Remi en lan de grasce mil trois cens et seze",
         {},
         4,
         10,
         1316,
         "maandag na Sint-Remigius 1316"},
        {"feria quarta post festum beati Martini anno Domini M CCCC L",
         {},
         18,
         11,
         1450,
         "woensdag na Sint-Maarten 1450"},
        {"in crastino beati Laurentii martyris anno Domini millesimo quadringentesimo",
         {},
         11,
         8,
         1400,
         "11 augustus 1400"},
        {"III nonas Martii 1450", {}, 5, 3, 1450, "5 maart 1450"},
        {"pridie idus Octobris 1450", {}, 14, 10, 1450, "14 oktober 1450"},
        {"XVIII kal. Ianuarii 1450", {}, 15, 12, 1450, "15 december 1450"},
        {"bis VI kal. Martii 1452", {}, 24, 2, 1452, "24 februari 1452"},
        {"VI kal. Martii 1452", {}, 25, 2, 1452, "25 februari 1452"},
        {"des saterdaghes na sinte Jans dach te midzomer int jaer ons Heren dusent vierhondert ende vijftich",
         {},
         27,
         6,
         1450,
         "zaterdag na Sint-Jan 1450"},
        {"le merkedi apres le feste saint Andrieu l'an mil quatre cens et cinquante",
         {},
         2,
         12,
         1450,
         "woensdag na Sint-Andries 1450"},
        // Roman days: the rules of the count, a leap year and not.
        {"IIII nonas Ianuarii 1450", {}, 2, 1, 1450, nullptr},
        {"VIII idus Aprilis 1450", {}, 6, 4, 1450, nullptr},
        {"VII kal. Martii 1452", {}, 23, 2, 1452, nullptr},
        {"V kal. Martii 1452", {}, 26, 2, 1452, nullptr},
        {"pridie kal. Martii 1452", {}, 29, 2, 1452, nullptr},
        {"pridie kal. Martii 1450", {}, 28, 2, 1450, nullptr},
        {"VI kal. Martii 1450", {}, 24, 2, 1450, nullptr},
        {"bissextus 1452", {}, 24, 2, 1452, nullptr},
        {"XVII kal. Aprilis 1450", {}, 16, 3, 1450, nullptr},
        {"XIX kal. Ianuarii 1450", {}, 14, 12, 1450, nullptr},
        {"kalendis Maii 1450", {}, 1, 5, 1450, nullptr},
        {"idibus Martii 1450", {}, 15, 3, 1450, nullptr},
        {"nonis Februarii 1450", {}, 5, 2, 1450, nullptr},
        {"iij idus Octobris 1450", {}, 13, 10, 1450, nullptr},
        {"xvij kal. aprilis 1450", {}, 16, 3, 1450, nullptr},
        {"VIIII kal. Maii 1450", {}, 23, 4, 1450, nullptr},
        {"quinto idus martii 1450", {}, 11, 3, 1450, nullptr},
        // Counted days and plain dates, with a weekday in front that checks them.
        {"vicesima quinta die mensis novembris anno Domini 1314", {}, 25, 11, 1314, "25 november 1314"},
        {"des vierden daghes in maerte 1314", {}, 4, 3, 1314, nullptr},
        {"tiene daghe in marthe 1314", {}, 10, 3, 1314, nullptr},
        {"wijt jours en avril 1314", {}, 8, 4, 1314, nullptr},
        {"le premier jour de may 1314", {}, 1, 5, 1314, nullptr},
        {"den vij.sten dach van Meye 1450", {}, 7, 5, 1450, "7 mei 1450"},
        {"den xvien September 1450", {}, 16, 9, 1450, nullptr},
        {"le IIe jour d'aoust 1450", {}, 2, 8, 1450, nullptr},
        {"den xxviij sten dach van Maerte 1450", {}, 28, 3, 1450, nullptr},
        {"le vint-cinquiesme jour de mars 1450", {}, 25, 3, 1450, nullptr},
        {"16 maart 1088", {}, 16, 3, 1088, "16 maart 1088"},
        {"16/3/1088", {}, 16, 3, 1088, "16 maart 1088"},
        {"donderdag 16/3/1088", {}, 16, 3, 1088, "donderdag 16 maart 1088"},
        // Relations: Sint-Maarten 1450 (Wednesday), Easter 1450 on 5 April.
        {"vigilia beati Martini 1450", {}, 10, 11, 1450, "vooravond van Sint-Maarten 1450"},
        {"in octava beati Martini 1450", {}, 18, 11, 1450, "octaaf van Sint-Maarten 1450"},
        {"in quindena beati Martini 1450", {}, 25, 11, 1450, "25 november 1450"},
        {"feria tertia infra octavas Pasche 1450", {}, 7, 4, 1450, "dinsdag 7 april 1450"},
        {"dominica qua cantatur Reminiscere 1450", {}, 1, 3, 1450, "Reminiscere 1450"},
        {"le dymenge ke on cantera Letare 1450", {}, 15, 3, 1450, "Halfvasten 1450"},
        {"Midvasten 1450", {}, 15, 3, 1450, "Halfvasten 1450"},
        {"les Brandons 1450", {}, 22, 2, 1450, "Eerste zondag van de Vasten 1450"},
        // Sint-Matteüs 1455 a Sunday (1450 a Monday, then +1, +2 over a leap day, +1, +1).
        {"le samedy vigile de le saint Mahieu 1455", {}, 20, 9, 1455, "vooravond van Sint-Matteüs 1455"},
        {"dinsdag naest sinte Mertens dach 1450", {}, 17, 11, 1450, "dinsdag na Sint-Maarten 1450"},
        {"tsaterdachs naer aschdach 1450", {}, 21, 2, 1450, "zaterdag na Aswoensdag 1450"},
        {"in dominica secunda post festum sanctissimi sacramenti 1376",
         {},
         22,
         6,
         1376,
         "tweede zondag na Sacramentsdag 1376"},
        {"de tweede zondag na Pinksteren 1450", {}, 7, 6, 1450, "tweede zondag na Pinksteren 1450"},
        {"28e zondag na Pinksteren 1450", {}, 6, 12, 1450, "achtentwintigste zondag na Pinksteren 1450"},
        {"Paasavond 1450", {}, 4, 4, 1450, "vooravond van Pasen 1450"},
        {"Pinksteravond 1450", {}, 23, 5, 1450, "vooravond van Pinksteren 1450"},
        {"le jour St Jehan-Baptiste ensuivant 1450", {}, 24, 6, 1450, "Sint-Jan 1450"},
        // Years in words and numerals.
        {"Pasen anno Domini millesimo trecentesimo vicesimo primo", {}, 19, 4, 1321, nullptr},
        {"Pasen M CCC quarto decimo", {}, 7, 4, 1314, nullptr},
        {"Pasen dusentech drie hondert ende twee ende dertech", {}, 19, 4, 1332, nullptr},
        {"Pasen M CCC zes ende twintich", {}, 23, 3, 1326, nullptr},
        {"Pasen int jaer vierendetwintich", 1300, 15, 4, 1324, nullptr},
        {"Pasen l'an mil deuz cenz quatre vins et trois", {}, 18, 4, 1283, nullptr},
        {"Pasen Mo CCCo vint et un", {}, 19, 4, 1321, nullptr},
        {"Pasen M°CCC°XXV°", {}, 7, 4, 1325, nullptr},
        {"Pasen mccc xxv", {}, 7, 4, 1325, nullptr},
        {"Pasen anno sextodecimo", 1300, 11, 4, 1316, nullptr},
    };
    for (const Worked& c : cases) expectWorked(c, true);
}

// Words that are neither day nor year are reported as typed, in their order.
TEST(Clause, SkippedWords) {
    struct Case {
        const char* clause;
        const char* skipped;
    };
    const std::vector<Case> cases{
        {"Actum Tornaci anno d. i. MLXXXVIII feria V. XVII. kal. aprilis", "Actum Tornaci"},
        {"Datum in die Haghe op sinte Jans dach 1450", "Datum in die Haghe"},
        {"regni vero nostri anno primo, anno Domini 1450 in festo Pasche", "regni vero nostri anno primo"},
        {"feria quarta post festum beati Martini anno Domini M CCCC L", ""},
        {"dinsdag na Sint-Maarten 1450", ""},
        {"le jour St Jehan-Baptiste ensuivant 1450", "ensuivant"},
        {"des manendaghes na sinte Mertens dach naist comende 1450", "naist comende"},
        {"Ghegheven des dinsdaghes na sinte Mertens dach int jaer 1450 voerseit", "Ghegheven voerseit"},
    };
    for (const Case& c : cases) EXPECT_EQ(readIt(c.clause).skipped, c.skipped) << c.clause;
    EXPECT_EQ(readIt("Pasen anno 1450 indictione XIII").indiction, 13);
    EXPECT_EQ(readIt("Pasen anno 1450").indiction, std::nullopt);
}

// Spellings in neither the table nor the forms file, folded to one that is; text
// pasted with decomposed accents and Unicode spaces.
TEST(Clause, FoldedSpellingsAndPastedText) {
    struct Case {
        std::string clause;
        int d, m, y;
    };
    const std::vector<Case> cases{
        {"Nycolai 1450", 6, 12, 1450},
        {"sinte Mertyns dach 1450", 11, 11, 1450},
        {"Remigy 1450", 1, 10, 1450},
        {"festum sancti Nicholai 1450", 6, 12, 1450},
        {"Sint-Matteu\xcc\x88s 1450", 21, 9, 1450},  // u + combining diaeresis
        {"dinsdag\xc2\xa0na Sint-Maarten\xe2\x80\xaf"
         "1450",
         17, 11, 1450},
        {"dinsdag\xe2\x80\x83na\tSint\xe2\x80\x91Maarten 1450", 17, 11, 1450},
        {"DES WOENSDAGHES NA SINTE NICLAEYS DACH 1339", 8, 12, 1339},
        {"feria 2a post Pascha 1450", 6, 4, 1450},
        {"feria II post Pascha 1450", 6, 4, 1450},
        {"feria IIII post Pascha 1450", 8, 4, 1450},
    };
    for (const Case& c : cases) {
        try {
            EXPECT_EQ(readIt(c.clause).readings.front().day, serial(Cal::Julian, c.d, c.m, c.y)) << c.clause;
        } catch (const InputError& e) {
            ADD_FAILURE() << c.clause << ": " << e.what();
        }
    }
}

TEST(Clause, Refused) {
    struct Case {
        std::string clause;
        const char* says;  // a part of the message
        std::optional<int> century;
    };
    const std::vector<Case> cases{
        {"", "lege uitdrukking", {}},
        {"   ", "lege uitdrukking", {}},
        {"Pasen " + std::string(1000, 'x'), "te lang", {}},
        {"Pasen 1450\x01", "stuurteken", {}},
        {"Pasen 1450\xc2\x85", "stuurteken", {}},
        {"Pasen \xff"
         "1450",
         "geen geldige UTF-8",
         {}},
        {"Pasen \xc0\xaf 1450", "geen geldige UTF-8", {}},
        {"1450", "voor het jaartal 1450 ontbreekt de naam van een feest", {}},
        {"Pasen Pinksteren 1450", "twee dagen", {}},
        {"Pasen 1450 1451", "twee jaartallen", {}},
        {"XXV kal. Martii 1450", "de telling loopt hier tot 16", {}},
        {"X idus Aprilis 1450", "de telling loopt hier tot 8", {}},
        {"V nonas Ianuarii 1450", "de telling loopt hier tot 4", {}},
        {"XX kal. Ianuarii 1450", "de telling loopt hier tot 19", {}},
        {"bis VI kal. Martii 1450", "geen schrikkeljaar", {}},
        {"Pasen dusent dusent", "telt niet op", {}},
        {"Pasen anno XXXIXo", "zonder eeuw", {}},
        {"Pasen anno XXXIXo", "geen veelvoud van 100", 1350},
        {"Pasen anno XXXIXo", "geen veelvoud van 100", 2100},
        {"vrijdag XVII kal. aprilis 1088", "17 kal. april 1088 is een donderdag, geen vrijdag", {}},
        {"dinsdag 16 maart 1088", "16 maart 1088 is een donderdag, geen dinsdag", {}},
        {"infra octavas Pasche 1450", "reeks van zeven dagen", {}},
        {"post festum beati Martini 1450", "ontbreekt de weekdag", {}},
        {"Sint-Pieter 1450",
         "onbekend feest \"Sint-Pieter\"; het dichtst bij: Sint-Pieters Stoel, Sint-Pietersbanden, "
         "Sint-Pieter en Paulus",
         {}},
        {"feria quarta post festum beati Xyzzy 1450", "onbekend feest \"festum beati Xyzzy\"", {}},
        {"le samedy vigile de le saint Mahieu 1450",
         "vooravond van Sint-Matteüs 1450 is een zondag, geen zaterdag",
         {}},
        {"31/4/1450", "bestaat niet", {}},
        {"Pasen indictione 1450", "het jaartal ontbreekt: \"1450\" na \"indictione\" telt als controle", {}},
    };
    for (const Case& c : cases) {
        const std::string message = errorOf(c.clause, c.century);
        EXPECT_NE(message.find(c.says), std::string::npos) << c.clause << ": " << message;
        EXPECT_EQ(message.find('\n'), std::string::npos);
    }
}

// Kinds of clause common in Flemish and Brabant charters, each day worked out by
// hand (Julian, the year from 1 January): St Peter's Chains 1320 (1 August) a
// Friday; St Andrew 1370 (30 November) a Friday, its eve the 29th; 17 February
// 1483 and 13 July 1404 counted days; Candlemas 2 February; the Conversion of St
// Paul 1350 (25 January) a Monday, so the Monday before it is the 18th; St Martin
// 11 November, the next day the 12th; Easter 1350 on 28 March, so Oculi (28 days
// before) on Sunday 28 February; All Saints 1 November; St Bavo 1 October.
TEST(Clause, FlemishAndBrabantCharters) {
    // clang-format off
    const std::vector<Worked> cases{
        // The clause's own preamble before the date.
        {"Dit was ghedaen int jaer ons Heren M CCC ende twintich, des dinsdaghes na sinte Pieters dach ad vincula", {}, 5, 8, 1320, nullptr},
        {"Dit gheschiede int jaer ons Heren MCCC ende zeventich op sente Andries avont", {}, 29, 11, 1370, nullptr},
        {"int jaer ons Heren MCCC ende zeventich op sente Andries avont", {}, 29, 11, 1370, nullptr},
        {"gegeven int jaer ons Heren M CCC ende twintich, des dinsdaghes na sinte Pieters dach ad vincula", {}, 5, 8, 1320, nullptr},
        // "ten" and "ter": "te den", "te der".
        {"int jaer ons Heren duust vierhondert ende viere op ten XIIIsten dach van Hoymaent", {}, 13, 7, 1404, "13 juli 1404"},
        {"ter Lichtmesse 1350", {}, 2, 2, 1350, "Lichtmis 1350"},
        // The tens as written in Flanders and Brabant.
        {"int jaer ons Heren dusent vierhondert tachtentich ende drie, den XVIIen dach in Sporkele", {}, 17, 2, 1483, "17 februari 1483"},
        // The relation's spellings.
        {"des manendaghes voir sinte Pauwels dach conversio 1350", {}, 18, 1, 1350, nullptr},
        {"des naesten daghes na Sente Martins dach 1350", {}, 12, 11, 1350, nullptr},
        {"des naisten daghes na Sente Martins dach 1350", {}, 12, 11, 1350, nullptr},
        // The month before its day.
        {"in Ougst den VIIIen dach 1350", {}, 8, 8, 1350, "8 augustus 1350"},
        {"in Ougst den VIII dach 1350", {}, 8, 8, 1350, "8 augustus 1350"},
        // The Sunday by its introit, as "qua cantatur": Oculi is Easter less 28 days.
        {"des sondaghes als men singt Oculi 1350", {}, 28, 2, 1350, "Oculi 1350"},
        {"des maendaghes na den sondach als men singhet Oculi 1350", {}, 1, 3, 1350, nullptr},
        // Feasts: All Saints 1 November, St Bavo 1 October, the winter Martin.
        {"up Alre Heleghen dach 1350", {}, 1, 11, 1350, "Allerheiligen 1350"},
        {"te Bamesse 1350", {}, 1, 10, 1350, "Sint-Bavo 1350"},
        {"te Sente Baefsmesse 1350", {}, 1, 10, 1350, "Sint-Bavo 1350"},
        {"Sente Martins dach te wintere 1350", {}, 11, 11, 1350, "Sint-Maarten 1350"},
    };
    // clang-format on
    for (const Worked& c : cases) expectWorked(c, false);
    EXPECT_EQ(
        readIt("Dit was ghedaen int jaer ons Heren M CCC ende twintich, des dinsdaghes na sinte Pieters "
               "dach ad vincula")
            .skipped,
        "Dit was ghedaen");
}

// The new words fill or join, never stand for a word the reader does not know: a
// made-up word among them is still refused, named where it breaks a name or number,
// and else by the date word it leaves without its place.
TEST(Clause, FlemishAndBrabantChartersStillRefuseUnknownWords) {
    struct Case {
        const char* clause;
        const char* says;
    };
    const std::vector<Case> cases{
        {"Dit was ghedaen int jaer ons Heren M CCC ende twintich, des dinsdaghes blorf na sinte Pieters dach "
         "ad vincula",
         "voor \"na\" ontbreekt de weekdag"},
        {"int jaer ons Heren MCCC ende zeventich blorf op sente Andries avont", "\"blorf\""},
        {"op ten XIIIsten dach blorf van Hoymaent 1404", "\"blorf\""},
        {"int jaer ons Heren duust vierhondert blorf ende viere op ten XIIIsten dach van Hoymaent",
         "twee jaartallen"},
        {"des manendaghes voir blorf sinte Pauwels dach conversio 1350", "\"voir\" past nergens"},
        {"des naesten daghes blorf na Sente Martins dach 1350", "voor \"na\" ontbreekt de weekdag"},
        {"Pasen int jaer ons Heren dusent vierhondert tientich", "\"tientich\""},
        {"des sondaghes als men singt blorf 1350", "\"blorf\""},
        {"in Ougst den VIIIen dach blorf 1350", "\"blorf\""},
        // A bare number after the article may be no day: not read as one.
        {"in Ougst den VIII 1350", "ontbreekt de naam van een feest"},
        // Winter names the 11 November Martin only: St John in winter is no Baptist.
        {"sinte Jans dach te wintere 1350", "\"wintere\""},
        // "voir" is a relation: it needs its weekday as "voor" does.
        {"voir sinte Pauwels dach conversio 1350", "ontbreekt de weekdag"},
    };
    for (const Case& c : cases) {
        const std::string message = errorOf(c.clause);
        EXPECT_NE(message.find(c.says), std::string::npos) << c.clause << ": " << message;
    }
}

// In the Easter style "10 april 1491" names two days (Easter 1491 fell on 3 April,
// 1492 on 22 April): Sunday 10 April 1491 and Tuesday 10 April 1492. A weekday that
// fits neither is refused with both, so that the reader sees which year fits what.
TEST(Clause, AWeekdayThatFitsNoReadingNamesEach) {
    clause::Options easter;
    easter.style = year_style::Style::Pasen;
    const struct {
        const char* clause;
        const char* says;
    } cases[] = {
        {"woensdag 10 april 1491", "10 april 1491 is een zondag en 10 april 1492 een dinsdag, geen woensdag"},
        {"feria quarta X aprilis 1491",
         "10 april 1491 is een zondag en 10 april 1492 een dinsdag, geen woensdag"},
    };
    for (const auto& c : cases) {
        try {
            clause::read(c.clause, easter);
            ADD_FAILURE() << c.clause << " was read";
        } catch (const InputError& e) {
            EXPECT_EQ(std::string{e.what()}, c.says) << c.clause;
        }
    }
    EXPECT_EQ(clause::read("zondag 10 april 1491", easter).readings.size(), 1U);
}

// The year's numbers a scribe wrote beside the date are checks of each reading's
// day, never its year nor a day; worked out by hand. 1450 (Julian): indiction
// (1450 + 3) mod 15 = 13, from September 14; golden number 1450 mod 19 + 1 = 7,
// epact 11 x 6 mod 30 = 6; 24 March 1450 a Tuesday, 12 days before Easter (5 April),
// so concurrent 3; solar cycle (1450 + 9) mod 28 = 3. 1449: indiction 12 (13 from
// September), golden number 6. 1444: golden number 1, epact 0. 1088: indiction 11.
// 1491: indiction 9, golden number 10; 1492: indiction 10, golden number 11.
// 2000 (Gregorian): indiction 8, golden number 6, epact 24, 24 March a Friday
// (concurrent 6), solar cycle 21; its Julian epact 11 x 5 mod 30 = 25.
struct Day {
    Cal cal;
    int d, m, y;
};

struct Checked {
    const char* clause;
    year_style::Style style;
    const char* region;
    std::vector<Day> days;  // the readings left, in date order; none: refused
    const char* answer;     // the first reading's reading, or the refusal
};

TEST(Clause, TheYearsNumbersAreChecks) {
    using year_style::Style;
    constexpr const char* kHere = "zuidelijke-nederlanden";
    const Day martin{Cal::Julian, 11, 11, 1450};
    // clang-format off
    const std::vector<Checked> cases{
        {"anno Domini M CCCC L indictione XIII in festo sancti Martini", Style::Nieuwjaar, kHere, {martin}, "Sint-Maarten 1450"},
        {"anno Domini M CCCC L indictione XIV in festo sancti Martini", Style::Nieuwjaar, kHere, {martin}, "Sint-Maarten 1450"},
        {"anno Domini M CCCC L indictione tertia decima in festo sancti Martini", Style::Nieuwjaar, kHere, {martin}, nullptr},
        {"anno Domini M CCCC L indictione quarta decima in festo sancti Martini", Style::Nieuwjaar, kHere, {martin}, nullptr},
        {"le jour saint Martin 1450 indiction XIV", Style::Nieuwjaar, kHere, {martin}, nullptr},
        {"Sint-Maarten 1450 indictie XIII", Style::Nieuwjaar, kHere, {martin}, "Sint-Maarten 1450"},
        {"anno Domini M CCCC L indictione XII in festo sancti Martini", Style::Nieuwjaar, kHere, {},
         "indictie XII past niet bij 1450: 13, vanaf september 14"},
        // Before September only the indiction from January.
        {"Pasen 1450 indictione XIII", Style::Nieuwjaar, kHere, {{Cal::Julian, 5, 4, 1450}}, "Pasen 1450"},
        {"Pasen 1450 indictione XIV", Style::Nieuwjaar, kHere, {},
         "indictie XIV past niet bij 1450: 13, vanaf september 14"},
        {"Pasen 1450 indictione X", Style::Nieuwjaar, kHere, {},
         "indictie X past niet bij 1450: 13, vanaf september 14"},
        {"Martini 1450 epacta VI", Style::Nieuwjaar, kHere, {martin}, "Sint-Maarten 1450"},
        {"Martini 1450 epacta VII", Style::Nieuwjaar, kHere, {}, "epacta VII past niet bij 1450: 6"},
        {"Martini 1450 epacta V", Style::Nieuwjaar, kHere, {}, "epacta V past niet bij 1450: 6"},
        {"Martini 1444 epacta nulla", Style::Nieuwjaar, kHere, {{Cal::Julian, 11, 11, 1444}}, nullptr},
        {"Martini 1450 epacta nullae", Style::Nieuwjaar, kHere, {}, "epacta nullae past niet bij 1450: 6"},
        {"Martini 1444 epacta XI", Style::Nieuwjaar, kHere, {}, "epacta XI past niet bij 1444: 0"},
        {"Martini 1450 concurrente III", Style::Nieuwjaar, kHere, {martin}, nullptr},
        {"Martini 1450 concurrentes IV", Style::Nieuwjaar, kHere, {}, "concurrent IV past niet bij 1450: 3"},
        {"Martini 1450 cyclo solari III", Style::Nieuwjaar, kHere, {martin}, nullptr},
        {"Martini 1450 ciclo solari XXVIII", Style::Nieuwjaar, kHere, {}, "zonnecirkel XXVIII past niet bij 1450: 3"},
        {"Martini 1450 aureo numero VII", Style::Nieuwjaar, kHere, {martin}, nullptr},
        {"Martini 1450 numero aureo VI", Style::Nieuwjaar, kHere, {}, "gulden getal VI past niet bij 1450: 7"},
        {"Martini 1450 indictione XIV epacta VI concurrente III cyclo solari III aureo numero VII",
         Style::Nieuwjaar, kHere, {martin}, "Sint-Maarten 1450"},
        {"Martini 1450 indictione XIV epacta VI concurrente II", Style::Nieuwjaar, kHere, {},
         "concurrent II past niet bij 1450: 3"},
        // With a weekday that is a check too: the reading keeps its weekday in front.
        {"feria V. XVII. kal. aprilis 1088 indictione XI", Style::Nieuwjaar, kHere, {{Cal::Julian, 16, 3, 1088}},
         "donderdag 16 maart 1088"},
        // The number after a check word is not the year.
        {"in festo Pasche indictione XIII anno Domini 1450", Style::Nieuwjaar, kHere, {{Cal::Julian, 5, 4, 1450}}, nullptr},
        // Two readings of an Easter-style year: the number picks one.
        {"10 april 1491 indictione X", Style::Pasen, kHere, {{Cal::Julian, 10, 4, 1492}}, "10 april 1492"},
        {"10 april 1491 indictione IX", Style::Pasen, kHere, {{Cal::Julian, 10, 4, 1491}}, "10 april 1491"},
        {"10 april 1491 aureo numero XI", Style::Pasen, kHere, {{Cal::Julian, 10, 4, 1492}}, nullptr},
        {"10 april 1491 indictione XI", Style::Pasen, kHere, {},
         "indictie XI past niet bij 1491: 9, vanaf september 10; "
         "indictie XI past niet bij 1492: 10, vanaf september 11"},
        {"dinsdag 10 april 1491 indictione IX", Style::Pasen, kHere, {}, "indictie IX past niet bij 1492: 10, vanaf september 11"},
        // The year of the reading's own day: Sint-Stefanus 1450 from Christmas is 1449's.
        {"Sint-Stefanus 1450 indictione XII", Style::Kerst, kHere, {{Cal::Julian, 26, 12, 1449}}, nullptr},
        {"Sint-Stefanus 1450 indictione XIII", Style::Kerst, kHere, {{Cal::Julian, 26, 12, 1449}}, nullptr},
        {"Sint-Stefanus 1450 indictione XIV", Style::Kerst, kHere, {},
         "indictie XIV past niet bij 1449: 12, vanaf september 13"},
        {"Sint-Stefanus 1450 aureo numero VII", Style::Kerst, kHere, {}, "gulden getal VII past niet bij 1449: 6"},
        // The calendar the region keeps: Gregorian Easter 2000 on 23 April, Julian on 17 April.
        {"Pasen 2000 epacta XXIV indictione VIII concurrente VI cyclo solari XXI aureo numero VI",
         Style::Nieuwjaar, kHere, {{Cal::Gregorian, 23, 4, 2000}}, "Pasen 2000"},
        {"Pasen 2000 epacta XXV", Style::Nieuwjaar, kHere, {}, "epacta XXV past niet bij 2000: 24"},
        {"Pasen 2000 epacta XXV", Style::Nieuwjaar, "juliaans", {{Cal::Julian, 17, 4, 2000}}, nullptr},
    };
    // clang-format on
    for (const Checked& c : cases) {
        SCOPED_TRACE(c.clause);
        try {
            const clause::Answer a = clause::read(c.clause, {regions::find(c.region), std::nullopt, c.style});
            ASSERT_EQ(a.readings.size(), c.days.size()) << "read as " << a.readings.front().text;
            for (std::size_t i = 0; i < c.days.size(); ++i)
                EXPECT_EQ(a.readings[i].day, serial(c.days[i].cal, c.days[i].d, c.days[i].m, c.days[i].y));
            if (c.answer != nullptr) {
                EXPECT_EQ(a.readings.front().reading, c.answer);
            }
            // The check's words are used, not skipped.
            EXPECT_EQ(a.skipped, "");
        } catch (const InputError& e) {
            EXPECT_TRUE(c.days.empty()) << e.what();
            if (c.answer != nullptr) {
                EXPECT_EQ(std::string{e.what()}, c.answer);
            }
        }
    }
    // Words around the check are skipped as before; a check word without its number
    // is a skipped word; the indiction is kept for the caller.
    const clause::Answer brugge =
        readIt("Datum Brugis anno Domini M CCCC L indictione XIII in festo sancti Martini");
    EXPECT_EQ(brugge.skipped, "Datum Brugis");
    EXPECT_EQ(brugge.indiction, 13);
    const clause::Answer bare = readIt("Pasen 1450 indictione");
    EXPECT_EQ(bare.skipped, "indictione");
    EXPECT_EQ(bare.indiction, std::nullopt);
    EXPECT_EQ(bare.readings.front().day, serial(Cal::Julian, 5, 4, 1450));
}

// A clause that ends where a Roman day expects more words is read without them.
TEST(Clause, EndsInTheMiddleOfARomanDay) {
    const clause::Answer a = readIt("Pasen 1450 bis");
    EXPECT_EQ(a.readings.front().day, ref::easter(1450) - ref::jdn(Cal::Gregorian, 1, 1, 1970));
    EXPECT_EQ(a.skipped, "bis");
    for (const char* text : {"bis", "VI kal.", "III nonas", "pridie", "bis VI"})
        EXPECT_THROW(readIt(text), InputError) << text;
}

// The year is that of the day named: the readings are the days named with the feast
// of the year before, the year and the year after that fall in the year.
TEST(Clause, YearOfTheDayNamed) {
    // A year whose Christmas before fell on a Sunday and that is no leap year: the
    // Sunday after Christmas is 1 January and again 31 December.
    int year = 1301;
    while (ref::weekday(ref::jdn(Cal::Julian, 25, 12, year - 1)) != 0 || year % 4 == 0) ++year;
    const clause::Answer two = readIt("zondag na Kerstmis " + std::to_string(year));
    ASSERT_EQ(two.readings.size(), 2U);
    EXPECT_EQ(two.readings[0].day, serial(Cal::Julian, 1, 1, year));
    EXPECT_EQ(two.readings[1].day, serial(Cal::Julian, 31, 12, year));
    for (const clause::Reading& r : two.readings) {
        const clause::Answer back = readIt(r.reading);
        EXPECT_TRUE(std::any_of(back.readings.begin(), back.readings.end(), [&](const clause::Reading& b) {
            return b.day == r.day;
        })) << r.reading;
    }

    // At the ends of the range: the eve of New Year 101 is the last day of 100, the
    // octave of New Year's Eve 2099 the 7th of January 2100; nothing outside is read.
    EXPECT_EQ(readIt("vooravond van Nieuwjaar 100").readings.front().day, serial(Cal::Julian, 31, 12, 100));
    EXPECT_EQ(readIt("octaaf van Oudjaarsavond 2100").readings.front().day,
              serial(Cal::Gregorian, 7, 1, 2100));
    EXPECT_THROW(readIt("Nieuwjaar 2101"), InputError);
    EXPECT_THROW(readIt("Oudjaarsavond 99", 0), InputError);

    // The year styles: Easter 1450 on 5 April, 1451 on 25 April (Julian).
    struct Styled {
        const char* clause;
        year_style::Style style;
        int d, m, y;
    };
    const std::vector<Styled> styled{
        {"Driekoningen 1450", year_style::Style::Pasen, 6, 1, 1451},
        {"Driekoningen 1450", year_style::Style::Boodschap, 6, 1, 1451},
        {"Sint-Stefanus 1450", year_style::Style::Kerst, 26, 12, 1449},
        {"Sint-Stefanus 1450", year_style::Style::Nieuwjaar, 26, 12, 1450},
        {"Sint-Marcus 1450", year_style::Style::Pasen, 25, 4, 1450},
        {"Paaszaterdag 1451", year_style::Style::Paaszaterdag, 24, 4, 1451},
        // Easter 1452 on 9 April: its Good Friday, 7 April, ends the style year 1451.
        {"Goede Vrijdag 1451", year_style::Style::Pasen, 7, 4, 1452},
        {"Goede Vrijdag 1451", year_style::Style::GoedeVrijdag, 23, 4, 1451},
        {"16 maart 1450", year_style::Style::Boodschap, 16, 3, 1451},
        {"26 december 1450", year_style::Style::Kerst, 26, 12, 1449},
    };
    for (const Styled& s : styled) {
        const clause::Answer a = readIt(s.clause, std::nullopt, s.style);
        ASSERT_FALSE(a.readings.empty()) << s.clause;
        EXPECT_EQ(a.readings.back().day, serial(Cal::Julian, s.d, s.m, s.y)) << s.clause;
    }
    // Goede Vrijdag 1451 (23 April 1451) lies before Easter 1451: in the Easter style
    // it belongs to the style year 1450, so the style year 1451 has the next one, 1452.
    EXPECT_EQ(readIt("Goede Vrijdag 1450", std::nullopt, year_style::Style::Pasen).readings.back().day,
              serial(Cal::Julian, 23, 4, 1451));
}

// Every form of the forms file, in a clause, gives its feast's day (or its eve,
// where the file says the form names the eve), in 1450.
TEST(Clause, EveryFeastFormOfTheFile) {
    const regions::Region& r = regions::defaultRegion();
    int forms = 0;
    for (const lexicon::FeastForm& f : lexicon::feastForms()) {
        const feasts::Feast* feast = feasts::findById(f.id);
        ASSERT_NE(feast, nullptr) << f.id;
        const bool eve = f.note.starts_with("eve of") || f.note.find(" Eve (") != std::string_view::npos;
        const std::int64_t day = feasts::occurrence(*feast, 1450, r)->day - (eve ? 1 : 0);
        const std::string text = std::string{f.form} + " 1450";
        try {
            const clause::Answer a = readIt(text);
            // A name other feasts share ("sinte Michiels dach", "saint Estienne") gives each of them.
            EXPECT_TRUE(std::any_of(a.readings.begin(), a.readings.end(),
                                    [&](const clause::Reading& x) { return x.day == day; }))
                << text << " read as " << a.readings.front().reading;
            EXPECT_EQ(a.skipped, "") << text;
        } catch (const InputError& e) {
            ADD_FAILURE() << text << ": " << e.what();
        }
        ++forms;
    }
    EXPECT_GT(forms, 400);
}

}  // namespace

namespace {

// Every word of the words file, put into a clause, reads as its meaning says:
// weekdays and relations against Sint-Maarten 1450 (a Wednesday), ordinals and
// numbers as the day of a month or as a year, months, Roman marks, year words.
TEST(Clause, EveryWordOfTheFile) {
    const std::int64_t martin = serial(Cal::Julian, 11, 11, 1450);
    const std::int64_t easter1450 = ref::easter(1450) - ref::jdn(Cal::Gregorian, 1, 1, 1970);
    int words = 0;
    for (const lexicon::Word& w : lexicon::clauseWords()) {
        const std::string form{w.form};
        const std::string meaning{w.meaning};
        const auto has = [&](std::string_view what) { return meaning.find(what) != std::string::npos; };
        std::string text;
        std::int64_t day = 0;
        std::optional<int> century;
        if (form.starts_with('-')) {
            // An ordinal ending after a Roman numeral: "den vijsten dach van Meye".
            text = "den vij" + form.substr(1) + " dach van Meye 1450";
            day = serial(Cal::Julian, 7, 5, 1450);
        } else if (form == "in die ... daghe") {
            // Within the feast's days: the Tuesday of Whitsun week (Pentecost 1450 on 24 May).
            text = "feria tertia in die Pinxter daghe 1450";
            day = serial(Cal::Julian, 26, 5, 1450);
        } else if (w.kind == "weekday") {
            const int weekday = *lexicon::weekdayIn(meaning);
            text = form + " na sinte Mertens dach 1450";
            day = martin + (weekday - 3 + 7) % 7 + ((weekday - 3 + 7) % 7 == 0 ? 7 : 0);
        } else if (w.kind == "relation") {
            if (has("chant") || has("sung")) {
                text = form + " Reminiscere 1450";
                day = easter1450 - 35;
            } else if (has("next coming") || has("following") || has("within")) {
                // Skipped after the feast ("naist comende"), or a range the weekday narrows.
                text = has("within") ? "dinsdag " + form + " Sint-Maarten 1450"
                                     : "dinsdag na Sint-Maarten " + form + " 1450";
                day = martin + 6;
            } else if (has("day after") || has("next day")) {
                text = form + " Sint-Maarten 1450";
                day = martin + 1;
            } else if (has("eve")) {
                text = form + " Sint-Maarten 1450";
                day = martin - 1;
            } else if (has("octave")) {
                text = form + " Sint-Maarten 1450";
                day = martin + 7;
            } else if (has("fortnight")) {
                text = form + " Sint-Maarten 1450";
                day = martin + 14;
            } else if (has("before")) {
                text = "dinsdag " + form + " Sint-Maarten 1450";
                day = martin - 1;
            } else if (has("after") || has("next")) {
                text = "dinsdag " + form + " Sint-Maarten 1450";
                day = martin + 6;
            } else {
                text = form + " Sint-Maarten 1450";
                day = martin;
            }
        } else if (w.kind == "ordinal" || w.kind == "number") {
            if (meaning.starts_with("and")) {
                text = "Pasen anno mil quatre cens " + form + " cinquante";
                day = easter1450;
            } else {
                const int n = *lexicon::numberIn(meaning);
                if (n >= 1 && n <= 31) {
                    text = form + " die mensis maii 1450";
                    day = serial(Cal::Julian, n, 5, 1450);
                } else {
                    const int year = n < 100 ? 1400 + n : n;
                    if (n < 100) century = 1400;
                    text = "Pasen anno " + form;
                    day = ref::easter(year) - ref::jdn(Cal::Gregorian, 1, 1, 1970);
                }
            }
        } else if (w.kind == "month") {
            const std::optional<int> m = lexicon::monthIn(meaning);
            if (!m) continue;  // "mensis": of the month
            text = "12 " + form + " 1450";
            day = serial(Cal::Julian, 12, *m, 1450);
        } else if (w.kind == "roman-day") {
            if (has("inserted")) {
                text = form + " VI kal. Martii 1452";
                day = serial(Cal::Julian, 24, 2, 1452);
            } else if (has("leap day")) {
                text = form + " 1452";
                day = serial(Cal::Julian, 24, 2, 1452);
            } else if (has("day before")) {
                text = form + " kal. Martii 1450";
                day = serial(Cal::Julian, 28, 2, 1450);
            } else {
                // III before the mark: the 5th of March before the Nones, the 13th before the
                // Ides, 27 February before the Kalends.
                text = "III " + form + " Martii 1450";
                day = has("Nones")  ? serial(Cal::Julian, 5, 3, 1450)
                      : has("Ides") ? serial(Cal::Julian, 13, 3, 1450)
                                    : serial(Cal::Julian, 27, 2, 1450);
            }
        } else if (w.kind == "last-day") {
            // The last day of February: the 29th in 1452, a Julian leap year.
            text = form + " die mensis februarii 1452";
            day = serial(Cal::Julian, 29, 2, 1452);
        } else if (w.kind == "year-intro") {
            text = "Pasen " + form + " 1450";
            day = easter1450;
        } else if (w.kind == "check") {
            // Sint-Maarten 1450 (after September): indiction 13 or, from September, 14;
            // epact 6, concurrent 3 (24 March a Tuesday), solar cycle 3, golden number 7.
            // An epact written as a word is 0: 1444, golden number 1.
            if (has("zero")) {
                text = "Sint-Maarten 1444 " + form;
                day = serial(Cal::Julian, 11, 11, 1444);
            } else {
                const char* value = has("indiction") ? "XIV"
                                    : has("epact")   ? "VI"
                                    : has("golden")  ? "VII"
                                                     : "III";
                text = "Sint-Maarten 1450 " + form + ' ' + value;
                day = martin;
            }
        } else if (w.kind == "approximate") {
            // Around a feast is no day.
            EXPECT_THROW(readIt(form + " Pasen 1450", century), InputError) << form;
            ++words;
            continue;
        } else if (w.kind == "place") {
            // The saint's name after a place's word is the place, passed over.
            text = "Pasen 1450 " + form + " Sint-Omaars";
            day = easter1450;
        } else if (w.kind == "year-note") {
            // Easter 1450 opens the style year 1450, and 1450 was Julian here anyway.
            text = "Pasen 1450 " + form;
            day = easter1450;
        } else if (w.kind == "qualifier") {
            // Beside a feast whose name it is not part of, a second feast's word is
            // never passed over: Easter has no translation.
            EXPECT_THROW(readIt("Pasen " + form + " 1450", century), InputError) << form;
            ++words;
            continue;
        } else if (w.kind == "filler") {
            text = has("indiction") || has("regnal") || has("pontifical") ? "Pasen 1450 " + form + " III"
                                                                          : "Pasen " + form + " 1450";
            day = easter1450;
        } else {
            ADD_FAILURE() << "kind " << w.kind;
            continue;
        }
        ++words;
        try {
            const clause::Answer a = readIt(text, century);
            EXPECT_EQ(a.readings.front().day, day)
                << text << " (" << w.kind << ": " << meaning << ") read as " << a.readings.front().reading;
        } catch (const InputError& e) {
            ADD_FAILURE() << text << " (" << w.kind << ": " << meaning << "): " << e.what();
        }
    }
    EXPECT_GT(words, 400);
}

// A reading given back gives the same day: every feast, bare and with each relation
// the modern grammar has, over several years and regions, and the clauses above.
TEST(Clause, ReadingsReadBack) {
    std::vector<std::string> clauses{
        "Actum Tornaci anno d. i. MLXXXVIII feria V. XVII. kal. aprilis",
        "in crastino beati Laurentii martyris anno Domini millesimo quadringentesimo",
        "feria tertia infra octavas Pasche 1450",
        "in quindena Pasche 1450",
        "zondag na Kerstavond 1450",
        "bis VI kal. Martii 1452",
        "bissextus 1452",
    };
    for (const feasts::Feast& f : feasts::table())
        for (int year : {1300, 1500, 1582, 1583, 2000})
            for (const char* relation :
                 {"", "vooravond van ", "octaaf van ", "dinsdag na ", "3e zaterdag voor "})
                clauses.push_back(relation + std::string{f.name} + ' ' + std::to_string(year));
    int readings = 0;
    for (const char* id : {"zuidelijke-nederlanden", "holland", "juliaans"}) {
        const regions::Region& r = *regions::find(id);
        for (const std::string& text : clauses) {
            clause::Answer a;
            try {
                a = clause::read(text, {&r, std::nullopt, year_style::Style::Nieuwjaar});
            } catch (const InputError&) {
                continue;  // a feast absent that year
            }
            for (const clause::Reading& reading : a.readings) {
                ++readings;
                const clause::Answer back =
                    clause::read(reading.reading, {&r, std::nullopt, year_style::Style::Nieuwjaar});
                EXPECT_TRUE(std::any_of(back.readings.begin(), back.readings.end(),
                                        [&](const clause::Reading& b) { return b.day == reading.day; }))
                    << id << ": " << text << " -> " << reading.reading;
            }
        }
    }
    EXPECT_GT(readings, 3000);
}

}  // namespace
