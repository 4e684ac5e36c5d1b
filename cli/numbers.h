#pragma once

// Numbers on the command line: whole numbers in decimal ASCII digits with an
// optional sign, nothing else. CLI11's own conversion would also take octal and
// hexadecimal, so every number is read as a string and parsed here.

#include <cstdint>
#include <optional>
#include <string_view>

namespace cli {

// "010" is 10 and "+7" is 7; "0x7D0", " 7", "7.0", "1e3", "" and full-width
// digits are no numbers. nullopt too for a value beyond 64 bits.
std::optional<std::int64_t> wholeNumber(std::string_view text);

// The number an argument named NAME holds, from min to max; throws BadInput
// naming the argument, what it held and what is allowed.
std::int64_t numberArgument(std::string_view name, std::string_view text, std::int64_t min, std::int64_t max);

}  // namespace cli
