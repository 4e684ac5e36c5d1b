#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "clause.h"
#include "clause_numbers.h"
#include "clause_tokens.h"
#include "input_error.h"
#include "spelling.h"

namespace {

using clause::detail::Number;

std::optional<Number> numberOf(const std::string& text) {
    const std::vector<clause::Token> tokens = clause::tokenize(spelling::cleaned(text));
    return clause::detail::numberAt(tokens, 0);
}

std::size_t tokenCount(const std::string& text) {
    return clause::tokenize(spelling::cleaned(text)).size();
}

struct Worked {
    const char* text;
    long long value;  // worked out by hand
    bool ordinal;
};

// The phrase read whole as the number worked out, without an error.
void expectWhole(const Worked& c) {
    SCOPED_TRACE(c.text);
    const std::optional<Number> n = numberOf(c.text);
    ASSERT_TRUE(n.has_value());
    EXPECT_EQ(n->error, "");
    EXPECT_EQ(n->value, c.value);
    EXPECT_EQ(n->ordinal, c.ordinal);
    EXPECT_EQ(n->end, tokenCount(c.text));  // the whole phrase is the number
}

// Each whole phrase a number, worked out by hand: Latin ordinals in any case with
// Roman numerals among them and their marks, "IIIIc" four hundred; Old French
// twenties and teens; Middle Dutch compounds as one word; ordinals of each language.
TEST(Numbers, PhrasesReadWhole) {
    // clang-format off
    const std::vector<Worked> cases{
        {"MCCLX tercio", 1263, true}, {"Mº CCº octagesimo quinto", 1285, true}, {"Millº CCº LXº VIº", 1266, false},
        {"millesimo tricentesimo vicesimo", 1320, true}, {"millº CCC XXº secundo", 1322, true},
        {"M CC nonagesimo secundo", 1292, true}, {"millesimo CC quinquagesimo primo", 1251, true},
        {"millessimo trecentesimo sextodecimo", 1316, true}, {"mº cccº quartodecimo", 1314, true},
        {"Mº CCº LXXmo sexto", 1276, true}, {"millesimo ccº lxx mo secundo", 1272, true}, {"mcclx mo nono", 1269, true},
        {"mcclx° octavo", 1268, true},  // "octavo" also declines "octava", the octave
        {"MCC octavo decimo", 1218, true}, {"millesimo ducentesimo octuagesimo", 1280, true},
        {"vicessimo", 20, true}, {"vicesima prima", 21, true}, {"tricesimus", 30, true}, {"xiij", 13, false},
        {"M IIIIc L", 1450, false}, {"M IIII c L", 1450, false}, {"M ijc", 1200, false},
        {"mil ccc vint et sis", 1326, false}, {"mil trois cent quatrevingt", 1380, false},
        {"mil cc. quatre vinz et diz", 1290, false}, {"mil CCCC soixante et dix", 1470, false},
        {"quatre vins et dix", 90, false}, {"quatre-vingts", 80, false}, {"soixante et onze", 71, false},
        {"mil CCCC et L", 1450, false}, {"mil deus cens lxxxvii", 1287, false},
        {"mil deus cenz quatre vinz dis et nuef", 1299, false}, {"mil trois cent quatre vingt dixhuit", 1398, false},
        {"mil et deus cenz septente et sept", 1277, false}, {"trante et un", 31, false}, {"diis", 10, false},
        {"vingtième", 20, true}, {"XIIe", 12, true}, {"quatrième", 4, true}, {"cinquième", 5, true},
        {"sixiesme", 6, true}, {"second", 2, true},
        {"duysent vier hondert ende seven", 1407, false}, {"dusent vierhondert vierenveertich", 1444, false},
        {"dusentich vierhondert tweeentwintich", 1422, false}, {"duust drie hondert twintig", 1320, false},
        {"neghentiensten", 19, true}, {"derden", 3, true}, {"tweeden", 2, true}, {"eersten", 1, true},
        {"vierden", 4, true}, {"twintichsten", 20, true},
    };
    // clang-format on
    for (const Worked& c : cases) expectWhole(c);
}

// The tens as Flemish and Brabant scribes wrote them, beside the lexicon's own
// spellings: with or without the t' ("tachtich", "achtentich"), "-entich" beside
// "-tich", z for s; Roman numerals joined to a number word by "ende". Each worked
// out by hand.
TEST(Numbers, MiddleDutchTensAsScribesWroteThem) {
    const std::vector<Worked> cases{
        {"tachtentich", 80, false},
        {"achtentich", 80, false},
        {"tneghentich", 90, false},
        {"zeventich", 70, false},
        {"zestich", 60, false},
        {"vierentachtentich", 84, false},
        {"dusent vierhondert tachtentich ende drie", 1483, false},
        {"M CCC ende twintich", 1320, false},
        {"MCCC ende zeventich", 1370, false},
        {"duust vierhondert ende viere", 1404, false},
    };
    for (const Worked& c : cases) expectWhole(c);
    // Only a ten of the lexicon comes out of these spellings: "tien" (ten) with a
    // tens ending is no number, nor is the ending alone; the t' and "-en-" belong
    // to 70, 80 and 90 only.
    for (const char* word : {"tientich", "tentich", "entich", "tich", "tdertich", "twinentich", "tsestich"}) {
        SCOPED_TRACE(word);
        EXPECT_FALSE(numberOf(word).has_value());
    }
}

// Words that look a little like numbers, and are none: places, articles, the
// octave and the Nones, "secundum" (according to), tithes, the Lenten "Karesme".
// "entrent" (entering: "entrent aoust") no "en" and "trente", "ons" (our) no "onze".
TEST(Numbers, NearMissesAreNoNumber) {
    for (const char* word :
         {"die",   "de",      "domo",   "lo",   "do",     "Gandavi", "secundum", "octavis",    "octavam",
          "nonas", "decime",  "vierge", "mois", "achter", "dies",    "Sixti",    "septembris", "unum",
          "trium", "Karesme", "ende",   "et",   "iiixx",  "entrent", "Ons",      "Tiphaine"}) {
        SCOPED_TRACE(word);
        EXPECT_FALSE(numberOf(word).has_value());
    }
}

// Where a number phrase stops: at a comma, a relation, a feast's name, an unknown
// word. Broken by an unknown word that looks like a numeral, it is an error naming it.
TEST(Numbers, StopsWhereThePhraseEnds) {
    struct Stop {
        const char* text;
        long long value;
        std::size_t end;
        const char* broken;  // the word named in the error, or nullptr
    };
    for (const Stop& c :
         std::vector<Stop>{{"MCCC, secundo", 1300, 1, nullptr},
                           {"MCCC octava", 1300, 1, nullptr},
                           {"MCCLX Quadragesima", 1260, 1, nullptr},
                           {"M CC foo L", 1200, 2, nullptr},
                           {"1450 tercio", 1450, 1, nullptr},
                           {"MCCL vicesima prima die", 1250, 1, nullptr},
                           {"millesimo ducentesimo quinquagesimo prima die", 1250, 3, nullptr},
                           {"Mi careme 1500", 1001, 1, nullptr},
                           {"M CCC iiixx et quatorze", 0, 5, "\"iiixx\""},
                           {"M CC IIIIcx LX", 0, 4, "\"IIIIcx\""}}) {
        SCOPED_TRACE(c.text);
        const std::optional<Number> n = numberOf(c.text);
        ASSERT_TRUE(n.has_value());
        EXPECT_EQ(n->end, c.end);
        if (c.broken == nullptr) {
            EXPECT_EQ(n->value, c.value);
            EXPECT_EQ(n->error, "");
        } else {
            EXPECT_NE(n->error.find(c.broken), std::string::npos) << n->error;
        }
    }
}

// Whole clauses, each day worked out by hand (Julian): Sint-Maarten 1450 a
// Wednesday, so the second Sunday after it is 22 November; Easter 1450 on 5 April,
// Septuagesima 63 days before; Easter 1260 on 4 April, Quadragesima 42 days before
// in a leap year.
TEST(Numbers, ClausesReadToTheirDay) {
    struct Case {
        const char* clause;
        const char* date;  // YYYY-MM-DD, Julian
    };
    for (const Case& c : std::vector<Case>{
             {"Sint-Maarten anno M IIIIc L", "1450-11-11"},
             {"die vicesima prima mensis Octobris anno MCCCLVI", "1356-10-21"},
             {"le vingtième jour de may l'an mil CCCC L", "1450-05-20"},
             {"den neghentiensten dach in Junio 1450", "1450-06-19"},
             {"op den derden dach van meye 1450", "1450-05-03"},
             {"le XIIe jour d'avril 1450", "1450-04-12"},
             {"le second jour de fevrier 1450", "1450-02-02"},
             {"Anno domini millessimo trecentesimo sextodecimo in octava assumptionis sancte Marie",
              "1316-08-22"},
             {"Datum Gandavi in domo nostra, anno Domini MCCL, in crastino beati Martini", "1250-11-12"},
             {"op sinte Jans avont int jaer ons heren duysent vier hondert ende seven", "1407-06-23"},
             {"des tweeden sondaghes na sinte Martijns dach 1450", "1450-11-22"},
             {"Septuagesima anno MCCCCL", "1450-02-01"},
             {"anno MCCLX Quadragesima", "1260-02-22"},
             {"Anno Domini mcclx° octavo, die lune in vigilia beati Dyonisii", "1268-10-08"},
             // The year's words before the number: "anno gratie", "anno Dni". All Saints
             // 1262 a Wednesday.
             {"Actum anno gratie Mº CCº duodecimo, in vigilia Epiphanie Domini", "1212-01-05"},
             {"Actum anno Dni millesimo ducentesimo sexagesimo secundo, die lune post festum omnium "
              "Sanctorum",
              "1262-11-06"},
         }) {
        SCOPED_TRACE(c.clause);
        try {
            const clause::Answer a = clause::read(c.clause);
            ASSERT_EQ(a.readings.size(), 1U);
            EXPECT_EQ(a.readings.front().date, c.date);
        } catch (const InputError& e) {
            ADD_FAILURE() << e.what();
        }
    }
}

// A number phrase with a word the reader does not know is refused, naming the
// word, never read as a smaller year.
TEST(Numbers, BrokenPhrasesAreRefused) {
    struct Case {
        const char* clause;
        const char* named;
    };
    for (const Case& c : std::vector<Case>{{"Sint-Maarten anno Domini M IIIIc duysen L", "\"duysen\""},
                                           {"Sint-Maarten anno Domini MCCL secundum morem", "\"secundum\""},
                                           {"la Saint Martin l'an mil CCC lo", "\"lo\""},
                                           {"Sint-Maarten anno MCCC iiixx et quatorze", "iiixx"}}) {
        SCOPED_TRACE(c.clause);
        try {
            const clause::Answer a = clause::read(c.clause);
            ADD_FAILURE() << "read as " << a.readings.front().text;
        } catch (const InputError& e) {
            EXPECT_NE(std::string{e.what()}.find(c.named), std::string::npos) << e.what();
        }
    }
}

}  // namespace
