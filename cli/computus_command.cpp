// `computus`: the computus of every year from FIRST to LAST, one row each.

#include <array>
#include <cstddef>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "command.h"
#include "numbers.h"
#include "table.h"
#include "year_computus.h"

namespace cli {

namespace {

constexpr std::array kComputusFormats{Format::Tsv, Format::Csv, Format::Json, Format::Text};

// A header line first in TSV, CSV and text (aligned under it); in JSON an array
// of objects, the number columns as numbers.
Table computusTable(int first, int last, const regions::Region& region) {
    Table table;
    for (const year_computus::Column& column : year_computus::kColumns)
        table.columns.push_back(
            {std::string{column.key}, column.number ? JsonType::Number : JsonType::String});
    // Year by year as the writer takes them; text walks them twice, for its widths first.
    table.more = [first, last, &region](const TakeRow& take) {
        Row row;
        for (int year = first; year <= last; ++year) {
            row.clear();
            for (year_computus::Cell& cell : year_computus::cells(year_computus::of(year, region)))
                row.push_back(std::move(cell.text));
            if (!take(row)) return;
        }
    };
    return table;
}

}  // namespace

Command declareComputus(CLI::App& parent) {
    const Formats formats{kComputusFormats, Format::Tsv};
    struct Arguments {
        std::string first, last;
        SharedOptions options;
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
    addSharedOptions(*command, args->options, formats);
    command->footer("Example: tarvinde computus 1450 1460 --format text");

    return {command, "tarvinde computus FIRST [LAST]" + sharedUsage(formats),
            [args, formats, lastOption](std::ostream& out) {
                const int first = yearArgument("FIRST", args->first);
                const int last = lastOption->count() == 0 ? first : lastYearArgument(first, args->last);
                const Format format = formatIn(args->options.format, formats);
                const regions::Region& region = regionIn(args->options.region);
                write(out, format, {.data = computusTable(first, last, region)});
            }};
}

}  // namespace cli
