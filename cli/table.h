#pragma once

// The one writer of the command line: a command yields its answer as tables of
// columns and rows, and write() puts them out as aligned text, TSV, CSV or JSON.
// Every line ends in LF; text is UTF-8. Rows are written as they come: a long
// table (every year from 100 to 2100, a batch of clauses) is never whole in
// memory, and a closed output stops the work at once.

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace cli {

enum class Format { Text, Tsv, Csv, Json };

// How JSON writes a column's cells; TSV, CSV and text write every cell as it is.
enum class JsonType {
    String,
    Number,        // an integer
    StringOrNull,  // null for an empty cell
    NumberOrNull,  // null for an empty cell
};

struct Column {
    std::string key{};  // the header of TSV, CSV and text, the key of JSON
    JsonType json = JsonType::String;
};
using Row = std::vector<std::string>;

// Rows made one at a time as the writer takes them. The source calls `take` with
// each row in turn, and stops as soon as take returns false (the output has
// closed). Text walks the source twice, first for the widths of its columns, so
// a source of a table written as text must give the same rows every time; one
// that can be walked once only (standard input) belongs to a table without text.
using TakeRow = std::function<bool(const Row& row)>;
using RowSource = std::function<void(const TakeRow& take)>;

struct Table {
    std::vector<Column> columns{};
    // The rows at hand, written first; then those of `more`, if it is set.
    std::vector<Row> rows{};
    RowSource more{};
    // TSV, CSV and text begin with a line of the keys.
    bool header = true;
    // JSON: the first row as one object rather than an array of objects.
    bool jsonObject = false;
    // JSON, with jsonObject: a further key whose value is this table's array.
    std::string nestedKey{};
    std::shared_ptr<const Table> nested{};
    // Text: rows whose first cell does not widen the first column (it runs over).
    std::set<std::size_t> runOver{};
};

// What a command answers. JSON writes `data`; TSV and CSV write `delimited`, or
// `data` where that is absent; text writes `text`, or what TSV writes.
struct Answer {
    Table data{};
    std::optional<Table> delimited{};
    std::optional<Table> text{};
};

void write(std::ostream& out, Format format, const Answer& answer);

}  // namespace cli
