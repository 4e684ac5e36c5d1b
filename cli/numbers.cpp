#include "numbers.h"

#include <charconv>
#include <limits>
#include <string>
#include <system_error>

#include "answers.h"
#include "output.h"
#include "year_view.h"

namespace cli {

std::optional<std::int64_t> wholeNumber(std::string_view text) {
    // Decimal digits, a minus sign before them at most: from_chars takes exactly that.
    const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
    if (digits.empty() || digits.front() < '0' || digits.front() > '9') return std::nullopt;

    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::int64_t numberArgument(std::string_view name, std::string_view text, std::int64_t min,
                            std::int64_t max) {
    const std::optional<std::int64_t> value = wholeNumber(text);
    if (!value || *value < min || *value > max)
        throw BadInput(std::string{name} + " must be a whole number from " + std::to_string(min) + " to " +
                       std::to_string(max) + ", not " + output::quoted(text));
    return *value;
}

std::int16_t int16Argument(std::string_view name, std::string_view text) {
    return static_cast<std::int16_t>(numberArgument(name, text, std::numeric_limits<std::int16_t>::min(),
                                                    std::numeric_limits<std::int16_t>::max()));
}

int yearArgument(std::string_view name, std::string_view text) {
    return static_cast<int>(numberArgument(name, text, year_view::kFirstYear, year_view::kLastYear));
}

int lastYearArgument(int first, std::string_view text) {
    const int last = yearArgument("LAST", text);
    if (first > last)
        throw BadInput("FIRST " + std::to_string(first) + " is after LAST " + std::to_string(last) +
                       "; give the earlier year first");
    return last;
}

DateArguments dateArguments(std::string_view day, std::string_view month, std::string_view year) {
    return {static_cast<int>(numberArgument("DAY", day, 1, 31)),
            static_cast<int>(numberArgument("MONTH", month, 1, 12)), yearArgument("YEAR", year)};
}

}  // namespace cli
