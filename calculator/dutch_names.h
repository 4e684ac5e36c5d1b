#pragma once

#include <array>
#include <string_view>

namespace dutch {

// Indexed by weekday number, 0 = Sunday.
inline constexpr std::array<std::string_view, 7> kWeekdays{"zondag",    "maandag", "dinsdag", "woensdag",
                                                           "donderdag", "vrijdag", "zaterdag"};

// Indexed by month - 1.
inline constexpr std::array<std::string_view, 12> kMonths{"januari",   "februari", "maart",    "april",
                                                          "mei",       "juni",     "juli",     "augustus",
                                                          "september", "oktober",  "november", "december"};

}  // namespace dutch
