// The page's entry points. Each takes the texts the command line takes and gives
// what `tarvinde COMMAND ... --format FORMAT` writes, built by the same code
// (cli/answers.h) and written by the same writer (cli/table.h); bad input gives
// status 2 and the one line the command line prints after "tarvinde: ".

#include <emscripten/bind.h>

#include <sstream>
#include <string>
#include <vector>

#include "answers.h"
#include "clause_as_typed.h"
#include "failure.h"
#include "input_error.h"
#include "numbers.h"
#include "output.h"
#include "regions.h"
#include "table.h"
#include "year_style.h"

namespace {

// The command line's exit statuses, which the page shows as they are.
constexpr int kOk = 0;
constexpr int kBadInput = 2;
constexpr int kPartlyRead = 3;

struct Result {
    int status = kOk;
    std::string text;  // the output, or the message of bad input
};

// An option the page leaves empty is an option not given.
cli::OptionValues option(const std::string& value) {
    return value.empty() ? cli::OptionValues{} : cli::OptionValues{value};
}

cli::Format formatOf(const std::string& name) {
    if (name == "text") return cli::Format::Text;
    if (name == "tsv") return cli::Format::Tsv;
    if (name == "csv") return cli::Format::Csv;
    if (name == "json") return cli::Format::Json;
    throw cli::BadInput("unknown format " + cli::output::quoted(name) + "; formats: text|tsv|csv|json");
}

// Runs a command's body as run() does: its output, or the message of what it refused.
template <typename Body>
Result answer(Body body) {
    std::string message;
    try {
        std::ostringstream out;
        const int status = body(out);
        return {status, out.str()};
    } catch (const cli::BadInput& error) {
        message = error.what();
    } catch (const InputError& error) {
        message = error.what();
    } catch (const Failure& failure) {
        message = "Error " + std::to_string(failure.number()) + ": " + failure.description();
    }
    return {kBadInput, cli::output::oneLine(message)};
}

Result year(const std::string& year, const std::string& region, const std::string& format) {
    return answer([&](std::ostream& out) {
        const int y = cli::yearArgument("YEAR", year);
        const cli::Format f = formatOf(format);
        cli::write(out, f, cli::yearAnswer(y, cli::regionIn(option(region))));
        return kOk;
    });
}

Result feasts(const std::string& year, const std::string& region, const std::string& format) {
    return answer([&](std::ostream& out) {
        const int y = cli::yearArgument("YEAR", year);
        const cli::Format f = formatOf(format);
        cli::write(out, f, cli::feastsAnswer(y, cli::regionIn(option(region))));
        return kOk;
    });
}

Result weekday(const std::string& day, const std::string& month, const std::string& year,
               const std::string& region, const std::string& format) {
    return answer([&](std::ostream& out) {
        const std::int16_t d = cli::int16Argument("DAY", day);
        const std::int16_t m = cli::int16Argument("MONTH", month);
        const auto y = static_cast<std::int16_t>(cli::yearArgument("YEAR", year));
        const cli::Format f = formatOf(format);
        cli::write(out, f, cli::weekdayAnswer(d, m, y, cli::regionIn(option(region))));
        return kOk;
    });
}

// One clause, its words joined as the command line joins its arguments.
Result date(const std::string& clause, const std::string& region, const std::string& century,
            const std::string& style, const std::string& format) {
    return answer([&](std::ostream& out) {
        const std::string words = cli::clauseOf({clause});
        if (words.empty()) throw cli::BadInput("CLAUSE is required");
        const cli::Format f = formatOf(format);
        const clause::Options options = cli::clauseOptions(option(region), option(century), option(style));
        cli::write(out, f, cli::clauseAnswer(words, options));
        return kOk;
    });
}

// A clause a line, as `date --batch` reads standard input: status 3 when a line
// could not be read.
Result batch(const std::string& lines, const std::string& region, const std::string& century,
             const std::string& style, const std::string& format) {
    return answer([&](std::ostream& out) {
        const cli::Format f = formatOf(format);
        const clause::Options options = cli::clauseOptions(option(region), option(century), option(style));
        std::istringstream in(lines);
        bool refused = false;
        const cli::Answer table = cli::batchAnswer(in, options, refused);
        cli::write(out, f, table);
        return refused ? kPartlyRead : kOk;
    });
}

// The last year may be left empty: the first year alone.
Result computus(const std::string& first, const std::string& last, const std::string& region,
                const std::string& format) {
    return answer([&](std::ostream& out) {
        const int from = cli::yearArgument("FIRST", first);
        const int to = last.empty() ? from : cli::lastYearArgument(from, last);
        const cli::Format f = formatOf(format);
        cli::write(out, f, {.data = cli::computusTable(from, to, cli::regionIn(option(region)))});
        return kOk;
    });
}

// Whether the page may leave out "gelezen als": the reading says what the clause says.
bool readsAsTyped(const std::string& clause, const std::string& reading) {
    return clause::readsAsTyped(clause, reading);
}

// The menus: the regions in the order of the window's menu, the styles in the
// order of its style box; JSON arrays of id and name.
std::string regionMenu() {
    cli::Table table{.columns = {{"id"}, {"naam"}}};
    for (const regions::Region& r : regions::all())
        table.rows.push_back({std::string{r.id}, std::string{r.menuName}});
    std::ostringstream out;
    cli::write(out, cli::Format::Json, {.data = table});
    return out.str();
}

std::string styleMenu() {
    cli::Table table{.columns = {{"id"}, {"naam"}}};
    for (const year_style::StyleInfo& s : year_style::styles())
        table.rows.push_back({std::string{s.id}, std::string{s.name}});
    std::ostringstream out;
    cli::write(out, cli::Format::Json, {.data = table});
    return out.str();
}

std::string version() {
    return TARVINDE_VERSION;
}

}  // namespace

EMSCRIPTEN_BINDINGS(tarvinde) {
    emscripten::value_object<Result>("Result").field("status", &Result::status).field("text", &Result::text);
    emscripten::function("year", &year);
    emscripten::function("feasts", &feasts);
    emscripten::function("weekday", &weekday);
    emscripten::function("date", &date);
    emscripten::function("batch", &batch);
    emscripten::function("computus", &computus);
    emscripten::function("readsAsTyped", &readsAsTyped);
    emscripten::function("regionMenu", &regionMenu);
    emscripten::function("styleMenu", &styleMenu);
    emscripten::function("version", &version);
}
