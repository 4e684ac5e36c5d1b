#pragma once

// The pieces of text the writer (table.h) and the messages share: widths in
// characters, CSV cells, and values from the command line quoted on one line.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace cli::output {

// The width of a UTF-8 text in characters (code points), not bytes.
std::size_t width(std::string_view text);

// A cell of CSV: quoted as RFC 4180 says when it holds a comma, a quote or a
// line break, its quotes doubled.
std::string csvCell(std::string_view cell);

// A text for a one-line message: control characters and bytes that are no
// well-formed UTF-8 written as \xnn (\x0a, \xff).
std::string oneLine(std::string_view text);
// Whether the text is well-formed UTF-8 throughout.
bool validUtf8(std::string_view text);
// A value from the command line in quotes, as oneLine writes it.
std::string quoted(std::string_view text);

}  // namespace cli::output
