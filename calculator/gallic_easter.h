#pragma once

// Years in which Gaul kept Easter on another Sunday than Rome, with the Gallic
// date (Julian calendar).

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "calendar.h"

namespace gallic_easter {

struct Entry {
    std::int16_t year;
    std::int16_t day;
    std::int16_t month;
};

inline constexpr std::array<Entry, 20> kYears{{
    {475, 13, 4}, {495, 2, 4},  {496, 21, 4}, {499, 18, 4}, {516, 10, 4}, {536, 30, 3}, {550, 17, 4},
    {577, 18, 4}, {594, 18, 4}, {596, 25, 3}, {645, 17, 4}, {740, 17, 4}, {743, 21, 4}, {760, 13, 4},
    {763, 10, 4}, {767, 22, 3}, {780, 2, 4},  {783, 30, 3}, {784, 18, 4}, {786, 26, 3},
}};

// The table's row for a year, or nullptr when Gaul kept Easter with Rome.
constexpr const Entry* find(std::int64_t year) {
    const auto* entry =
        std::find_if(kYears.begin(), kYears.end(), [&](const Entry& e) { return e.year == year; });
    return entry == kYears.end() ? nullptr : entry;
}

}  // namespace gallic_easter
