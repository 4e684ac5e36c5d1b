// `computus`: the computus of every year from FIRST to LAST, one row each.

#include <array>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "command.h"
#include "numbers.h"
#include "output.h"
#include "year_computus.h"

namespace cli {

namespace {

constexpr std::array kComputusFormats{Format::Tsv, Format::Csv, Format::Json, Format::Text};

using Row = std::array<year_computus::Cell, year_computus::kColumnCount>;

// The table in a format: a header line first in TSV, CSV and text (aligned under
// it); in JSON an array of objects, the number columns as numbers.
void writeTable(std::ostream& out, Format format, const std::vector<Row>& rows) {
    const auto& columns = year_computus::kColumns;
    if (format == Format::Json) {
        nlohmann::ordered_json array = nlohmann::ordered_json::array();
        for (const Row& row : rows) {
            nlohmann::ordered_json object = nlohmann::ordered_json::object();
            for (std::size_t i = 0; i < columns.size(); ++i) {
                const std::string key{columns.at(i).key};
                if (row.at(i).number)
                    object[key] = *row.at(i).number;
                else
                    object[key] = row.at(i).text;
            }
            array.push_back(std::move(object));
        }
        output::writeJson(out, array);
        return;
    }
    std::vector<std::vector<std::string>> lines;
    lines.reserve(rows.size() + 1);
    lines.emplace_back();
    for (const year_computus::Column& column : columns) lines.back().emplace_back(column.key);
    for (const Row& row : rows) {
        std::vector<std::string>& line = lines.emplace_back();
        for (const year_computus::Cell& cell : row) line.push_back(cell.text);
    }
    if (format == Format::Text) {
        output::writeColumns(out, lines);
        return;
    }
    for (const std::vector<std::string>& line : lines) {
        if (format == Format::Csv)
            output::writeCsv(out, line);
        else
            output::writeTsv(out, line);
    }
}

}  // namespace

Command declareComputus(CLI::App& parent) {
    const Formats formats{kComputusFormats, Format::Tsv};
    struct Arguments {
        std::string first, last;
        OptionValues format, region;
    };
    auto args = std::make_shared<Arguments>();
    CLI::App* command = parent.add_subcommand(
        "computus",
        "golden number, epact, Sunday letters, indiction, Easter's limit and Easter of every year");
    addNumberArgument(*command, args->first, "FIRST", "the first year, from 100 to 2100");
    // Absent is FIRST alone; given, even empty, it must be a year.
    const CLI::Option* lastOption =
        command->add_option("LAST", args->last, "the last year, from FIRST to 2100 (default FIRST)")
            ->type_name("");
    addFormatOption(*command, args->format, formats);
    addRegionOption(*command, args->region);
    command->footer("Example: tarvinde computus 1450 1460 --format text");

    return {command, "tarvinde computus FIRST [LAST] [--format " + formatChoices(formats) + "] [--region ID]",
            [args, formats, lastOption](std::ostream& out) {
                const int first = yearArgument("FIRST", args->first);
                const int last = lastOption->count() == 0 ? first : yearArgument("LAST", args->last);
                if (first > last)
                    throw BadInput("FIRST " + std::to_string(first) + " is after LAST " +
                                   std::to_string(last) + "; give the earlier year first");
                const Format format = formatIn(args->format, formats);
                const regions::Region& region = regionIn(args->region);

                std::vector<Row> rows;
                rows.reserve(static_cast<std::size_t>(last - first) + 1);
                for (int year = first; year <= last; ++year)
                    rows.push_back(year_computus::cells(year_computus::of(year, region)));
                writeTable(out, format, rows);
            }};
}

}  // namespace cli
