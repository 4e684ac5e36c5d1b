// `regions`: the reform regions in the order the menu lists them.

#include <array>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "command.h"
#include "regions.h"

namespace cli {

namespace {

constexpr std::array kRegionsFormats{Format::Text, Format::Tsv, Format::Csv, Format::Json};

std::string dateCell(const std::optional<calendar::Date>& date) {
    return date ? regions::numericDate(*date) : std::string{};
}

// A region's cells in column order; empty where the region has none.
Row cells(const regions::Region& r) {
    return {
        std::string{r.id},          std::string{r.menuName},
        std::string{r.shortName},   dateCell(r.lastJulian),
        dateCell(r.firstGregorian), r.lastJulian ? std::to_string(regions::skippedDates(r)) : std::string{},
        std::string{r.bron}};
}

// Text: the switch at a glance, id, name, the two days and the days skipped, "-" where there is none.
Answer regionsAnswer() {
    // Every empty cell is null in JSON.
    Answer answer{.data = {.columns = {{"id", JsonType::StringOrNull},
                                       {"naam", JsonType::StringOrNull},
                                       {"korte_naam", JsonType::StringOrNull},
                                       {"laatste_juliaanse_dag", JsonType::StringOrNull},
                                       {"eerste_gregoriaanse_dag", JsonType::StringOrNull},
                                       {"dagen_vervallen", JsonType::NumberOrNull},
                                       {"bron", JsonType::StringOrNull}}},
                  .text = Table{.columns = {{"id"},
                                            {"naam"},
                                            {"laatste juliaanse dag"},
                                            {"eerste gregoriaanse dag"},
                                            {"dagen vervallen"}}}};
    for (const regions::Region& r : regions::all()) {
        answer.data.rows.push_back(cells(r));
        Row row = cells(r);
        row.erase(row.begin() + 2);  // the short name
        row.pop_back();              // the source
        for (std::string& cell : row)
            if (cell.empty()) cell = "-";
        answer.text->rows.push_back(std::move(row));
    }
    return answer;
}

}  // namespace

Command declareRegions(CLI::App& parent) {
    const Formats formats{kRegionsFormats, Format::Tsv};
    auto options = std::make_shared<SharedOptions>();
    CLI::App* command = parent.add_subcommand("regions", "the reform regions, their switch and its sources");
    addSharedOptions(*command, *options, formats, RegionOption::None);
    command->footer("Example: tarvinde regions --format text");

    return {command, "tarvinde regions" + sharedUsage(formats, RegionOption::None),
            [options, formats](std::ostream& out) {
                write(out, formatIn(options->format, formats), regionsAnswer());
            }};
}

}  // namespace cli
