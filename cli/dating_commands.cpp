// `date` and `on`: dating by feast, from an expression to a day and from a day
// to the feasts around it.

#include <array>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>

#include "command.h"
#include "dating.h"
#include "numbers.h"

namespace cli {

namespace {

constexpr std::array kDatingFormats{Format::Text, Format::Tsv, Format::Csv, Format::Json};

// The words of every argument joined by single blanks, so that one quoted argument
// and the same words given apart are one expression.
std::string expressionOf(const std::vector<std::string>& arguments) {
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    std::string expression;
    for (const std::string_view argument : arguments) {
        std::size_t at = argument.find_first_not_of(kBlanks);
        while (at != std::string_view::npos) {
            const std::size_t end = std::min(argument.find_first_of(kBlanks, at), argument.size());
            if (!expression.empty()) expression += ' ';
            expression += argument.substr(at, end - at);
            at = argument.find_first_not_of(kBlanks, end);
        }
    }
    return expression;
}

// `on`: JSON the date with its feasts nested; TSV and CSV the feasts; text the
// date, then the feasts' expressions.
Answer onAnswer(const dating::Around& around) {
    auto nearby = std::make_shared<Table>(Table{.columns = {{"relatie"}, {"id"}, {"uitdrukking"}}});
    Answer answer{.data = {.columns = {{"tekst"}, {"iso"}},
                           .rows = {{around.date.text, around.date.iso}},
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

Command declareDate(CLI::App& parent) {
    const Formats formats{kDatingFormats, Format::Text};
    struct Arguments {
        std::vector<std::string> words;
        SharedOptions options;
    };
    auto args = std::make_shared<Arguments>();
    CLI::App* command =
        parent.add_subcommand("date", "the day a dating expression names: [relation] feast year");
    command->add_option("EXPRESSION", args->words, "the words of the expression, apart or as one argument")
        ->required()
        ->type_name("");
    addSharedOptions(*command, args->options, formats);
    command->footer(
        "RELATION: vooravond van, octaaf van, or [1e..5e] WEEKDAY na|voor; the feast by its name, another\n"
        "name or its Latin name (the naam and latijn columns of tarvinde feasts); the year the feast's.\n"
        "Example: tarvinde date dinsdag na Sint-Maarten 1450   (dinsdag 17 november 1450)");

    return {command, "tarvinde date EXPRESSION..." + sharedUsage(formats),
            [args, formats](std::ostream& out) {
                const std::string expression = expressionOf(args->words);
                const Format format = formatIn(args->options.format, formats);
                const regions::Region& region = regionIn(args->options.region);
                const dating::Dated dated = dating::evaluate(expression, region);
                // JSON names the expression too; TSV and CSV the text and ISO date; text the text.
                write(out, format,
                      Answer{.data = {.columns = {{"uitdrukking"}, {"tekst"}, {"iso"}},
                                      .rows = {{expression, dated.text, dated.iso}},
                                      .jsonObject = true},
                             .delimited = Table{.columns = {{"tekst"}, {"iso"}},
                                                .rows = {{dated.text, dated.iso}},
                                                .header = false},
                             .text = Table{.columns = {{"tekst"}}, .rows = {{dated.text}}, .header = false}});
            }};
}

Command declareOn(CLI::App& parent) {
    const Formats formats{kDatingFormats, Format::Tsv};
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
                write(out, format, onAnswer(dating::around(day, month, year, region)));
            }};
}

}  // namespace cli
