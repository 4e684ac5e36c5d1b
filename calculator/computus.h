#pragma once

// The two Easter computi as plain arithmetic on a year, for any year from 1 on.
// Both give the Easter number: the days from 28 March to Easter Sunday (-6 .. 28),
// in the calendar whose computus it is.

#include <cstdint>

#include "calendar.h"

namespace computus {

// The Paschal full moon of each computus, the limit Easter follows: its days
// from 21 March (0 .. 28), in the calendar whose computus it is.

// The classical Julian computus (the Dionysian tables in arithmetic form).
constexpr std::int64_t julianFullMoonNumber(std::int64_t y) {
    const std::int64_t g = y % 19;  // golden number - 1
    return (19 * g + 15) % 30;
}

// The Gregorian computus, in Oudin's form.
constexpr std::int64_t gregorianFullMoonNumber(std::int64_t y) {
    using calendar::floorDiv;
    const std::int64_t g = y % 19;
    const std::int64_t c = floorDiv(y, 100);
    const std::int64_t h = (c - floorDiv(c, 4) - floorDiv(8 * c + 13, 25) + 19 * g + 15) % 30;
    // Keeps the Paschal full moon on or before 18 April.
    return h - floorDiv(h, 28) * (1 - floorDiv(h, 28) * floorDiv(29, h + 1) * floorDiv(21 - g, 11));
}

// Easter is the Sunday after the full moon: 1 to 7 days after it.
constexpr std::int64_t julianEasterNumber(std::int64_t y) {
    const std::int64_t i = julianFullMoonNumber(y);
    const std::int64_t j = (y + calendar::floorDiv(y, 4) + i) % 7;
    return i - j;
}

constexpr std::int64_t gregorianEasterNumber(std::int64_t y) {
    using calendar::floorDiv;
    const std::int64_t c = floorDiv(y, 100);
    const std::int64_t i = gregorianFullMoonNumber(y);
    const std::int64_t j = (y + floorDiv(y, 4) + i + 2 - c + floorDiv(c, 4)) % 7;
    return i - j;
}

// Easter Sunday as a serial day number, by each computus in its own calendar.
constexpr std::int64_t julianEaster(std::int64_t y) {
    return calendar::daysFromJulian(y, 3, 28) + julianEasterNumber(y);
}
constexpr std::int64_t gregorianEaster(std::int64_t y) {
    return calendar::daysFromGregorian(y, 3, 28) + gregorianEasterNumber(y);
}

// The Paschal full moon as a serial day number.
constexpr std::int64_t julianFullMoon(std::int64_t y) {
    return calendar::daysFromJulian(y, 3, 21) + julianFullMoonNumber(y);
}
constexpr std::int64_t gregorianFullMoon(std::int64_t y) {
    return calendar::daysFromGregorian(y, 3, 21) + gregorianFullMoonNumber(y);
}

static_assert(gregorianEaster(2000) == calendar::daysFromGregorian(2000, 4, 23));
static_assert(julianEaster(1491) == calendar::daysFromJulian(1491, 4, 3));

}  // namespace computus
