#pragma once

// The years the window, the command line and the readers of dates accept, and
// how their messages name that range.

#include <string_view>

namespace year_range {

inline constexpr int kFirstYear = 100;
inline constexpr int kLastYear = 2100;
// "100 tot 2100", as every refusal names the range.
inline constexpr std::string_view kText = "100 tot 2100";

}  // namespace year_range
