// When a reading counts as the clause typed: the texts are written out by hand,
// each pair with the answer a reader would expect.

#include <gtest/gtest.h>

#include "clause_as_typed.h"

namespace {

struct Pair {
    const char* clause;
    const char* reading;
    bool same;
};

// clang-format off
const Pair kPairs[] = {
    {"dinsdag na Sint-Maarten 1450",        "dinsdag na Sint-Maarten 1450", true},
    {"DINSDAG NA SINT-MAARTEN 1450",        "dinsdag na Sint-Maarten 1450", true},
    {"  dinsdag   na\tSint-Maarten 1450  ", "dinsdag na Sint-Maarten 1450", true},
    {"SINT-MATTEÜS 1450",                   "Sint-Matteüs 1450",            true},   // Ü is ü
    {"ÀÉÎÕÞ",                               "àéîõþ",                        true},
    {"Martini 1450",                        "Sint-Maarten 1450",            false},
    {"des dinsdags na Sint-Bavo 1390",      "dinsdag na Sint-Bavo 1390",    false},
    {"10 april 1491",                       "10 april 1492",                false},  // another year
    {"Sint-Matteus 1450",                   "Sint-Matteüs 1450",            false},  // an accent is a letter
    {"dinsdagna Sint-Maarten 1450",         "dinsdag na Sint-Maarten 1450", false},  // a blank is not nothing
    {"×",                                   "÷",                            false},  // no case: × stays ×
    {"",                                    "",                             true},
};
// clang-format on

TEST(ClauseAsTyped, CaseAndBlanksAside) {
    for (const Pair& p : kPairs) {
        EXPECT_EQ(clause::readsAsTyped(p.clause, p.reading), p.same) << p.clause << " / " << p.reading;
        EXPECT_EQ(clause::readsAsTyped(p.reading, p.clause), p.same) << p.reading << " / " << p.clause;
    }
}

}  // namespace
