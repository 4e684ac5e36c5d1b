// `date`: the days a date clause names, each with its reading in the modern
// grammar and the words that were not used; one clause from the command line, or
// with --batch a clause a line from standard input (its options are declared in
// commands.cpp).

#include <algorithm>
#include <ios>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "answers.h"
#include "clause.h"
#include "clause_as_typed.h"
#include "failure.h"
#include "numbers.h"
#include "output.h"
#include "spelling.h"
#include "table.h"
#include "year_style.h"

namespace cli {

namespace {

// A clause's readings, one row each: the JSON keys; TSV has all but the first, no
// header. `iso` is proleptic Gregorian; `datum` is the day in the calendar then in
// force (`kalender`), the one to compare with an edition.
const std::vector<std::string> kClauseColumns{"uitdrukking",  "tekst", "iso",     "lezing",
                                              "overgeslagen", "datum", "kalender"};
// The batch: a row per reading, or one for a line that could not be read, with the
// kind of refusal in `oorzaak`. `klopt` says whether the date a register gives for
// the line (after a tab) is among its readings.
const std::vector<std::string> kBatchColumns{"regel",    "uitdrukking",  "tekst",  "iso",
                                             "lezing",   "overgeslagen", "fout",   "datum",
                                             "kalender", "klopt",        "oorzaak"};

// A line longer than this many bytes is kept only to here: more than the 1,000
// characters the reader takes (of four bytes at most), and no more memory than
// that for a line without end.
constexpr std::size_t kLongestClause = spelling::kLongestClause;  // characters
constexpr std::size_t kLineKept = 4 * kLongestClause + 100;

constexpr std::string_view kArgumentBlanks = " \t\r\n\v\f";
constexpr std::string_view kLineBlanks = " \t";  // other control characters are the reader's to refuse

// The words of every argument, split at kBlanks, joined by single blanks.
std::string expressionOf(const std::vector<std::string>& arguments, std::string_view kBlanks) {
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

// YYYY-MM-DD, as a register gives a date: the form only; a date that does not
// exist matches no reading.
bool isDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i != 4 && i != 7 && (text[i] < '0' || text[i] > '9')) return false;
    return true;
}

// One line of standard input without its LF, and without the CR of a CR LF; false
// at the end. Past kLineKept bytes the rest of the line is read and dropped, the
// kept part ending on a whole character, and cut is set.
// A standard input that cannot be read (closed, a directory) is bad input, said in
// one line, not an abort.
template <typename Read>
int readInput(Read read) {
    try {
        return read();
    } catch (const std::ios_base::failure& failure) {
        throw BadInput("standard input cannot be read: " + output::oneLine(failure.code().message()));
    }
}

int nextByte(std::streambuf& buffer) {
    return readInput([&buffer] { return buffer.sbumpc(); });
}

bool nextLine(std::istream& in, std::string& line, bool& cut) {
    line.clear();
    cut = false;
    std::streambuf* buffer = in.rdbuf();
    if (buffer == nullptr) return false;
    int c = nextByte(*buffer);
    if (c == std::char_traits<char>::eof()) return false;
    for (; c != std::char_traits<char>::eof() && c != '\n'; c = nextByte(*buffer)) {
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
    // A register's date for the clause may follow it after a tab.
    const std::size_t tab = line.find('\t');
    const std::string clause = expressionOf({line.substr(0, tab)}, kLineBlanks);
    const std::string given =
        tab == std::string::npos ? std::string{} : expressionOf({line.substr(tab + 1)}, kLineBlanks);
    if (clause.empty() && given.empty() && !cut) return;
    const std::string regel = std::to_string(number);
    const std::string uitdrukking = output::oneLine(clause);
    const auto refusal = [&](const std::string& message, std::string_view cause) {
        rows.push_back({regel, uitdrukking, "", "", "", "", output::oneLine(message), "", "",
                        given.empty() ? "" : "nee", std::string{cause}});
        refused = true;
    };
    try {
        if (cut)  // blanks too: what was dropped was no empty line
            throw InputError("de regel is langer dan " + std::to_string(kLongestClause) + " tekens");
        if (!output::validUtf8(line)) throw InputError("geen geldige UTF-8");
        if (!given.empty() && !isDate(given))
            throw InputError("\"" + output::oneLine(given) + "\" na de tab is geen datum JJJJ-MM-DD");
        const clause::Answer answer = clause::read(clause, options);
        std::string klopt;
        if (!given.empty())
            klopt = std::any_of(answer.readings.begin(), answer.readings.end(),
                                [&](const clause::Reading& r) { return r.date == given; })
                        ? "ja"
                        : "nee";
        for (const clause::Reading& r : answer.readings)
            rows.push_back({regel, uitdrukking, output::oneLine(r.text), r.iso, output::oneLine(r.reading),
                            output::oneLine(answer.skipped), "", r.date, std::string{r.calendar}, klopt, ""});
    } catch (const InputError& error) {
        refusal(error.what(), causeKey(error.cause()));
    } catch (const Failure& failure) {  // the calculator's own, as the command line says it elsewhere
        refusal("Error " + std::to_string(failure.number()) + ": " + failure.description(), "vorm");
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
        out.data.rows.push_back(
            {clause, r.text, r.iso, r.reading, answer.skipped, r.date, std::string{r.calendar}});
        out.delimited->rows.push_back(
            {r.text, r.iso, r.reading, answer.skipped, r.date, std::string{r.calendar}});
        out.text->rows.push_back({r.text});
        if (!clause::readsAsTyped(clause, r.reading))
            out.text->rows.push_back({"  gelezen als: " + r.reading});
        if (!answer.skipped.empty()) out.text->rows.push_back({"  overgeslagen: " + answer.skipped});
    }
    return out;
}

}  // namespace

std::string clauseOf(const std::vector<std::string>& arguments) {
    return expressionOf(arguments, kArgumentBlanks);
}

clause::Options clauseOptions(const OptionValues& region, const OptionValues& century,
                              const OptionValues& style) {
    clause::Options options;
    options.region = &regionIn(region);
    if (const int c = centuryIn(century); c != 0) options.century = c;
    options.style = styleIn(style);
    return options;
}

Answer clauseAnswer(const std::string& clause, const clause::Options& options) {
    if (!output::validUtf8(clause)) throw BadInput("geen geldige UTF-8: " + output::oneLine(clause));
    return clauseAnswer(clause, clause::read(clause, options));
}

Answer batchAnswer(std::istream& in, const clause::Options& options, bool& refused) {
    refused = false;
    // An input that cannot be read at all is refused before the header is written.
    if (std::streambuf* buffer = in.rdbuf(); buffer != nullptr)
        readInput([buffer] { return buffer->sgetc(); });
    // Line by line as the writer takes the rows: the input is read once, and a
    // closed output stops the reading.
    return batchAnswer([&in, &options, &refused](const TakeRow& take) {
        std::vector<Row> rows;
        std::string line;
        bool cut = false;
        for (std::size_t number = 1; nextLine(in, line, cut); ++number) {
            rows.clear();
            addBatchRows(rows, number, line, cut, options, refused);
            for (const Row& row : rows)
                if (!take(row)) return;
        }
    });
}

}  // namespace cli
