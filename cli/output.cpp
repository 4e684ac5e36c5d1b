#include "output.h"

#include <algorithm>
#include <array>

namespace cli::output {

std::size_t width(std::string_view text) {
    // Every code point has exactly one byte that is not a continuation byte (10xxxxxx).
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string csvCell(std::string_view cell) {
    if (cell.find_first_of(",\"\r\n") == std::string_view::npos) return std::string{cell};
    std::string quotedCell = "\"";
    for (const char c : cell) {
        if (c == '"') quotedCell += '"';
        quotedCell += c;
    }
    return quotedCell + '"';
}

std::string oneLine(std::string_view text) {
    std::string line;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            constexpr std::array<char, 16> kHex{'0', '1', '2', '3', '4', '5', '6', '7',
                                                '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
            line += "\\x";
            line += kHex.at(byte >> 4);
            line += kHex.at(byte & 0xF);
        } else {
            line += c;
        }
    }
    return line;
}

std::string quoted(std::string_view text) {
    return '\'' + oneLine(text) + '\'';
}

}  // namespace cli::output
