// Latin declension: a feast's name in any case a clause writes it, and the words a
// stem must not take in. Days of 1450 worked out by hand: Easter 5 April (Julian),
// so Ascension 14 May and Trinity Sunday 31 May; the fixed days as the calendars
// give them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clause.h"
#include "input_error.h"
#include "latin.h"
#include "reference.h"
#include "regions.h"
#include "spelling.h"

namespace {

using ref::Cal;

std::int64_t julian(ref::i64 d, ref::i64 m, ref::i64 y) {
    return ref::jdn(Cal::Julian, d, m, y) - ref::jdn(Cal::Gregorian, 1, 1, 1970);
}

TEST(Latin, EveryCaseOfANameIsOneStem) {
    const std::vector<std::vector<const char*>> words{
        {"Purificatio", "Purificationis", "Purificationem", "Purificatione", "Purificacionem"},
        {"Trinitas", "Trinitatis", "Trinitatem", "Trinitate"},
        {"Dionysius", "Dionysii", "Dyonisii", "Dionysium", "Dionysio"},
        {"Barnabas", "Barnabe", "Barnabam", "Barnabae"},
        {"Epiphania", "Epiphanie", "Epiphaniam", "Epyphanie"},
        {"Crux", "Crucis", "Crucem", "Cruce"},
        {"Johannes", "Johannis", "Johanni", "Johannem", "Johanne"},
        {"Martinus", "Martini", "Martino", "Martinum"},
        {"octava", "octave", "octavas", "octabas", "octavarum", "octabarum", "octavis"},
        {"Pascha", "Pasche", "Pascham", "Paschae"},
    };
    for (const auto& cases : words)
        for (const char* w : cases)
            EXPECT_EQ(latin::stem(spelling::fold(w, false)),
                      latin::stem(spelling::fold(cases.front(), false)))
                << w << " / " << cases.front();
    // Stems that must stay apart.
    const std::vector<std::pair<const char*, const char*>> apart{
        {"martis", "Martini"}, {"Martii", "Martini"}, {"Lucae", "Luciae"}, {"Marie", "Martini"}};
    for (const auto& [a, b] : apart)
        EXPECT_NE(latin::stem(spelling::fold(a, false)), latin::stem(spelling::fold(b, false)))
            << a << " / " << b;
}

TEST(Latin, AFeastReadsInEveryCase) {
    struct Case {
        const char* clause;
        std::int64_t day;
    };
    const std::vector<Case> cases{
        {"in festo Purificationis beate Marie 1450", julian(2, 2, 1450)},
        {"sabbato ante Purificationem beate Marie 1450", julian(31, 1, 1450)},
        {"in Purificatione beate Marie 1450", julian(2, 2, 1450)},
        {"in Purificacione Marie 1450", julian(2, 2, 1450)},
        {"in festo Trinitatis 1450", julian(31, 5, 1450)},
        {"in Trinitate 1450", julian(31, 5, 1450)},
        {"in Ascensione Domini 1450", julian(14, 5, 1450)},
        {"in festo Ascensionis Domini 1450", julian(14, 5, 1450)},
        {"in Epiphaniam Domini 1450", julian(6, 1, 1450)},
        {"in festo Assumptionis beate Marie 1450", julian(15, 8, 1450)},
        {"in Assumptione beate Marie 1450", julian(15, 8, 1450)},
        {"in festo beati Dyonisii 1450", julian(9, 10, 1450)},
        {"in Exaltatione sancte Crucis 1450", julian(14, 9, 1450)},
        {"in Conversione sancti Pauli 1450", julian(25, 1, 1450)},
        {"in festo beati Martino 1450", julian(11, 11, 1450)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clause);
        try {
            const clause::Answer a = clause::read(c.clause, {&regions::defaultRegion(), std::nullopt, {}});
            ASSERT_EQ(a.readings.size(), 1U);
            EXPECT_EQ(a.readings.front().day, c.day) << a.readings.front().text;
        } catch (const InputError& e) {
            ADD_FAILURE() << e.what();
        }
    }
    // A number of the year is no feast declined ("septuagesimo", not Septuagesima), a
    // Dutch name no Latin month ("Maarten", not "Martii").
    EXPECT_EQ(clause::read("Pasen anno millesimo quadringentesimo septuagesimo").readings.front().day,
              ref::easter(1470) - ref::jdn(Cal::Gregorian, 1, 1, 1970));
    EXPECT_EQ(clause::read("octaaf van Sint-Maarten 1450").readings.front().day, julian(18, 11, 1450));
}

}  // namespace
