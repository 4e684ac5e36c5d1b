#include "output.h"

#include <algorithm>
#include <array>

#include "utf8.h"

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
    while (!text.empty()) {
        const auto byte = static_cast<unsigned char>(text.front());
        const std::size_t length = utf8::sequenceLength(text);
        if (length == 0 || byte < 0x20 || byte == 0x7F) {
            constexpr std::array<char, 16> kHex{'0', '1', '2', '3', '4', '5', '6', '7',
                                                '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
            line += "\\x";
            line += kHex.at(byte >> 4);
            line += kHex.at(byte & 0xF);
            text.remove_prefix(1);
        } else {
            line += text.substr(0, length);
            text.remove_prefix(length);
        }
    }
    return line;
}

bool validUtf8(std::string_view text) {
    while (!text.empty()) {
        const std::size_t length = utf8::sequenceLength(text);
        if (length == 0) return false;
        text.remove_prefix(length);
    }
    return true;
}

std::string quoted(std::string_view text) {
    return '\'' + oneLine(text) + '\'';
}

}  // namespace cli::output
