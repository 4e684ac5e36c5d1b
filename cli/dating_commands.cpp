// `on`: the feasts around a day, each as an expression that names it (`date`,
// the other way, is date_command.cpp).

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

std::vector<std::string> cells(const dating::Nearby& n) {
    return {std::string{n.relation}, std::string{n.feast->id}, n.expression};
}

}  // namespace

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
