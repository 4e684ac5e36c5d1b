#pragma once

// The window's conversions between box texts and numbers. Plain C++ with no Qt,
// so that they can be fuzzed on their own; they do not depend on the C locale.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Reads a box text, in UTF-8, as a number: blanks, an optional sign, blanks,
// digits with an optional fraction after "." or ",", blanks. At least one digit is
// needed. A blank is any of Unicode's white space (line breaks and no-break spaces
// included) or an invisible format character such as a zero-width space or a
// direction mark. Anything else (letters, a lone sign or decimal sign, exponents,
// grouping signs, a blank among the digits, an empty text, a value beyond the range
// of double, bytes that are not well-formed UTF-8) gives nullopt.
std::optional<double> textToNumber(std::string_view utf8);

// Rounds to the nearest whole number, halves to the even neighbour (1999.5 and
// 2000.5 both give 2000). nullopt for a value outside the 16-bit range or not finite.
std::optional<std::int16_t> toInt16(double value);

// Writes a number as a box text: fixed notation (never an exponent), at most 15
// significant digits, no trailing zeros, no trailing point and never "-0", so that
// 127.2 stays "127.2". For every finite value the text reads back through
// textToNumber; a value that is not finite gives an empty text.
std::string numberToText(double value);
