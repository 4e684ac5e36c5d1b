#include <gtest/gtest.h>

#include <cstdint>

#include "reference.h"
#include "tarvinde.h"

namespace {

struct EasterCase {
    std::int16_t year, number, month, day;
};

// Years whose Easter exercises a branch of the computus: the correction step (H = 29,
// or H = 28 with G > 10), the earliest and latest dates, the change of rule in 1582/1583.
// Years 0 and below follow the same steps with remainders that keep their sign.
TEST(Easter, WorkedYears) {
    const EasterCase cases[] = {
        {100, 15, 4, 12},    {1000, 3, 3, 31},  {1500, 22, 4, 19}, {1582, 18, 4, 15}, {1583, 13, 4, 10},
        {1609, 22, 4, 19},   {1818, -6, 3, 22}, {1943, 28, 4, 25}, {1954, 21, 4, 18}, {1981, 22, 4, 19},
        {1999, 7, 4, 4},     {2000, 26, 4, 23}, {2019, 24, 4, 21}, {2038, 28, 4, 25}, {2049, 21, 4, 18},
        {2076, 22, 4, 19},   {2100, 0, 3, 28},  {2285, -6, 3, 22}, {0, 14, 4, 11},    {-1, 2, 3, 30},
        {-32687, -28, 3, 0},
    };
    ref::RecordingBox box;
    const Tarvinde t(box);
    for (const auto& c : cases) {
        EXPECT_EQ(t.PaasdatumPreCal(c.year), c.number) << c.year;
        EXPECT_EQ(t.EasternMonth(c.year), c.month) << c.year;
        EXPECT_EQ(t.EasternDay(c.year), c.day) << c.year;
    }
    EXPECT_EQ(t.PaasDatum(100), "zondag 12 april 100");
    EXPECT_EQ(t.PaasDatum(1582), "zondag 15 april 1582");
    EXPECT_EQ(t.PaasDatum(1583), "zondag 10 april 1583");
    EXPECT_EQ(t.PaasDatum(2000), "zondag 23 april 2000");
    EXPECT_TRUE(box.shown.empty());
}

TEST(Easter, AgreesWithMeeusForEveryPositiveYear) {
    ref::RecordingBox box;
    const Tarvinde t(box);
    int mismatches = 0;
    for (int year = 1; year <= 32767; ++year) {
        const auto y = static_cast<std::int16_t>(year);
        const auto expected = ref::easter(y);
        const auto cal = ref::calendarOf(y);
        const bool ok = ref::jdn(cal, t.EasternDay(y), t.EasternMonth(y), y) == expected &&
                        ref::jdn(cal, 28 + t.PaasdatumPreCal(y), 3, y) == expected &&
                        (y < 100 || y > 9999 || t.PaasDatum(y) == ref::textOf(expected, y));
        if (!ok && ++mismatches <= 10) ADD_FAILURE() << y;
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_TRUE(box.shown.empty());
}

TEST(IsSchrikkeljaar, KnownYears) {
    const std::pair<std::int16_t, std::int16_t> cases[] = {
        {1500, 1}, {1582, 0}, {1584, 1}, {1600, 1}, {2000, 1}, {1700, 0}, {1900, 0},   {2100, 0},  {1100, 1},
        {2012, 1}, {2007, 0}, {0, 1},    {-4, 1},   {-1, 0},   {-2, 0},   {-32768, 1}, {32767, 0},
    };
    ref::RecordingBox box;
    const Tarvinde t(box);
    for (const auto& [year, leap] : cases) EXPECT_EQ(t.IsSchrikkeljaar(year), leap) << year;
}

// Exactly 1 when February of that year has 29 days in the year's own calendar, else 0.
TEST(IsSchrikkeljaar, EverySixteenBitYearIsZeroOrOne) {
    ref::RecordingBox box;
    const Tarvinde t(box);
    int mismatches = 0;
    for (int y = -32768; y <= 32767; ++y) {
        const auto cal = ref::calendarOf(y);
        const int february = int(ref::jdn(cal, 1, 3, y) - ref::jdn(cal, 1, 2, y));
        if (t.IsSchrikkeljaar(std::int16_t(y)) != (february == 29 ? 1 : 0) && ++mismatches <= 10)
            ADD_FAILURE() << y;
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
