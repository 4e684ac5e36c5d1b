#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "feast_table.h"
#include "reference.h"
#include "tarvinde.h"

namespace {

TEST(FixedFeasts, KnownYears) {
    ref::RecordingBox box;
    const Tarvinde t(box);
    EXPECT_EQ(t.Kerstmis(1582), "dinsdag 25 december 1582 (? 4/1/1583)");
    EXPECT_EQ(t.Oudjaarsavond(1582), "maandag 31 december 1582 (? 21/12/1582)");
    EXPECT_EQ(t.NieuwjaarDag(1582), "maandag 1 januari 1582");
    EXPECT_EQ(t.OLVtenHemel(1582), "woensdag 15 augustus 1582");
    EXPECT_EQ(t.Allerheiligen(1582), "donderdag 1 november 1582");
    EXPECT_EQ(t.Allerzielen(1582), "vrijdag 2 november 1582");
    EXPECT_EQ(t.Kerstmis(1583), "zondag 25 december 1583");
    EXPECT_EQ(t.Kerstmis(1581), "maandag 25 december 1581");
    EXPECT_EQ(t.Oudjaarsavond(1581), "zondag 31 december 1581");
    EXPECT_EQ(t.NieuwjaarDag(2000), "zaterdag 1 januari 2000");
    EXPECT_EQ(t.Oudjaarsavond(2000), "zondag 31 december 2000");
    EXPECT_EQ(t.NieuwjaarDag(100), "woensdag 1 januari 100");
    EXPECT_TRUE(box.shown.empty());
}

TEST(FixedFeasts, EveryYear100To2100) {
    ref::RecordingBox box;
    const Tarvinde t(box);
    for (const auto& feast : ref::kGuardedFeasts) {
        if (feast.movable) continue;
        int mismatches = 0;
        for (std::int16_t y = 100; y <= 2100; ++y) {
            const std::string expected =
                ref::textOf(feast.day, feast.month, y) + (y == 1582 ? feast.note1582 : "");
            if ((t.*feast.operation)(y) != expected && ++mismatches <= 5) ADD_FAILURE() << expected;
        }
        EXPECT_EQ(mismatches, 0) << feast.procedure;
    }
    EXPECT_TRUE(box.shown.empty());
}

struct MovableYear {
    std::int16_t year;
    const char *aswoensdag, *palmzondag, *hemelvaart, *pinksteren;
};

// Ash Wednesday is 46 days before Easter; February's length matters only when it falls there.
TEST(MovableFeasts, KnownYears) {
    const MovableYear cases[] = {
        {1818, "woensdag 4 februari 1818", "zondag 15 maart 1818", "donderdag 30 april 1818",
         "zondag 10 mei 1818"},
        {2008, "woensdag 6 februari 2008", "zondag 16 maart 2008", "donderdag 1 mei 2008",
         "zondag 11 mei 2008"},
        {2100, "woensdag 10 februari 2100", "zondag 21 maart 2100", "donderdag 6 mei 2100",
         "zondag 16 mei 2100"},
        {1000, "woensdag 14 februari 1000", "zondag 24 maart 1000", "donderdag 9 mei 1000",
         "zondag 19 mei 1000"},
        {1100, "woensdag 15 februari 1100", "zondag 25 maart 1100", "donderdag 10 mei 1100",
         "zondag 20 mei 1100"},
        {2012, "woensdag 22 februari 2012", "zondag 1 april 2012", "donderdag 17 mei 2012",
         "zondag 27 mei 2012"},
        {2007, "woensdag 21 februari 2007", "zondag 1 april 2007", "donderdag 17 mei 2007",
         "zondag 27 mei 2007"},
        {2009, "woensdag 25 februari 2009", "zondag 5 april 2009", "donderdag 21 mei 2009",
         "zondag 31 mei 2009"},
        {1582, "woensdag 28 februari 1582", "zondag 8 april 1582", "donderdag 24 mei 1582",
         "zondag 3 juni 1582"},
        {1583, "woensdag 23 februari 1583", "zondag 3 april 1583", "donderdag 19 mei 1583",
         "zondag 29 mei 1583"},
        {1962, "woensdag 7 maart 1962", "zondag 15 april 1962", "donderdag 31 mei 1962",
         "zondag 10 juni 1962"},
        {2000, "woensdag 8 maart 2000", "zondag 16 april 2000", "donderdag 1 juni 2000",
         "zondag 11 juni 2000"},
        {2038, "woensdag 10 maart 2038", "zondag 18 april 2038", "donderdag 3 juni 2038",
         "zondag 13 juni 2038"},
        {100, "woensdag 26 februari 100", "zondag 5 april 100", "donderdag 21 mei 100", "zondag 31 mei 100"},
    };
    ref::RecordingBox box;
    const Tarvinde t(box);
    for (const auto& c : cases) {
        EXPECT_EQ(t.Aswoensdag(c.year), c.aswoensdag);
        EXPECT_EQ(t.Palmzondag(c.year), c.palmzondag);
        EXPECT_EQ(t.HemelvaartDag(c.year), c.hemelvaart);
        EXPECT_EQ(t.PinksterenDag(c.year), c.pinksteren);
    }
    EXPECT_TRUE(box.shown.empty());
}

// Each text read back as a date: its weekday and its distance from Easter in days.
TEST(MovableFeasts, WeekdayAndDistanceFromEasterEveryYear100To2100) {
    ref::RecordingBox box;
    const Tarvinde t(box);
    for (const auto& feast : ref::kGuardedFeasts) {
        if (!feast.movable) continue;
        int mismatches = 0;
        for (std::int16_t y = 100; y <= 2100; ++y) {
            const std::string text = (t.*feast.operation)(y);
            const auto j = ref::parseFeast(text);
            if ((j != ref::easter(y) + feast.day || ref::fromJdn(ref::calendarOf(y), j).year != y ||
                 text.size() != ref::textOf(j, y).size()) &&
                ++mismatches <= 5)
                ADD_FAILURE() << y << ": \"" << text << "\"";
        }
        EXPECT_EQ(mismatches, 0) << feast.procedure;
    }
    EXPECT_TRUE(box.shown.empty());
}

TEST(PasenGallie, TheTwentyGallicYears) {
    const struct {
        std::int16_t year, day, month;
    } table[] = {{475, 13, 4}, {495, 2, 4},  {496, 21, 4}, {499, 18, 4}, {516, 10, 4},
                 {536, 30, 3}, {550, 17, 4}, {577, 18, 4}, {594, 18, 4}, {596, 25, 3},
                 {645, 17, 4}, {740, 17, 4}, {743, 21, 4}, {760, 13, 4}, {763, 10, 4},
                 {767, 22, 3}, {780, 2, 4},  {783, 30, 3}, {784, 18, 4}, {786, 26, 3}};
    ref::RecordingBox box;
    const Tarvinde t(box);
    for (const auto& row : table) {
        const auto j = ref::jdn(ref::Cal::Julian, row.day, row.month, row.year);
        const auto weeksFromRome = (j - ref::easter(row.year)) / 7;
        EXPECT_TRUE(ref::weekday(j) == 0 &&
                    (weeksFromRome == 1 || weeksFromRome == -1 || weeksFromRome == 4 || weeksFromRome == -4))
            << row.year;
        EXPECT_EQ(t.PasenGallie(row.year), ref::textOf(j, row.year));
    }
    EXPECT_EQ(t.PasenGallie(475), "zondag 13 april 475");
    EXPECT_EQ(t.PasenGallie(786), "zondag 26 maart 786");
    for (const int y : {474, 476, 500, 1000, 1582, 2000, 0, -1, 10000, -32768, 32767})
        EXPECT_EQ(t.PasenGallie(std::int16_t(y)), " idem Pasen Rome") << y;
    EXPECT_TRUE(box.shown.empty());
}

}  // namespace
