// `feasts`: every feast of a year used in dating, in the order of their days.

#include <array>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "command.h"
#include "feasts.h"
#include "numbers.h"

namespace cli {

namespace {

constexpr std::array kFeastsFormats{Format::Text, Format::Tsv, Format::Csv, Format::Json};

// Every column a string; an empty Latin name where the table has none. Text
// shows the name and the day only, without a header. With all feasts, a column
// "noot": a provisional day ("dag onzeker"), where the day was kept and the
// feast's other days; in text after the day.
Answer feastsAnswer(const std::vector<feasts::Occurrence>& list, bool all) {
    Answer answer{.data = {.columns = {{"id"}, {"naam"}, {"latijn"}, {"tekst"}, {"iso"}}},
                  .text = Table{.columns = {{"naam"}, {"tekst"}}, .header = false}};
    if (all) {
        answer.data.columns.push_back({"noot"});
        answer.text->columns.push_back({"noot"});
    }
    for (const feasts::Occurrence& o : list) {
        answer.data.rows.push_back({std::string{o.feast->id}, std::string{o.feast->name},
                                    std::string{o.feast->latin}, o.text, o.iso});
        answer.text->rows.push_back({std::string{o.feast->name}, o.text});
        if (all) {
            answer.data.rows.back().push_back(feasts::listNote(*o.feast));
            answer.text->rows.back().push_back(answer.data.rows.back().back());
        }
    }
    return answer;
}

}  // namespace

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

    return {
        command, "tarvinde feasts YEAR [--alle]" + sharedUsage(formats), [args, formats](std::ostream& out) {
            const int year = yearArgument("YEAR", args->year);
            const Format format = formatIn(args->options.format, formats);
            const regions::Region& region = regionIn(args->options.region);
            write(out, format,
                  feastsAnswer(feasts::ofYear(year, region, args->all ? feasts::Set::All : feasts::Set::Main),
                               args->all));
        }};
}

}  // namespace cli
