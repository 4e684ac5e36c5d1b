#pragma once

// What the command files share: how a command is declared, the failure that
// stands for bad input, and the options more than one command takes.

#include <functional>
#include <iosfwd>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "answers.h"
#include "regions.h"
#include "table.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace cli {

// A declared command: its CLI11 subcommand, the usage line its errors repeat, and
// what it does once the whole command line has been parsed. The action checks
// every argument before it writes anything, so that bad input leaves standard
// output empty. A command that also reads standard input has an inputAction
// instead, which gives the exit status (kOk or kPartlyRead).
struct Command {
    CLI::App* app;
    std::string usage;
    std::function<void(std::ostream& out)> action;
    std::function<int(std::istream& in, std::ostream& out)> inputAction = {};
};
using Declare = Command (*)(CLI::App& parent);

// One declaration per command file; cli.cpp lists them.
Command declareYear(CLI::App& parent);
Command declareYears(CLI::App& parent);
Command declareWeekday(CLI::App& parent);
Command declareRegions(CLI::App& parent);
Command declareFeasts(CLI::App& parent);
Command declareDate(CLI::App& parent);
Command declareOn(CLI::App& parent);
Command declareStyle(CLI::App& parent);
Command declareComputus(CLI::App& parent);

// --format NAME, once at most, among the formats a command allows.
struct Formats {
    std::span<const Format> allowed;
    Format fallback;  // when --format is not given
};
Format formatIn(const OptionValues& values, const Formats& formats);
std::string formatChoices(const Formats& formats);  // "text|tsv|json"

// An option with one value, once at most (singleValue reads it).
CLI::Option* addSingleOption(CLI::App& command, const std::string& name, OptionValues& values,
                             const std::string& typeName, const std::string& description);

// The options the commands share: --format, and --region for a command that takes one.
struct SharedOptions {
    OptionValues format, region;
};
enum class RegionOption { Taken, None };
void addSharedOptions(CLI::App& command, SharedOptions& options, const Formats& formats,
                      RegionOption region = RegionOption::Taken);
// " [--format text|tsv|json] [--region ID]", as the usage line ends.
std::string sharedUsage(const Formats& formats, RegionOption region = RegionOption::Taken);

// The texts of DAY, MONTH and YEAR, for the commands that read a date, and what
// each accepts as the help says it.
struct DateTexts {
    std::string day, month, year;
};
void addDateArguments(CLI::App& command, DateTexts& texts, const DateTexts& help);
// What a command of DAY MONTH YEAR and the shared options reads.
struct DateCommandArguments {
    DateTexts date;
    SharedOptions options;
};

// A command of one YEAR and the shared options, whose answer is that of the year
// in the region.
struct YearCommand {
    const char* name;
    const char* description;
    const char* footer;
    Formats formats;
    Answer (*answer)(int year, const regions::Region& region);
};
Command declareYearCommand(CLI::App& parent, const YearCommand& definition);

// A positional argument read as a string, so that it can be parsed strictly.
void addNumberArgument(CLI::App& command, std::string& text, const std::string& name,
                       const std::string& description);

}  // namespace cli
