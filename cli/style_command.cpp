// `style`: a date written in a year style (the year beginning at Christmas, on
// 25 March or at Easter) in the modern reckoning, the year beginning on 1 January.

#include <array>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "command.h"
#include "numbers.h"
#include "output.h"
#include "year_style.h"

namespace cli {

namespace {

constexpr std::array kStyleFormats{Format::Text, Format::Tsv, Format::Csv, Format::Json};

const year_style::StyleInfo& styleIn(const std::string& id) {
    const year_style::StyleInfo* style = year_style::find(id);
    if (style == nullptr)
        throw BadInput("unknown style " + output::quoted(id) + "; known styles: " + year_style::knownIds());
    return *style;
}

}  // namespace

Command declareStyle(CLI::App& parent) {
    const Formats formats{kStyleFormats, Format::Text};
    struct Arguments {
        std::string style;
        DateTexts date;
        SharedOptions options;
    };
    auto args = std::make_shared<Arguments>();
    CLI::App* command =
        parent.add_subcommand("style", "the modern date or dates of a date written in a year style");
    command->add_option("STYLE", args->style, "the year style: " + year_style::knownIds())
        ->required()
        ->type_name("");
    addDateArguments(*command, args->date,
                     {"a day from 1 to 31 that the month has", "a month from 1 to 12",
                      "the style year, from 100 to 2100"});
    addSharedOptions(*command, args->options, formats);
    command->footer(
        "Example: tarvinde style pasen 10 4 1491   (zondag 10 april 1491 and dinsdag 10 april 1492)");

    return {
        command, "tarvinde style STYLE DAY MONTH YEAR" + sharedUsage(formats),
        [args, formats](std::ostream& out) {
            const year_style::StyleInfo& style = styleIn(args->style);
            const auto [day, month, year] = dateArguments(args->date.day, args->date.month, args->date.year);
            const Format format = formatIn(args->options.format, formats);
            const regions::Region& region = regionIn(args->options.region);
            // One line a date, text and ISO date; text without the ISO date.
            Answer answer{.data = {.columns = {{"tekst"}, {"iso"}, {"datum"}, {"kalender"}}, .header = false},
                          .text = Table{.columns = {{"tekst"}}, .header = false}};
            for (const year_style::Modern& m : year_style::toModern(style.style, day, month, year, region)) {
                answer.data.rows.push_back({m.text, m.iso, regions::dateInForce(region, m.day),
                                            std::string{regions::calendarOf(region, m.day)}});
                answer.text->rows.push_back({m.text});
            }
            write(out, format, answer);
        }};
}

}  // namespace cli
