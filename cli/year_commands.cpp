// `year` and `years`: the year view of one year, or of every year of a range.

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
#include "year_view.h"

namespace cli {

namespace {

using year_view::YearView;

constexpr std::size_t kKeyCount = 4 + year_view::kFeastCount + 2;

// The keys of a year, in the order every format writes them.
constexpr std::array<std::string_view, kKeyCount> kKeys = [] {
    std::array<std::string_view, kKeyCount> keys{"jaar", "kalender", "schrikkeljaar", "regel"};
    for (std::size_t i = 0; i < year_view::kFeastCount; ++i) keys.at(4 + i) = year_view::kFeastRows.at(i).key;
    keys.at(kKeyCount - 2) = "gallie_titel";
    keys.at(kKeyCount - 1) = "gallie";
    return keys;
}();
constexpr std::size_t kJaar = 0;
constexpr std::size_t kSchrikkeljaar = 2;

std::vector<std::string> header() {
    return {kKeys.begin(), kKeys.end()};
}

// The values of a year as texts, without leading or trailing blanks.
std::vector<std::string> cells(const YearView& view) {
    const auto trim = [](const std::string& text) { return std::string{year_view::trimmed(text)}; };
    std::vector<std::string> values;
    values.reserve(kKeyCount);
    values.push_back(std::to_string(view.year));
    values.push_back(trim(view.kalender));
    values.emplace_back(view.leapYear ? "1" : "0");
    values.push_back(trim(view.regel));
    for (const std::string& feast : view.feasts) values.push_back(trim(feast));
    values.push_back(trim(view.gallieTitel));
    values.push_back(trim(view.gallie));
    return values;
}

// jaar and schrikkeljaar as numbers, the rest as strings.
nlohmann::ordered_json object(const YearView& view) {
    const std::vector<std::string> values = cells(view);
    nlohmann::ordered_json o = nlohmann::ordered_json::object();
    for (std::size_t i = 0; i < kKeyCount; ++i) {
        const std::string key{kKeys.at(i)};
        if (i == kJaar)
            o[key] = view.year;
        else if (i == kSchrikkeljaar)
            o[key] = view.leapYear ? 1 : 0;
        else
            o[key] = values.at(i);
    }
    return o;
}

constexpr std::array kYearFormats{Format::Text, Format::Tsv, Format::Json};
constexpr std::array kYearsFormats{Format::Tsv, Format::Csv, Format::Json};

}  // namespace

Command declareYear(CLI::App& parent) {
    const Formats formats{kYearFormats, Format::Text};
    struct Arguments {
        std::string year;
        OptionValues format, region;
    };
    auto args = std::make_shared<Arguments>();
    CLI::App* command = parent.add_subcommand("year", "the year view of YEAR: calendar, leap year, feasts");
    addNumberArgument(*command, args->year, "YEAR", "a year from 100 to 2100");
    addFormatOption(*command, args->format, formats);
    addRegionOption(*command, args->region);
    command->footer("Example: tarvinde year 2000 --format tsv");

    return {command, "tarvinde year YEAR [--format " + formatChoices(formats) + "] [--region ID]",
            [args, formats](std::ostream& out) {
                const int year = yearArgument("YEAR", args->year);
                const Format format = formatIn(args->format, formats);
                const YearView view = year_view::build(year, regionIn(args->region));
                if (format == Format::Json) {
                    output::writeJson(out, object(view));
                } else if (format == Format::Tsv) {
                    const std::vector<std::string> values = cells(view);
                    for (std::size_t i = 0; i < kKeyCount; ++i)
                        output::writeTsv(out, {std::string{kKeys.at(i)}, values.at(i)});
                } else {
                    std::vector<std::vector<std::string>> rows;
                    for (year_view::Line& line : year_view::lines(view))
                        rows.push_back({std::move(line.caption), std::move(line.text)});
                    output::writeColumns(out, rows);
                }
            }};
}

Command declareYears(CLI::App& parent) {
    const Formats formats{kYearsFormats, Format::Tsv};
    struct Arguments {
        std::string first, last;
        OptionValues format, region;
    };
    auto args = std::make_shared<Arguments>();
    CLI::App* command = parent.add_subcommand("years", "the year view of every year from FIRST to LAST");
    addNumberArgument(*command, args->first, "FIRST", "the first year, from 100 to 2100");
    addNumberArgument(*command, args->last, "LAST", "the last year, from FIRST to 2100");
    addFormatOption(*command, args->format, formats);
    addRegionOption(*command, args->region);
    command->footer("Example: tarvinde years 1580 1590 --format csv");

    return {command, "tarvinde years FIRST LAST [--format " + formatChoices(formats) + "] [--region ID]",
            [args, formats](std::ostream& out) {
                const int first = yearArgument("FIRST", args->first);
                const int last = yearArgument("LAST", args->last);
                if (first > last)
                    throw BadInput("FIRST " + std::to_string(first) + " is after LAST " +
                                   std::to_string(last) + "; give the earlier year first");
                const Format format = formatIn(args->format, formats);
                const regions::Region& region = regionIn(args->region);

                // Written year by year, so that a closed output stops the work at once.
                if (format == Format::Json) out << '[';
                if (format == Format::Tsv) output::writeTsv(out, header());
                if (format == Format::Csv) output::writeCsv(out, header());
                for (int year = first; year <= last && out; ++year) {
                    const YearView view = year_view::build(year, region);
                    if (format == Format::Json)
                        out << (year > first ? "," : "") << object(view).dump();
                    else if (format == Format::Csv)
                        output::writeCsv(out, cells(view));
                    else
                        output::writeTsv(out, cells(view));
                }
                if (format == Format::Json) out << "]\n";
            }};
}

}  // namespace cli
