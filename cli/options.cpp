#include <array>
#include <string>

#include <CLI/CLI.hpp>

#include "command.h"
#include "output.h"

namespace cli {

namespace {

constexpr std::array<std::string_view, 4> kFormatNames{"text", "tsv", "csv", "json"};

std::string_view nameOf(Format format) {
    return kFormatNames.at(static_cast<std::size_t>(format));
}

}  // namespace

// The one value of an option, or none; given twice is bad input.
const std::string* singleValue(const OptionValues& values, std::string_view option) {
    if (values.size() > 1)
        throw BadInput(std::string{option} + " is given " + std::to_string(values.size()) +
                       " times; give it once");
    return values.empty() ? nullptr : &values.front();
}

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

void addFormatOption(CLI::App& command, OptionValues& values, const Formats& formats) {
    addSingleOption(command, "--format", values, formatChoices(formats),
                    "output format (default " + std::string{nameOf(formats.fallback)} + ")");
}

Format formatIn(const OptionValues& values, const Formats& formats) {
    const std::string* name = singleValue(values, "--format");
    if (name == nullptr) return formats.fallback;
    for (const Format f : formats.allowed)
        if (nameOf(f) == *name) return f;
    throw BadInput("unknown format " + output::quoted(*name) + "; formats: " + formatChoices(formats));
}

void addRegionOption(CLI::App& command, OptionValues& values) {
    addSingleOption(command, "--region", values, "ID",
                    "reform region (default " + std::string{regions::defaultRegion().id} +
                        "; tarvinde regions lists them)");
}

const regions::Region& regionIn(const OptionValues& values) {
    const std::string* id = singleValue(values, "--region");
    if (id == nullptr) return regions::defaultRegion();
    const regions::Region* region = regions::find(*id);
    if (region == nullptr)
        throw BadInput("unknown region " + output::quoted(*id) + "; known regions: " + regions::knownIds());
    return *region;
}

void addNumberArgument(CLI::App& command, std::string& text, const std::string& name,
                       const std::string& description) {
    command.add_option(name, text, description)->required()->type_name("");
}

}  // namespace cli
