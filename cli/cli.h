#pragma once

// The command line: the year view, the weekday finder, whole ranges of years, the
// feasts of a year, dating by feast, year styles and the reform regions as text,
// TSV, CSV and JSON. No Qt: it needs no display and
// starts as fast as a plain C++ program.

#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

// Exit statuses.
inline constexpr int kOk = 0;
inline constexpr int kOutputFailed = 1;  // standard output closed or failing: the command stopped
inline constexpr int kBadInput = 2;
inline constexpr int kPartlyRead = 3;  // input read from standard input had lines that could not be read

// Whether the arguments ask for a command rather than the window. The window is
// wanted with no arguments, or with only its own options (--year, --region, in
// either form) and Qt's single-dash options with their values (-platform xcb).
// Any other word, a --help or --version, or another double-dash option asks for
// the command line, which runs it or says what is wrong with it.
bool isCommand(int argc, const char* const* argv);

// The arguments as the window program is to get them (argv[0] included): Qt reads
// "-platform xcb" but not "-platform=xcb", so a Qt option written with '=' is
// split in two; -qmljsdebugger, which Qt reads only with '=', stays as it is.
std::vector<std::string> windowArguments(int argc, const char* const* argv);

// Runs the command that argv names and writes its output to out. Bad input
// writes one line "tarvinde: ..." to err, nothing to out, and gives kBadInput.
// A failed write to out stops the command with kOutputFailed; it writes no message.
// A command that reads standard input (date --batch) reads it from in; without
// in, it reads nothing.
int run(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err);
int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace cli
