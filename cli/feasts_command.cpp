// `feasts`: every feast of a year used in dating, in the order of their days.

#include <array>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "command.h"
#include "feasts.h"
#include "numbers.h"
#include "output.h"
#include "year_view.h"

namespace cli {

namespace {

constexpr std::array kFeastsFormats{Format::Text, Format::Tsv, Format::Json};

const std::vector<std::string> kColumns{"id", "naam", "latijn", "tekst", "iso"};

// A feast's cells in column order; an empty Latin name where the table has none.
std::vector<std::string> cells(const feasts::Occurrence& o) {
    return {std::string{o.feast->id}, std::string{o.feast->name}, std::string{o.feast->latin}, o.text, o.iso};
}

}  // namespace

Command declareFeasts(CLI::App& parent) {
    const Formats formats{kFeastsFormats, Format::Tsv};
    struct Arguments {
        std::string year;
        OptionValues format, region;
    };
    auto args = std::make_shared<Arguments>();
    CLI::App* command = parent.add_subcommand("feasts", "every feast of YEAR used in dating, with its day");
    addNumberArgument(*command, args->year, "YEAR", "a year from 100 to 2100");
    addFormatOption(*command, args->format, formats);
    addRegionOption(*command, args->region);
    command->footer("Example: tarvinde feasts 1450 --format text");

    return {command, "tarvinde feasts YEAR [--format " + formatChoices(formats) + "] [--region ID]",
            [args, formats](std::ostream& out) {
                const int year = yearArgument("YEAR", args->year);
                const Format format = formatIn(args->format, formats);
                const std::vector<feasts::Occurrence> list = feasts::ofYear(year, regionIn(args->region));
                switch (format) {
                    case Format::Json: {
                        nlohmann::ordered_json array = nlohmann::ordered_json::array();
                        for (const feasts::Occurrence& o : list) {
                            const std::vector<std::string> values = cells(o);
                            nlohmann::ordered_json object = nlohmann::ordered_json::object();
                            for (std::size_t i = 0; i < kColumns.size(); ++i)
                                object[kColumns.at(i)] = values.at(i);
                            array.push_back(std::move(object));
                        }
                        output::writeJson(out, array);
                        break;
                    }
                    case Format::Text: {
                        std::vector<std::vector<std::string>> rows;
                        rows.reserve(list.size());
                        for (const feasts::Occurrence& o : list)
                            rows.push_back({std::string{o.feast->name}, o.text});
                        output::writeColumns(out, rows);
                        break;
                    }
                    default:
                        output::writeTsv(out, kColumns);
                        for (const feasts::Occurrence& o : list) output::writeTsv(out, cells(o));
                }
            }};
}

}  // namespace cli
