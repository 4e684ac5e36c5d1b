#pragma once

// UTF-8 as the readers of this program take it: well-formed sequences only (no
// overlong forms, no surrogates, nothing beyond U+10FFFF).

#include <array>
#include <cstddef>
#include <string_view>

namespace utf8 {

// A character: its code point and how many bytes it takes.
struct Decoded {
    char32_t code;
    std::size_t length;  // 0: not valid UTF-8
};

// The character at byte `at` of the text.
inline Decoded decode(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char first = byte(at);
    if (first < 0x80U) return {first, 1};
    std::size_t length = 0;
    char32_t code = 0;
    if ((first & 0xE0U) == 0xC0U) {
        length = 2;
        code = first & 0x1FU;
    } else if ((first & 0xF0U) == 0xE0U) {
        length = 3;
        code = first & 0x0FU;
    } else if ((first & 0xF8U) == 0xF0U) {
        length = 4;
        code = first & 0x07U;
    } else {
        return {0, 0};
    }
    if (at + length > text.size()) return {0, 0};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0U) != 0x80U) return {0, 0};
        code = (code << 6U) | (byte(at + i) & 0x3FU);
    }
    // Overlong forms, surrogates and code points beyond Unicode are not UTF-8.
    constexpr std::array<char32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest.at(length) || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {0, 0};
    return {code, length};
}

// The byte length of the character at the start of the text; 0 where the bytes
// there are no well-formed UTF-8.
inline std::size_t sequenceLength(std::string_view text) {
    return text.empty() ? 0 : decode(text, 0).length;
}

}  // namespace utf8
