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

namespace {

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0: no
// overlong forms, no surrogates, nothing beyond U+10FFFF.
std::size_t utf8Sequence(std::string_view text) {
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = at(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;  // the range of the byte after the lead
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || at(1) < low || at(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (at(i) < 0x80 || at(i) > 0xBF) return 0;
    return length;
}

}  // namespace

std::string oneLine(std::string_view text) {
    std::string line;
    while (!text.empty()) {
        const auto byte = static_cast<unsigned char>(text.front());
        const std::size_t length = utf8Sequence(text);
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
        const std::size_t length = utf8Sequence(text);
        if (length == 0) return false;
        text.remove_prefix(length);
    }
    return true;
}

std::string quoted(std::string_view text) {
    return '\'' + oneLine(text) + '\'';
}

}  // namespace cli::output
