#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "regions.h"
#include "year_view.h"

// The weekday finder carries a month outside 1..12 into the year first: moving twelve
// months into the year changes nothing, weekday(d, m - 12k, y + k) = weekday(d, m, y),
// in every region, around its switch too.

namespace {

const regions::Region& region(const char* id) {
    const regions::Region* r = regions::find(id);
    EXPECT_NE(r, nullptr) << id;
    return r ? *r : regions::defaultRegion();
}

// Worked out by hand: Gelderland kept the Julian calendar until 30 June 1700, so 1700
// was a leap year there; day 60 counted from 1 January 1700 is 29 February (31 + 29),
// and Julian 29 February 1700 was a Thursday (Julian day 2342042, (2342042 + 1) mod 7 = 4).
TEST(FinderCarry, GelderlandIn1700) {
    const regions::Region& gelderland = region("gelderland");
    EXPECT_EQ(year_view::findWeekday(gelderland, 60, 1, 1700).text, "donderdag 29 februari 1700");
    EXPECT_EQ(year_view::findWeekday(gelderland, 60, -11, 1701).text, "donderdag 29 februari 1700");
    EXPECT_EQ(year_view::findWeekday(gelderland, 60, 13, 1699).text, "donderdag 29 februari 1700");
}

TEST(FinderCarry, TwelveMonthsAreAYearInEveryRegion) {
    const std::vector<int> days{1, 15, 28, 29, 30, 31, 60, 100, 366, 400};
    int compared = 0;
    for (const regions::Region& r : regions::all()) {
        std::vector<int> years{1450, 1600, 1700, 1800, 1900, 2000};
        if (const std::optional<std::int64_t> reform = regions::reformYear(r))
            for (int y = static_cast<int>(*reform) - 1; y <= *reform + 1; ++y) years.push_back(y);
        for (const int y : years)
            for (int m = 1; m <= 12; ++m)
                for (const int d : days) {
                    const year_view::Finding plain =
                        year_view::findWeekday(r, static_cast<std::int16_t>(d), static_cast<std::int16_t>(m),
                                               static_cast<std::int16_t>(y));
                    for (int k = -3; k <= 3; ++k) {
                        if (k == 0) continue;
                        const year_view::Finding carried = year_view::findWeekday(
                            r, static_cast<std::int16_t>(d), static_cast<std::int16_t>(m - 12 * k),
                            static_cast<std::int16_t>(y + k));
                        ASSERT_EQ(carried.text, plain.text)
                            << r.id << ": " << d << " " << m - 12 * k << " " << y + k << " against " << d
                            << " " << m << " " << y;
                        ++compared;
                    }
                }
    }
    EXPECT_GT(compared, 50000);
}

}  // namespace
