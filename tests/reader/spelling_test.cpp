#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input_error.h"
#include "spelling.h"

namespace {

// Pairs of spellings scribes used for one word: each pair folds alike.
TEST(Spelling, FoldsWhatScribesVaried) {
    struct Pair {
        const char* a;
        const char* b;
        const char* why;
    };
    const std::vector<Pair> same{
        {"Martini", "MARTINI", "case"},
        {"Matteüs", "Matteus", "a precomposed diaeresis"},
        {"Matteu\xcc\x88s", "Matteus", "a combining diaeresis"},
        {"Re\xcc\x81mi", "Remi", "a combining acute"},
        {"après", "apres", "a grave accent"},
        {"Iunii", "Junii", "i and j"},
        {"Remigy", "Remigii", "y and i, then the doubled i"},
        {"Mertijns", "Mertyns", "ij and y"},
        {"Uincentii", "Vincentii", "u and v"},
        {"ewangeliste", "evangeliste", "w and v"},
        {"Paeschen", "Peschen", "ae and e"},
        {"daghe", "dage", "gh and g"},
        {"Thome", "Tome", "th and t"},
        {"Nycolai", "Nicolai", "y and i"},
        {"Nicolai", "Nikolai", "c and k"},
        {"Quasimodo", "Kuasimodo", "q and k"},
        {"Pasques", "Paskes", "qu and k"},
        {"zielen", "sielen", "z and s"},
        {"quinze", "kinze", "qu and k"},
        {"Dicke", "Dike", "ck and k"},
        {"Paesschen", "Paeschen", "a doubled letter"},
        {"Mertens", "Merten", "a final -s after a consonant"},
        {"sinte", "sint", "a final -e after a consonant"},
        {"tercio", "tertio", "c and t before i and a vowel"},
        {"Purificacionem", "Purificationem", "c and t before i and a vowel"},
        {"Vincencii", "Vincentii", "c and t before i and a vowel"},
        {"Epiphanie", "Epifanie", "ph and f"},
        {"Michaelis", "Micaelis", "ch and c"},
        {"ebdomada", "hebdomada", "a dropped h"},
        {"Jhesu", "Iesu", "an added h, and j and i"},
        {"octabas", "octavas", "the b of octabas"},
        {"Cœna", "Cena", "the ligature oe"},
        {"Cæna", "Cena", "the ligature ae"},
        {"ſancti", "sancti", "the long s"},
        {"Mertĳns", "Mertijns", "the ligature ij"},
    };
    for (const Pair& p : same)
        EXPECT_EQ(spelling::fold(p.a), spelling::fold(p.b)) << p.a << " / " << p.b << ": " << p.why;

    const std::vector<Pair> different{
        {"II", "III", "a Roman numeral keeps its letters"},
        {"nonas", "nona", "a final -s after a vowel stays"},
        {"des", "de", "three letters stay"},
        {"Marcus", "Marcii", "other words"},
        {"martis", "martii", "Tuesday is not March"},
        {"Lamberti", "Lamberci", "c before i alone, no vowel after, stays c"},
        {"Jacobavond", "Jacovavond", "a b between vowels elsewhere stays b"},
        {"Barnabe", "Barnave", "a b between vowels elsewhere stays b"},
        {"een", "en", "a doubled letter of a word of three stays: one is not in"},
    };
    for (const Pair& p : different)
        EXPECT_NE(spelling::fold(p.a), spelling::fold(p.b)) << p.a << " / " << p.b << ": " << p.why;
    // The declined ending stays where asked for.
    EXPECT_EQ(spelling::fold("Mertens", false), "mertens");
    EXPECT_EQ(spelling::fold("St.-Jan's"), "stian");
}

// The declined fold taken from the whole one is the declined fold itself.
TEST(Spelling, DeclinedEndingDroppedAsTheFoldDropsIt) {
    for (const char* w : {"Mertens", "sinte", "des", "nonas", "III", "Mille", "dages", "1450s", "Paeschen",
                          "XIIe", "ſancte", "Jacobs", "kes", "ae", "octabas", "Gillis"})
        EXPECT_EQ(spelling::withoutDeclinedEnding(spelling::fold(w, false)), spelling::fold(w)) << w;
}

TEST(Spelling, PastedTextReadsAsTyped) {
    EXPECT_EQ(spelling::cleaned("a\xc2\xa0"
                                "b\xe2\x80\xaf"
                                "c\xe2\x80\x83"
                                "d\xe3\x80\x80"
                                "e\tf"),
              "a b c d e f");
    EXPECT_EQ(spelling::cleaned("Sint\xe2\x80\x91Maarten"), "Sint-Maarten");
    EXPECT_EQ(spelling::cleaned("l\xe2\x80\x99"
                                "an"),
              "l'an");
    EXPECT_EQ(spelling::cleaned("Sint\xc2\xad"
                                "Maarten"),
              "SintMaarten");
    EXPECT_EQ(spelling::cleaned("M\xc2\xb0"
                                "CCC\xc2\xba"),
              "M CCC ");
    // Raised marks of numerals part words too; a raised e is the ordinal's e.
    EXPECT_EQ(spelling::cleaned("M\xe1\xb5\x92"
                                "CC\xe2\x81\xb0"
                                "L^o"),
              "M CC L ");
    EXPECT_EQ(spelling::cleaned("XII\xe1\xb5\x89"), "XIIe");
    EXPECT_EQ(spelling::cleaned(std::string(1000, 'x')), std::string(1000, 'x'));
    EXPECT_EQ(spelling::cleaned(std::string(500, 'x') + "\xc3\xa9"), std::string(500, 'x') + "\xc3\xa9");

    const std::vector<std::string> refused{"",
                                           " \t ",
                                           std::string(1001, 'x'),
                                           "a\x01",
                                           "a\x7f",
                                           "a\xc2\x9f",
                                           "a\xff",
                                           "a\xc3",
                                           "a\xc0\xaf",
                                           "a\xed\xa0\x80",
                                           "a\xf4\x90\x80\x80",
                                           std::string("a\0b", 3)};
    for (const std::string& text : refused) {
        EXPECT_THROW(spelling::cleaned(text), InputError) << text;
    }
}

}  // namespace
