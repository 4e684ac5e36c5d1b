// `weekday`: the weekday finder's text for any day and month of a year.

#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <ostream>
#include <string>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "command.h"
#include "numbers.h"
#include "output.h"
#include "year_view.h"

namespace cli {

namespace {

constexpr std::array kWeekdayFormats{Format::Text, Format::Tsv, Format::Json};

// DAY and MONTH are any 16-bit values: the finder carries them.
std::int16_t int16Argument(std::string_view name, const std::string& text) {
    return static_cast<std::int16_t>(numberArgument(name, text, std::numeric_limits<std::int16_t>::min(),
                                                    std::numeric_limits<std::int16_t>::max()));
}

}  // namespace

Command declareWeekday(CLI::App& parent) {
    const Formats formats{kWeekdayFormats, Format::Text};
    struct Arguments {
        std::string day, month, year;
        OptionValues format, region;
    };
    auto args = std::make_shared<Arguments>();
    CLI::App* command =
        parent.add_subcommand("weekday", "the weekday and date of day DAY of month MONTH of YEAR");
    addNumberArgument(*command, args->day, "DAY",
                      "a whole number from -32768 to 32767; days beyond the month carry");
    addNumberArgument(*command, args->month, "MONTH",
                      "a whole number from -32768 to 32767; months beyond 12 carry");
    addNumberArgument(*command, args->year, "YEAR", "a year from 100 to 2100");
    addFormatOption(*command, args->format, formats);
    addRegionOption(*command, args->region);
    command->footer(
        "The day is counted from the first of the month, in the calendar in force on that first day; a date\n"
        "the region skipped at its calendar change gets its note: tarvinde weekday 25 12 1582 gives\n"
        "dinsdag 25 december 1582 (? 4/1/1583). A date reached outside 1/1/100 to 31/12/2100 is refused\n"
        "(status 2), the message naming it.\n"
        "Example: tarvinde weekday 31 2 2001   (zaterdag 3 maart 2001)");

    return {
        command, "tarvinde weekday DAY MONTH YEAR [--format " + formatChoices(formats) + "] [--region ID]",
        [args, formats](std::ostream& out) {
            const std::int16_t day = int16Argument("DAY", args->day);
            const std::int16_t month = int16Argument("MONTH", args->month);
            const auto year = static_cast<std::int16_t>(yearArgument("YEAR", args->year));
            const Format format = formatIn(args->format, formats);
            const regions::Region& region = regionIn(args->region);

            const year_view::Finding finding = year_view::findWeekday(region, day, month, year);
            if (!finding.inRange)
                throw BadInput("day " + std::to_string(day) + " of month " + std::to_string(month) + " of " +
                               std::to_string(year) + " reaches " + regions::numericDate(finding.reached) +
                               (finding.julian ? " (Julian)" : " (Gregorian)") + ", outside 1/1/" +
                               std::to_string(year_view::kFirstYear) + " to 31/12/" +
                               std::to_string(year_view::kLastYear));
            const std::string text{year_view::trimmed(finding.text)};
            if (format == Format::Json) {
                nlohmann::ordered_json o = nlohmann::ordered_json::object();
                o["dag"] = day;
                o["maand"] = month;
                o["jaar"] = year;
                o["tekst"] = text;
                output::writeJson(out, o);
            } else {
                out << text << '\n';
            }
        }};
}

}  // namespace cli
