// The declarations of the commands whose answers the page shares (answers.h):
// their arguments and options, read and checked here before the answer is built.

#include <array>
#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "answers.h"
#include "cli.h"
#include "command.h"
#include "numbers.h"
#include "output.h"
#include "year_style.h"

namespace cli {

namespace {

constexpr std::array kYearFormats{Format::Text, Format::Tsv, Format::Csv, Format::Json};
constexpr std::array kYearsFormats{Format::Tsv, Format::Csv, Format::Json};
constexpr std::array kFeastsFormats{Format::Text, Format::Tsv, Format::Csv, Format::Json};
constexpr std::array kClauseFormats{Format::Text, Format::Tsv, Format::Csv, Format::Json};
constexpr std::array kBatchFormats{Format::Tsv, Format::Csv, Format::Json};
constexpr std::array kEveryFormat{Format::Text, Format::Tsv, Format::Csv, Format::Json};
constexpr std::array kComputusFormats{Format::Tsv, Format::Csv, Format::Json, Format::Text};
constexpr std::array kWeekdayFormats{Format::Text, Format::Tsv, Format::Csv, Format::Json};

struct ClauseArguments {
    std::vector<std::string> words;
    bool batch = false;
    SharedOptions options;
    OptionValues century, style;
};

clause::Options optionsIn(const ClauseArguments& args) {
    return clauseOptions(args.options.region, args.century, args.style);
}

}  // namespace

Command declareYear(CLI::App& parent) {
    return declareYearCommand(
        parent, {"year", "the year view of YEAR: calendar, leap year, feasts",
                 "Example: tarvinde year 2000 --format tsv", Formats{kYearFormats, Format::Text},
                 [](int year, const regions::Region& region) { return yearAnswer(year, region); }});
}

Command declareYears(CLI::App& parent) {
    const Formats formats{kYearsFormats, Format::Tsv};
    struct Arguments {
        std::string first, last;
        SharedOptions options;
    };
    auto args = std::make_shared<Arguments>();
    CLI::App* command = parent.add_subcommand("years", "the year view of every year from FIRST to LAST");
    addNumberArgument(*command, args->first, "FIRST", "the first year, from 100 to 2100");
    addNumberArgument(*command, args->last, "LAST", "the last year, from FIRST to 2100");
    addSharedOptions(*command, args->options, formats);
    command->footer("Example: tarvinde years 1580 1590 --format csv");

    return {command, "tarvinde years FIRST LAST" + sharedUsage(formats), [args, formats](std::ostream& out) {
                const int first = yearArgument("FIRST", args->first);
                const int last = lastYearArgument(first, args->last);
                const Format format = formatIn(args->options.format, formats);
                const regions::Region& region = regionIn(args->options.region);
                write(out, format, Answer{.data = yearsTable(first, last, region)});
            }};
}

Command declareFeasts(CLI::App& parent) {
    const Formats formats{kFeastsFormats, Format::Tsv};
    struct Arguments {
        std::string year;
        SharedOptions options;
        bool all = false;
    };
    auto args = std::make_shared<Arguments>();
    CLI::App* command = parent.add_subcommand(
        "feasts", "every main feast of YEAR used in dating, with its day; --alle: the saints' days too");
    addNumberArgument(*command, args->year, "YEAR", "a year from 100 to 2100");
    addSharedOptions(*command, args->options, formats);
    command->add_flag(
        "--alle", args->all,
        "all feasts: also the saints' days of the dioceses, with a column noot (dag onzeker, other days)");
    command->footer("Example: tarvinde feasts 1450 --format text");

    return {command, "tarvinde feasts YEAR [--alle]" + sharedUsage(formats),
            [args, formats](std::ostream& out) {
                const int year = yearArgument("YEAR", args->year);
                const Format format = formatIn(args->options.format, formats);
                write(out, format, feastsAnswer(year, regionIn(args->options.region), args->all));
            }};
}

Command declareDate(CLI::App& parent) {
    const Formats clauseFormats{kClauseFormats, Format::Text};
    const Formats batchFormats{kBatchFormats, Format::Tsv};
    auto args = std::make_shared<ClauseArguments>();
    CLI::App* command = parent.add_subcommand("date", "the days a date clause names, as records write it");
    command->add_option("CLAUSE", args->words, "the words of the clause, apart or as one argument")
        ->type_name("");
    command->add_flag("--batch", args->batch, "clauses from standard input, one a line");
    addSingleOption(*command, "--century", args->century, "C",
                    "completes a year below 100: 1300 makes XXXIXo 1339 (100 to 2000)");
    addSingleOption(*command, "--style", args->style, "STYLE",
                    "the year style of the clause (default nieuwjaar): " + year_style::knownIds());
    addSharedOptions(*command, args->options, Formats{kEveryFormat, Format::Text});
    command->get_option("--format")
        ->description("output format: " + formatChoices(clauseFormats) + " for a clause (default text), " +
                      formatChoices(batchFormats) + " with --batch (default tsv)");
    command->footer(
        "A clause names a day (a feast with its relation, or a date) and a year; the year is the year of\n"
        "the day named. Exit status 3 when a line of the batch could not be read.\n"
        "Example: tarvinde date dinsdag na Sint-Maarten 1450   (dinsdag 17 november 1450)\n"
        "         tarvinde date --batch --format csv < clauses.txt");

    const std::string options = " [--century C] [--style STYLE] [--region ID]";
    const std::string usage = "tarvinde date CLAUSE... [--format " + formatChoices(clauseFormats) + "]" +
                              options + ", or tarvinde date --batch [--format " +
                              formatChoices(batchFormats) + "]" + options;
    Command declared{command, usage, nullptr};
    declared.inputAction = [args, clauseFormats, batchFormats, usage](std::istream& in, std::ostream& out) {
        if (args->batch) {
            if (!args->words.empty())
                throw BadInput("with --batch the clauses come from standard input, not " +
                               output::quoted(clauseOf(args->words)) + "; usage: " + usage);
            const Format format = formatIn(args->options.format, batchFormats);
            const clause::Options options = optionsIn(*args);
            bool refused = false;
            const Answer answer = batchAnswer(in, options, refused);
            write(out, format, answer);
            return refused ? kPartlyRead : kOk;
        }
        if (args->words.empty()) throw BadInput("CLAUSE is required; usage: " + usage);
        const std::string clause = clauseOf(args->words);
        const Format format = formatIn(args->options.format, clauseFormats);
        const clause::Options options = optionsIn(*args);
        write(out, format, clauseAnswer(clause, options));
        return kOk;
    };
    return declared;
}

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

Command declareWeekday(CLI::App& parent) {
    const Formats formats{kWeekdayFormats, Format::Text};
    auto args = std::make_shared<DateCommandArguments>();
    CLI::App* command =
        parent.add_subcommand("weekday", "the weekday and date of day DAY of month MONTH of YEAR");
    addDateArguments(
        *command, args->date,
        {"a whole number from -32768 to 32767; days beyond the month carry",
         "a whole number from -32768 to 32767; months beyond 12 carry", "a year from 100 to 2100"});
    addSharedOptions(*command, args->options, formats);
    command->footer(
        "The day is counted from the first of the month, in the calendar in force on that first day; a date\n"
        "the region skipped at its calendar change gets its note: tarvinde weekday 25 12 1582 gives\n"
        "dinsdag 25 december 1582 (? 4/1/1583). A date reached outside 1/1/100 to 31/12/2100 is refused\n"
        "(status 2), the message naming it.\n"
        "Example: tarvinde weekday 31 2 2001   (zaterdag 3 maart 2001)");

    return {command, "tarvinde weekday DAY MONTH YEAR" + sharedUsage(formats),
            [args, formats](std::ostream& out) {
                const std::int16_t day = int16Argument("DAY", args->date.day);
                const std::int16_t month = int16Argument("MONTH", args->date.month);
                const auto year = static_cast<std::int16_t>(yearArgument("YEAR", args->date.year));
                const Format format = formatIn(args->options.format, formats);
                const regions::Region& region = regionIn(args->options.region);

                write(out, format, weekdayAnswer(day, month, year, region));
            }};
}

}  // namespace cli
