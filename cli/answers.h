#pragma once

// The answers of the commands that the page (web/) shares with the command line:
// built from values already read, without the command-line parser, so that both
// write the same tables through the same writer (table.h).

#include <cstdint>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "clause.h"
#include "regions.h"
#include "table.h"

namespace cli {

// Bad input: run() prints "tarvinde: <what>" on one line and exits with status 2.
class BadInput : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Strings the options are read into; an option given twice leaves two entries.
using OptionValues = std::vector<std::string>;

// An option with one value, once at most: its value, or nullptr when absent.
const std::string* singleValue(const OptionValues& values, std::string_view option);

// --region ID, once at most; the default region when absent.
const regions::Region& regionIn(const OptionValues& values);

// `year`: the year view of one year.
Answer yearAnswer(int year, const regions::Region& region);
// `years`: the year view of every year from first to last, a row each, made as
// the writer takes them (as `computus`).
Table yearsTable(int first, int last, const regions::Region& region);

// `feasts`: every main feast of a year used in dating; with `all`, the saints'
// days of saints.tsv too, with a column noot.
Answer feastsAnswer(int year, const regions::Region& region, bool all = false);

// `weekday`: the finder's text; BadInput when the date reached lies outside the years.
Answer weekdayAnswer(std::int16_t day, std::int16_t month, std::int16_t year, const regions::Region& region);

// `date`: the words of every argument joined by single blanks, so that one quoted
// argument and the same words given apart are one clause.
std::string clauseOf(const std::vector<std::string>& arguments);
// The reader's options from --region, --century and --style.
clause::Options clauseOptions(const OptionValues& region, const OptionValues& century,
                              const OptionValues& style);
// The readings of one clause (the words already joined); BadInput for text that is
// no UTF-8, InputError for a clause the reader refuses.
Answer clauseAnswer(const std::string& clause, const clause::Options& options);
// `date --batch`: a clause a line from in; refused is set when a line could not be read.
// The lines are read as the writer takes the rows: in, options and refused must
// outlive the writing, and refused holds its value once the answer is written.
Answer batchAnswer(std::istream& in, const clause::Options& options, bool& refused);

// `computus`: a row for each year from first to last.
Table computusTable(int first, int last, const regions::Region& region);

}  // namespace cli
