// The options and arguments the commands share, declared and read in one place.

#include <array>
#include <memory>
#include <ostream>
#include <string>

#include <CLI/CLI.hpp>

#include "command.h"
#include "numbers.h"
#include "output.h"

namespace cli {

namespace {

constexpr std::array<std::string_view, 4> kFormatNames{"text", "tsv", "csv", "json"};

std::string_view nameOf(Format format) {
    return kFormatNames.at(static_cast<std::size_t>(format));
}

}  // namespace

// Collects every occurrence, one value each, so that a repeated option is seen.
// A vector option would also take the words after its value ("--format tsv 2001"
// as two formats); without extra arguments they stay positional arguments.
CLI::Option* addSingleOption(CLI::App& command, const std::string& name, OptionValues& values,
                             const std::string& typeName, const std::string& description) {
    return command.add_option(name, values, description)
        ->type_name(typeName)
        ->expected(1)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

std::string formatChoices(const Formats& formats) {
    std::string choices;
    for (const Format f : formats.allowed) {
        if (!choices.empty()) choices += '|';
        choices += nameOf(f);
    }
    return choices;
}

Format formatIn(const OptionValues& values, const Formats& formats) {
    const std::string* name = singleValue(values, "--format");
    if (name == nullptr) return formats.fallback;
    for (const Format f : formats.allowed)
        if (nameOf(f) == *name) return f;
    throw BadInput("unknown format " + output::quoted(*name) + "; formats: " + formatChoices(formats));
}

void addSharedOptions(CLI::App& command, SharedOptions& options, const Formats& formats,
                      RegionOption region) {
    addSingleOption(command, "--format", options.format, formatChoices(formats),
                    "output format (default " + std::string{nameOf(formats.fallback)} + ")");
    if (region == RegionOption::Taken)
        addSingleOption(command, "--region", options.region, "ID",
                        "reform region (default " + std::string{regions::defaultRegion().id} +
                            "; tarvinde regions lists them)");
}

std::string sharedUsage(const Formats& formats, RegionOption region) {
    return " [--format " + formatChoices(formats) + "]" +
           (region == RegionOption::Taken ? " [--region ID]" : "");
}

void addNumberArgument(CLI::App& command, std::string& text, const std::string& name,
                       const std::string& description) {
    command.add_option(name, text, description)->required()->type_name("");
}

void addDateArguments(CLI::App& command, DateTexts& texts, const DateTexts& help) {
    addNumberArgument(command, texts.day, "DAY", help.day);
    addNumberArgument(command, texts.month, "MONTH", help.month);
    addNumberArgument(command, texts.year, "YEAR", help.year);
}

Command declareYearCommand(CLI::App& parent, const YearCommand& definition) {
    struct Arguments {
        std::string year;
        SharedOptions options;
    };
    auto args = std::make_shared<Arguments>();
    CLI::App* command = parent.add_subcommand(definition.name, definition.description);
    addNumberArgument(*command, args->year, "YEAR", "a year from 100 to 2100");
    addSharedOptions(*command, args->options, definition.formats);
    command->footer(definition.footer);

    return {command, "tarvinde " + std::string{definition.name} + " YEAR" + sharedUsage(definition.formats),
            [args, definition](std::ostream& out) {
                const int year = yearArgument("YEAR", args->year);
                const Format format = formatIn(args->options.format, definition.formats);
                write(out, format, definition.answer(year, regionIn(args->options.region)));
            }};
}

}  // namespace cli
