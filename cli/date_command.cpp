// `date`: the days a date clause names, each with its reading in the modern
// grammar and the words that were not used; one clause from the command line, or
// with --batch a clause a line from standard input.

#include <array>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>

#include "clause.h"
#include "clause_as_typed.h"
#include "cli.h"
#include "command.h"
#include "failure.h"
#include "numbers.h"
#include "output.h"
#include "spelling.h"
#include "table.h"
#include "year_style.h"

namespace cli {

namespace {

constexpr std::array kClauseFormats{Format::Text, Format::Tsv, Format::Csv, Format::Json};
constexpr std::array kBatchFormats{Format::Tsv, Format::Csv, Format::Json};
constexpr std::array kEveryFormat{Format::Text, Format::Tsv, Format::Csv, Format::Json};

// A clause's readings, one row each: the JSON keys; TSV has the last four, no header.
const std::vector<std::string> kClauseColumns{"uitdrukking", "tekst", "iso", "lezing", "overgeslagen"};
// The batch: a row per reading, or one for a line that could not be read.
const std::vector<std::string> kBatchColumns{"regel",  "uitdrukking",  "tekst", "iso",
                                             "lezing", "overgeslagen", "fout"};

// A line longer than this many bytes is kept only to here: more than the 1,000
// characters the reader takes (of four bytes at most), and no more memory than
// that for a line without end.
constexpr std::size_t kLongestClause = spelling::kLongestClause;  // characters
constexpr std::size_t kLineKept = 4 * kLongestClause + 100;

struct Arguments {
    std::vector<std::string> words;
    bool batch = false;
    SharedOptions options;
    OptionValues century, style;
};

constexpr std::string_view kArgumentBlanks = " \t\r\n\v\f";
constexpr std::string_view kLineBlanks = " \t";  // other control characters are the reader's to refuse

// The words of every argument joined by single blanks, so that one quoted argument
// and the same words given apart are one clause.
std::string expressionOf(const std::vector<std::string>& arguments,
                         std::string_view kBlanks = kArgumentBlanks) {
    std::string expression;
    for (const std::string_view argument : arguments) {
        std::size_t at = argument.find_first_not_of(kBlanks);
        while (at != std::string_view::npos) {
            const std::size_t end = std::min(argument.find_first_of(kBlanks, at), argument.size());
            if (!expression.empty()) expression += ' ';
            expression += argument.substr(at, end - at);
            at = argument.find_first_not_of(kBlanks, end);
        }
    }
    return expression;
}

int centuryIn(const OptionValues& values) {
    const std::string* text = singleValue(values, "--century");
    if (text == nullptr) return 0;
    const std::optional<std::int64_t> century = wholeNumber(*text);
    if (!century || *century < clause::kFirstCentury || *century > clause::kLastCentury ||
        *century % 100 != 0)
        throw BadInput("--century must be a multiple of 100 from " + std::to_string(clause::kFirstCentury) +
                       " to " + std::to_string(clause::kLastCentury) + ", not " + output::quoted(*text));
    return static_cast<int>(*century);
}

year_style::Style styleIn(const OptionValues& values) {
    const std::string* id = singleValue(values, "--style");
    if (id == nullptr) return year_style::Style::Nieuwjaar;
    const year_style::StyleInfo* style = year_style::find(*id);
    if (style == nullptr)
        throw BadInput("unknown style " + output::quoted(*id) + "; known styles: " + year_style::knownIds());
    return style->style;
}

clause::Options optionsIn(const Arguments& args) {
    clause::Options options;
    options.region = &regionIn(args.options.region);
    if (const int century = centuryIn(args.century); century != 0) options.century = century;
    options.style = styleIn(args.style);
    return options;
}

// One line of standard input without its LF, and without the CR of a CR LF; false
// at the end. Past kLineKept bytes the rest of the line is read and dropped, the
// kept part ending on a whole character, and cut is set.
bool nextLine(std::istream& in, std::string& line, bool& cut) {
    line.clear();
    cut = false;
    std::streambuf* buffer = in.rdbuf();
    if (buffer == nullptr) return false;
    int c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) return false;
    for (; c != std::char_traits<char>::eof() && c != '\n'; c = buffer->sbumpc()) {
        if (line.size() < kLineKept)
            line += static_cast<char>(c);
        else
            cut = true;
    }
    if (cut) {
        while (!line.empty() && (static_cast<unsigned char>(line.back()) & 0xC0U) == 0x80U) line.pop_back();
        if (!line.empty() && static_cast<unsigned char>(line.back()) >= 0xC0) line.pop_back();
    } else if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

// The rows of one line of the batch: a row per reading, or one row with the message.
void addBatchRows(std::vector<Row>& rows, std::size_t number, const std::string& line, bool cut,
                  const clause::Options& options, bool& refused) {
    const std::string clause = expressionOf({line}, kLineBlanks);
    if (clause.empty() && !cut) return;
    const std::string regel = std::to_string(number);
    const std::string uitdrukking = output::oneLine(clause);
    try {
        if (cut)  // blanks too: what was dropped was no empty line
            throw InputError("de regel is langer dan " + std::to_string(kLongestClause) + " tekens");
        if (!output::validUtf8(clause)) throw InputError("geen geldige UTF-8");
        const clause::Answer answer = clause::read(clause, options);
        for (const clause::Reading& r : answer.readings)
            rows.push_back({regel, uitdrukking, output::oneLine(r.text), r.iso, output::oneLine(r.reading),
                            output::oneLine(answer.skipped), ""});
    } catch (const InputError& error) {
        rows.push_back({regel, uitdrukking, "", "", "", "", output::oneLine(error.what())});
        refused = true;
    } catch (const Failure& failure) {  // the calculator's own, as the command line says it elsewhere
        rows.push_back(
            {regel, uitdrukking, "", "", "", "",
             output::oneLine("Error " + std::to_string(failure.number()) + ": " + failure.description())});
        refused = true;
    }
}

// The batch: TSV and CSV under a header line, JSON an array of objects in which
// `regel` is a number.
Answer batchAnswer(RowSource rows) {
    Table table{.more = std::move(rows)};
    for (const std::string& key : kBatchColumns)
        table.columns.push_back({key, key == "regel" ? JsonType::Number : JsonType::String});
    return {.data = std::move(table)};
}

// The readings of one clause: JSON an array of objects; TSV and CSV a row per
// reading without the clause and without a header; text each reading, and under
// it what it was read as and what was skipped.
Answer clauseAnswer(const std::string& clause, const clause::Answer& answer) {
    Answer out{.data = {},
               .delimited = Table{.header = false},
               .text = Table{.columns = {{"tekst"}}, .header = false}};
    for (const std::string& key : kClauseColumns) out.data.columns.push_back({key});
    out.delimited->columns.assign(out.data.columns.begin() + 1, out.data.columns.end());
    for (const clause::Reading& r : answer.readings) {
        out.data.rows.push_back({clause, r.text, r.iso, r.reading, answer.skipped});
        out.delimited->rows.push_back({r.text, r.iso, r.reading, answer.skipped});
        out.text->rows.push_back({r.text});
        if (!clause::readsAsTyped(clause, r.reading))
            out.text->rows.push_back({"  gelezen als: " + r.reading});
        if (!answer.skipped.empty()) out.text->rows.push_back({"  overgeslagen: " + answer.skipped});
    }
    return out;
}

}  // namespace

Command declareDate(CLI::App& parent) {
    const Formats clauseFormats{kClauseFormats, Format::Text};
    const Formats batchFormats{kBatchFormats, Format::Tsv};
    auto args = std::make_shared<Arguments>();
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
                               output::quoted(expressionOf(args->words)) + "; usage: " + usage);
            const Format format = formatIn(args->options.format, batchFormats);
            const clause::Options options = optionsIn(*args);
            bool refused = false;
            // Line by line as the writer takes the rows: standard input is read once,
            // and a closed output stops the reading.
            const RowSource lines = [&](const TakeRow& take) {
                std::vector<Row> rows;
                std::string line;
                bool cut = false;
                for (std::size_t number = 1; nextLine(in, line, cut); ++number) {
                    rows.clear();
                    addBatchRows(rows, number, line, cut, options, refused);
                    for (const Row& row : rows)
                        if (!take(row)) return;
                }
            };
            write(out, format, batchAnswer(lines));
            return refused ? kPartlyRead : kOk;
        }
        if (args->words.empty()) throw BadInput("CLAUSE is required; usage: " + usage);
        const std::string clause = expressionOf(args->words);
        const Format format = formatIn(args->options.format, clauseFormats);
        const clause::Options options = optionsIn(*args);
        if (!output::validUtf8(clause)) throw BadInput("geen geldige UTF-8: " + output::oneLine(clause));
        write(out, format, clauseAnswer(clause, clause::read(clause, options)));
        return kOk;
    };
    return declared;
}

}  // namespace cli
