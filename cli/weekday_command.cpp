// `weekday`: the weekday finder's text for any day and month of a year.

#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <ostream>
#include <string>

#include <CLI/CLI.hpp>

#include "command.h"
#include "failure.h"
#include "numbers.h"
#include "year_view.h"

namespace cli {

namespace {

constexpr std::array kWeekdayFormats{Format::Text, Format::Tsv, Format::Csv, Format::Json};

// DAY and MONTH are any 16-bit values: the finder carries them as Weekdag does.
std::int16_t int16Argument(std::string_view name, const std::string& text) {
    return static_cast<std::int16_t>(numberArgument(name, text, std::numeric_limits<std::int16_t>::min(),
                                                    std::numeric_limits<std::int16_t>::max()));
}

}  // namespace

Command declareWeekday(CLI::App& parent) {
    const Formats formats{kWeekdayFormats, Format::Text};
    auto args = std::make_shared<DateCommandArguments>();
    CLI::App* command =
        parent.add_subcommand("weekday", "the weekday and date of day DAY of month MONTH of YEAR");
    addDateArguments(*command, args->date,
                     {"any 16-bit number; days beyond the month carry",
                      "any 16-bit number; months beyond 12 carry", "a year from 100 to 2100"});
    addSharedOptions(*command, args->options, formats);
    command->footer("Example: tarvinde weekday 31 2 2001   (zaterdag 3 maart 2001)");

    return {
        command, "tarvinde weekday DAY MONTH YEAR" + sharedUsage(formats),
        [args, formats](std::ostream& out) {
            const std::int16_t day = int16Argument("DAY", args->date.day);
            const std::int16_t month = int16Argument("MONTH", args->date.month);
            const auto year = static_cast<std::int16_t>(yearArgument("YEAR", args->date.year));
            const Format format = formatIn(args->options.format, formats);
            const regions::Region& region = regionIn(args->options.region);

            std::string text;
            try {
                text = year_view::trimmed(year_view::weekdayText(region, day, month, year));
            } catch (const Failure& failure) {
                // The report the window's error box would give, as one line, and
                // what the finder can name.
                const bool overflow = failure.number() == Failure::kOverflow;
                throw BadInput("Error " + std::to_string(failure.number()) + ": " + failure.description() +
                               " (Weekdag): " +
                               (overflow ? "DAY + 5 and 14 - MONTH must stay within -32768 to 32767"
                                         : "the day reached must lie in the years 100 to 9999"));
            }
            // JSON names the arguments too; the other formats give the text alone.
            const Answer answer{
                .data = {.columns = {{"dag", JsonType::Number},
                                     {"maand", JsonType::Number},
                                     {"jaar", JsonType::Number},
                                     {"tekst"}},
                         .rows = {{std::to_string(day), std::to_string(month), std::to_string(year), text}},
                         .jsonObject = true},
                .delimited = Table{.columns = {{"tekst"}}, .rows = {{text}}, .header = false}};
            write(out, format, answer);
        }};
}

}  // namespace cli
