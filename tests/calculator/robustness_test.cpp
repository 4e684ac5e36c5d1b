// Every 16-bit input survives: each operation returns, or fails with number 5 or 6
// exactly where the rules say, and a guarded operation reports exactly its own failures.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "failure.h"
#include "feast_table.h"
#include "reference.h"
#include "run_size.h"
#include "tarvinde.h"

namespace {

using ref::i64;
using ref::Outcome;
using ref::predictWeekdag;

template <class Call>
Outcome outcomeOf(Call call) {
    try {
        return {0, call()};
    } catch (const Failure& failure) {  // anything else escapes and fails the test
        return {failure.number(), ""};
    }
}

Outcome weekdag(const Tarvinde& t, i64 d, i64 m, i64 y) {
    return outcomeOf([&] { return t.Weekdag(std::int16_t(d), std::int16_t(m), std::int16_t(y)); });
}

#define EXPECT_FEW_MISMATCHES(condition, what) \
    if (!(condition) && ++mismatches <= 10) ADD_FAILURE() << what

TEST(EveryYear, UnguardedOperations) {
    ref::RecordingBox box;
    const Tarvinde t(box);
    int mismatches = 0;
    for (i64 y = -32768; y <= 32767; ++y) {
        const auto year = std::int16_t(y);
        const int leap = t.IsSchrikkeljaar(year), month = t.EasternMonth(year), day = t.EasternDay(year);
        EXPECT_FEW_MISMATCHES((leap == 0 || leap == 1) && (month == 3 || month == 4) &&
                                  (month == 3 ? day >= 0 && day <= 31 : day >= 1 && day <= 25) &&
                                  t.PaasdatumPreCal(year) == day + 31 * (month - 3) - 28,
                              y);
        const Outcome easter = outcomeOf([&] { return t.PaasDatum(year); });
        EXPECT_FEW_MISMATCHES(easter == weekdag(t, day, month, y) && easter == predictWeekdag(day, month, y),
                              y);
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_TRUE(box.shown.empty());
}

// "Something failed inside" is decided by the unguarded call the operation makes
// (Weekdag for a fixed feast, the year's Easter date for a movable one).
TEST(EveryYear, GuardedOperationsReportExactlyTheirOwnFailures) {
    int mismatches = 0;
    for (i64 y = -32768; y <= 32767; ++y) {
        if (!run_size::checks(y, {-32768, 0, 100, 1582, 1583, 9999, 32767})) continue;
        const auto year = std::int16_t(y);
        ref::RecordingBox box;
        const Tarvinde t(box);
        const bool refused = y < 100 || y > 9999;
        for (const auto& feast : ref::kGuardedFeasts) {
            const Outcome inner = feast.movable ? outcomeOf([&] { return t.PaasDatum(year); })
                                                : weekdag(t, feast.day, feast.month, y);
            const std::string expected = inner.failure != 0 ? ""
                                         : feast.movable    ? ref::textOf(ref::easter(y) + feast.day, y)
                                                            : inner.text + (y == 1582 ? feast.note1582 : "");
            box.shown.clear();
            const std::string text = (t.*feast.operation)(year);
            const bool reported =
                box.shown.size() == 1 &&
                box.shown[0].prompt ==
                    ref::errorPrompt(5, "Invalid procedure call or argument", feast.procedure) &&
                box.shown[0].style == 16 && box.shown[0].title == "Error Encountered";
            EXPECT_FEW_MISMATCHES((inner.failure != 0) == refused && text == expected &&
                                      (refused ? reported : box.shown.empty()),
                                  feast.procedure << "(" << y << ")");
        }
        box.shown.clear();
        const std::string gallic = t.PasenGallie(year);
        EXPECT_FEW_MISMATCHES(
            box.shown.empty() && (gallic == " idem Pasen Rome" || gallic.starts_with("zondag ")), y);
    }
    EXPECT_EQ(mismatches, 0);
}

// Every day from -32768 to 32767 at the edges of the overflow checks, of the Julian
// rule and of the date service's years.
TEST(WeekdagRange, EveryDayAtTheEdges) {
    ref::RecordingBox box;
    const Tarvinde t(box);
    int mismatches = 0;
    for (const i64 m : {-32754, -32753, -11, 0, 2, 3, 13, 32767}) {
        for (const i64 y : {0, 99, 100, 1582, 1583, 9999, 10000, 32767}) {
            for (i64 d = -32768; d <= 32767; ++d) {
                if (!run_size::checks(d, {-32768, -366, 0, 31, 366, 32767})) continue;
                EXPECT_FEW_MISMATCHES(weekdag(t, d, m, y) == predictWeekdag(d, m, y),
                                      d << "/" << m << "/" << y);
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_TRUE(box.shown.empty());
}

// A million seeded triples: half over the whole 16-bit range, half near real dates.
TEST(WeekdagRange, MillionSeededTriples) {
    ref::RecordingBox box;
    const Tarvinde t(box);
    std::mt19937 random(20240229);
    std::uniform_int_distribution<int> any(-32768, 32767), day(-800, 800), month(-30, 30), year(0, 10100);
    int mismatches = 0;
    for (int i = 0; i < run_size::count(1'000'000); ++i) {
        const bool wide = i % 2 == 0;
        const i64 d = wide ? any(random) : day(random), m = wide ? any(random) : month(random),
                  y = wide ? any(random) : year(random);
        EXPECT_FEW_MISMATCHES(weekdag(t, d, m, y) == predictWeekdag(d, m, y), d << "/" << m << "/" << y);
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_TRUE(box.shown.empty());
}

}  // namespace
