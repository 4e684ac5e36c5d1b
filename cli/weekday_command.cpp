// `weekday`: the weekday finder's text for any day and month of a year.

#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <ostream>
#include <string>

#include <CLI/CLI.hpp>

#include "command.h"
#include "numbers.h"
#include "year_view.h"

namespace cli {

namespace {

constexpr std::array kWeekdayFormats{Format::Text, Format::Tsv, Format::Csv, Format::Json};

// DAY and MONTH are any 16-bit values: the finder carries them.
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
    addDateArguments(
        *command, args->date,
        {"a whole number from -32768 to 32767; days beyond the month carry",
         "a whole number from -32768 to 32767; months beyond 12 carry", "a year from 100 to 2100"});
    addSharedOptions(*command, args->options, formats);
    command->footer(
        "The day is counted from the first of the month, in the calendar in force on that first day; a date\n"
        "the region skipped at its calendar change gets its note: tarvinde weekday 25 12 1582 gives\n"
        "dinsdag 25 december 1582 (? 4/1/1583). A date reached outside 1/1/100 to 31/12/2100 is refused\n"
        "(status 2), the message naming it.\n"
        "Example: tarvinde weekday 31 2 2001   (zaterdag 3 maart 2001)");

    return {
        command, "tarvinde weekday DAY MONTH YEAR" + sharedUsage(formats),
        [args, formats](std::ostream& out) {
            const std::int16_t day = int16Argument("DAY", args->date.day);
            const std::int16_t month = int16Argument("MONTH", args->date.month);
            const auto year = static_cast<std::int16_t>(yearArgument("YEAR", args->date.year));
            const Format format = formatIn(args->options.format, formats);
            const regions::Region& region = regionIn(args->options.region);

            const year_view::Finding finding = year_view::findWeekday(region, day, month, year);
            if (!finding.inRange)
                throw BadInput("day " + std::to_string(day) + " of month " + std::to_string(month) + " of " +
                               std::to_string(year) + " reaches " + regions::numericDate(finding.reached) +
                               (finding.julian ? " (Julian)" : " (Gregorian)") + ", outside 1/1/" +
                               std::to_string(year_view::kFirstYear) + " to 31/12/" +
                               std::to_string(year_view::kLastYear));
            const std::string text{year_view::trimmed(finding.text)};
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
