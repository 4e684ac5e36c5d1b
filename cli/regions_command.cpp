// `regions`: the reform regions in the order the menu lists them.

#include <array>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "command.h"
#include "output.h"
#include "regions.h"

namespace cli {

namespace {

constexpr std::array kRegionsFormats{Format::Text, Format::Tsv, Format::Json};

const std::vector<std::string> kColumns{
    "id",  "naam", "korte_naam", "laatste_juliaanse_dag", "eerste_gregoriaanse_dag", "dagen_vervallen",
    "bron"};

std::string dateCell(const std::optional<calendar::Date>& date) {
    return date ? regions::numericDate(*date) : std::string{};
}

// A region's cells in column order; empty where the region has none.
std::vector<std::string> cells(const regions::Region& r) {
    return {
        std::string{r.id},          std::string{r.menuName},
        std::string{r.shortName},   dateCell(r.lastJulian),
        dateCell(r.firstGregorian), r.lastJulian ? std::to_string(regions::skippedDates(r)) : std::string{},
        std::string{r.bron}};
}

nlohmann::ordered_json object(const regions::Region& r) {
    const std::vector<std::string> values = cells(r);
    nlohmann::ordered_json o = nlohmann::ordered_json::object();
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        if (values.at(i).empty())
            o[kColumns.at(i)] = nullptr;
        else if (kColumns.at(i) == "dagen_vervallen")
            o[kColumns.at(i)] = regions::skippedDates(r);
        else
            o[kColumns.at(i)] = values.at(i);
    }
    return o;
}

}  // namespace

Command declareRegions(CLI::App& parent) {
    const Formats formats{kRegionsFormats, Format::Tsv};
    auto format = std::make_shared<OptionValues>();
    CLI::App* command = parent.add_subcommand("regions", "the reform regions, their switch and its sources");
    addFormatOption(*command, *format, formats);
    command->footer("Example: tarvinde regions --format text");

    return {command, "tarvinde regions [--format " + formatChoices(formats) + "]",
            [format, formats](std::ostream& out) {
                switch (formatIn(*format, formats)) {
                    case Format::Json: {
                        nlohmann::ordered_json list = nlohmann::ordered_json::array();
                        for (const regions::Region& r : regions::all()) list.push_back(object(r));
                        output::writeJson(out, list);
                        break;
                    }
                    case Format::Text: {
                        // The switch at a glance: id, name, the two days and the days skipped.
                        std::vector<std::vector<std::string>> rows{{"id", "naam", "laatste juliaanse dag",
                                                                    "eerste gregoriaanse dag",
                                                                    "dagen vervallen"}};
                        for (const regions::Region& r : regions::all()) {
                            std::vector<std::string> row = cells(r);
                            row.erase(row.begin() + 2);  // the short name
                            row.pop_back();              // the source
                            for (std::string& cell : row)
                                if (cell.empty()) cell = "-";
                            rows.push_back(std::move(row));
                        }
                        output::writeColumns(out, rows);
                        break;
                    }
                    default:
                        output::writeTsv(out, kColumns);
                        for (const regions::Region& r : regions::all()) output::writeTsv(out, cells(r));
                }
            }};
}

}  // namespace cli
