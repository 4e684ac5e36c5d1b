#pragma once

// How the commands write: aligned text columns, TSV, CSV and compact JSON.
// Every line ends in LF; text is UTF-8.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json_fwd.hpp>

namespace cli::output {

// The width of a UTF-8 text in characters (code points), not bytes.
std::size_t width(std::string_view text);

// Rows of cells in columns: every column but the last padded with blanks to its
// widest cell plus two. Blanks at the end of a line are left out.
void writeColumns(std::ostream& out, const std::vector<std::vector<std::string>>& rows);

// One TSV line: the cells joined by tabs.
void writeTsv(std::ostream& out, const std::vector<std::string>& cells);

// One CSV line: the cells joined by commas, a cell quoted as RFC 4180 says when
// it holds a comma, a quote or a line break, its quotes doubled.
void writeCsv(std::ostream& out, const std::vector<std::string>& cells);
std::string csvCell(std::string_view cell);

// One JSON document on one line, as nlohmann-json's dump() writes it (non-ASCII
// characters unescaped), and a final newline.
void writeJson(std::ostream& out, const nlohmann::ordered_json& document);

// A text for a one-line message: control characters and bytes that are no
// well-formed UTF-8 written as \xnn (\x0a, \xff).
std::string oneLine(std::string_view text);
// A value from the command line in quotes, as oneLine writes it.
std::string quoted(std::string_view text);

}  // namespace cli::output
