// `date` and `on`: dating by feast, from an expression to a day and from a day
// to the feasts around it.

#include <array>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "command.h"
#include "dating.h"
#include "numbers.h"
#include "output.h"
#include "year_view.h"

namespace cli {

namespace {

constexpr std::array kDatingFormats{Format::Text, Format::Tsv, Format::Json};

const std::vector<std::string> kOnColumns{"relatie", "id", "uitdrukking"};

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

std::vector<std::string> cells(const dating::Nearby& n) {
    return {std::string{n.relation}, std::string{n.feast->id}, n.expression};
}

}  // namespace

Command declareDate(CLI::App& parent) {
    const Formats formats{kDatingFormats, Format::Text};
    struct Arguments {
        std::vector<std::string> words;
        OptionValues format, region;
    };
    auto args = std::make_shared<Arguments>();
    CLI::App* command =
        parent.add_subcommand("date", "the day a dating expression names: [relation] feast year");
    command->add_option("EXPRESSION", args->words, "the words of the expression, apart or as one argument")
        ->required()
        ->type_name("");
    addFormatOption(*command, args->format, formats);
    addRegionOption(*command, args->region);
    command->footer(
        "RELATION: vooravond van, octaaf van, or [1e..5e] WEEKDAY na|voor; the feast by its name, another\n"
        "name or its Latin name (the naam and latijn columns of tarvinde feasts); the year the feast's.\n"
        "Example: tarvinde date dinsdag na Sint-Maarten 1450   (dinsdag 17 november 1450)");

    return {command, "tarvinde date EXPRESSION... [--format " + formatChoices(formats) + "] [--region ID]",
            [args, formats](std::ostream& out) {
                const std::string expression = expressionOf(args->words);
                const Format format = formatIn(args->format, formats);
                const regions::Region& region = regionIn(args->region);
                dating::Dated dated;
                try {
                    dated = dating::evaluate(expression, region);
                } catch (const dating::Error& error) {
                    throw BadInput(error.what());
                }
                if (format == Format::Json) {
                    nlohmann::ordered_json o = nlohmann::ordered_json::object();
                    o["uitdrukking"] = expression;
                    o["tekst"] = dated.text;
                    o["iso"] = dated.iso;
                    output::writeJson(out, o);
                } else if (format == Format::Tsv) {
                    output::writeTsv(out, {dated.text, dated.iso});
                } else {
                    out << dated.text << '\n';
                }
            }};
}

Command declareOn(CLI::App& parent) {
    const Formats formats{kDatingFormats, Format::Tsv};
    struct Arguments {
        std::string day, month, year;
        OptionValues format, region;
    };
    auto args = std::make_shared<Arguments>();
    CLI::App* command = parent.add_subcommand("on", "the feasts within seven days of a date, as expressions");
    addNumberArgument(*command, args->day, "DAY", "a day from 1 to 31 that the month has");
    addNumberArgument(*command, args->month, "MONTH", "a month from 1 to 12");
    addNumberArgument(*command, args->year, "YEAR", "a year from 100 to 2100");
    addFormatOption(*command, args->format, formats);
    addRegionOption(*command, args->region);
    command->footer("Example: tarvinde on 2 1 1500 --format text");

    return {command, "tarvinde on DAY MONTH YEAR [--format " + formatChoices(formats) + "] [--region ID]",
            [args, formats](std::ostream& out) {
                const auto [day, month, year] = dateArguments(args->day, args->month, args->year);
                const Format format = formatIn(args->format, formats);
                const regions::Region& region = regionIn(args->region);
                dating::Around around;
                try {
                    around = dating::around(day, month, year, region);
                } catch (const dating::Error& error) {
                    throw BadInput(error.what());
                }
                switch (format) {
                    case Format::Json: {
                        nlohmann::ordered_json o = nlohmann::ordered_json::object();
                        o["tekst"] = around.date.text;
                        o["iso"] = around.date.iso;
                        o["feesten"] = nlohmann::ordered_json::array();
                        for (const dating::Nearby& n : around.feasts) {
                            const std::vector<std::string> values = cells(n);
                            nlohmann::ordered_json feast = nlohmann::ordered_json::object();
                            for (std::size_t i = 0; i < kOnColumns.size(); ++i)
                                feast[kOnColumns.at(i)] = values.at(i);
                            o["feesten"].push_back(std::move(feast));
                        }
                        output::writeJson(out, o);
                        break;
                    }
                    case Format::Text:
                        out << around.date.text << '\n';
                        for (const dating::Nearby& n : around.feasts) out << n.expression << '\n';
                        break;
                    default:
                        output::writeTsv(out, kOnColumns);
                        for (const dating::Nearby& n : around.feasts) output::writeTsv(out, cells(n));
                }
            }};
}

}  // namespace cli
