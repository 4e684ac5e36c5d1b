#pragma once

// Numbers on the command line: whole numbers in decimal ASCII digits, a minus
// sign before them at most, nothing else; only the finder's DAY and MONTH allow a
// negative value. CLI11's own conversion would also take octal and
// hexadecimal, so every number is read as a string and parsed here.

#include <cstdint>
#include <optional>
#include <string_view>

namespace cli {

// "010" is 10 and "-7" is -7; "+7", "0x7D0", " 7", "7.0", "1e3", "" and full-width
// digits are no numbers. nullopt too for a value beyond 64 bits.
std::optional<std::int64_t> wholeNumber(std::string_view text);

// The number an argument named NAME holds, from min to max; throws BadInput
// naming the argument, what it held and what is allowed.
std::int64_t numberArgument(std::string_view name, std::string_view text, std::int64_t min, std::int64_t max);

// DAY or MONTH of the weekday finder: any 16-bit value, which the finder carries.
std::int16_t int16Argument(std::string_view name, std::string_view text);

// A year argument: from 100 to 2100, the years the window accepts.
int yearArgument(std::string_view name, std::string_view text);

// LAST of a range of years from FIRST: a year argument, not before FIRST.
int lastYearArgument(int first, std::string_view text);

// DAY, MONTH and YEAR of a date: a day from 1 to 31, a month from 1 to 12 and a
// year argument. Whether that day exists in that month is the calculator's to say.
struct DateArguments {
    int day, month, year;
};
DateArguments dateArguments(std::string_view day, std::string_view month, std::string_view year);

}  // namespace cli
