#pragma once

// The one writer of the command line: a command yields its answer as tables of
// columns and rows, and write() puts them out as aligned text, TSV, CSV or JSON.
// Every line ends in LF; text is UTF-8.

#include <cstddef>
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

struct Table {
    std::vector<Column> columns{};
    std::vector<Row> rows{};
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
