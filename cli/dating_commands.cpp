// `on`: the feasts around a day, each as an expression that names it (`date`,
// the other way, is date_command.cpp).

#include <array>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>

#include "command.h"
#include "dating.h"
#include "expressions.h"
#include "numbers.h"

namespace cli {

namespace {

constexpr std::array kOnFormats{Format::Text, Format::Tsv, Format::Csv, Format::Json};

// `on`: JSON the date with its feasts nested; TSV and CSV the feasts; text the
// date, then the feasts' expressions.
Answer onAnswer(const dating::Around& around, const regions::Region& region) {
    auto nearby = std::make_shared<Table>(Table{.columns = {{"relatie"}, {"id"}, {"uitdrukking"}}});
    Answer answer{
        .data = {.columns = {{"tekst"}, {"iso"}, {"datum"}, {"kalender"}},
                 .rows = {{around.date.text, around.date.iso, regions::dateInForce(region, around.date.day),
                           std::string{regions::calendarOf(region, around.date.day)}}},
                 .jsonObject = true,
                 .nestedKey = "feesten",
                 .nested = nearby},
        .text = Table{.columns = {{"tekst"}}, .rows = {{around.date.text}}, .header = false}};
    for (const dating::Nearby& n : around.feasts) {
        nearby->rows.push_back({std::string{n.relation}, std::string{n.feast->id}, n.expression});
        answer.text->rows.push_back({n.expression});
    }
    answer.delimited = *nearby;
    return answer;
}

}  // namespace

Command declareOn(CLI::App& parent) {
    const Formats formats{kOnFormats, Format::Tsv};
    auto args = std::make_shared<DateCommandArguments>();
    CLI::App* command = parent.add_subcommand("on", "the feasts within seven days of a date, as expressions");
    addDateArguments(
        *command, args->date,
        {"a day from 1 to 31 that the month has", "a month from 1 to 12", "a year from 100 to 2100"});
    addSharedOptions(*command, args->options, formats);
    command->footer("Example: tarvinde on 2 1 1500 --format text");

    return {command, "tarvinde on DAY MONTH YEAR" + sharedUsage(formats), [args, formats](std::ostream& out) {
                const auto [day, month, year] =
                    dateArguments(args->date.day, args->date.month, args->date.year);
                const Format format = formatIn(args->options.format, formats);
                const regions::Region& region = regionIn(args->options.region);
                write(out, format, onAnswer(dating::around(day, month, year, region), region));
            }};
}

}  // namespace cli
