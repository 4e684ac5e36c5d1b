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
// With all feasts, a column "noot": which of a feast's days it is, "dag onzeker".
Answer onAnswer(const dating::Around& around, const regions::Region& region, bool all) {
    auto nearby = std::make_shared<Table>(Table{.columns = {{"relatie"}, {"id"}, {"uitdrukking"}}});
    if (all) nearby->columns.push_back({"noot"});
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
        if (all) nearby->rows.back().push_back(n.note);
        answer.text->rows.push_back({n.note.empty() ? n.expression : n.expression + " (" + n.note + ")"});
    }
    answer.delimited = *nearby;
    return answer;
}

}  // namespace

Command declareOn(CLI::App& parent) {
    const Formats formats{kOnFormats, Format::Tsv};
    struct Arguments {
        DateCommandArguments dated;
        bool all = false;
    };
    auto args = std::make_shared<Arguments>();
    CLI::App* command =
        parent.add_subcommand("on", "the feasts within seven days of a date, nearest first, as expressions");
    addDateArguments(
        *command, args->dated.date,
        {"a day from 1 to 31 that the month has", "a month from 1 to 12", "a year from 100 to 2100"});
    addSharedOptions(*command, args->dated.options, formats);
    command->add_flag("--alle", args->all,
                      "all feasts: also the saints' days of the dioceses, on each of their days");
    command->footer("Example: tarvinde on 2 1 1500 --format text");

    return {command, "tarvinde on DAY MONTH YEAR [--alle]" + sharedUsage(formats),
            [args, formats](std::ostream& out) {
                const DateTexts& date = args->dated.date;
                const auto [day, month, year] = dateArguments(date.day, date.month, date.year);
                const Format format = formatIn(args->dated.options.format, formats);
                const regions::Region& region = regionIn(args->dated.options.region);
                write(out, format,
                      onAnswer(dating::around(day, month, year, region,
                                              args->all ? feasts::Set::All : feasts::Set::Main),
                               region, args->all));
            }};
}

}  // namespace cli
