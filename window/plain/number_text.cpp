#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace {

struct CodeRange {
    char32_t first;
    char32_t last;
};

// Characters read like a blank wherever a blank may stand: at the two ends of a
// number and between its sign and its digits. Texts pasted from spreadsheets and
// web pages carry them, unseen, around the digits.
inline constexpr CodeRange kBlanks[] = {
    // Unicode's White_Space property (Unicode 15.0, PropList.txt)
    {0x0009, 0x000D},  // TAB, LF, VT, FF, CR
    {0x0020, 0x0020},  // SPACE
    {0x0085, 0x0085},  // NEXT LINE
    {0x00A0, 0x00A0},  // NO-BREAK SPACE
    {0x1680, 0x1680},  // OGHAM SPACE MARK
    {0x2000, 0x200A},  // EN QUAD .. HAIR SPACE
    {0x2028, 0x2029},  // LINE SEPARATOR, PARAGRAPH SEPARATOR
    {0x202F, 0x202F},  // NARROW NO-BREAK SPACE
    {0x205F, 0x205F},  // MEDIUM MATHEMATICAL SPACE
    {0x3000, 0x3000},  // IDEOGRAPHIC SPACE
    // Invisible format characters (general category Cf, UnicodeData.txt)
    {0x061C, 0x061C},  // ARABIC LETTER MARK
    {0x200B, 0x200F},  // ZERO WIDTH SPACE .. RIGHT-TO-LEFT MARK
    {0x202A, 0x202E},  // LEFT-TO-RIGHT EMBEDDING .. RIGHT-TO-LEFT OVERRIDE
    {0x2060, 0x2064},  // WORD JOINER .. INVISIBLE PLUS
    {0x2066, 0x2069},  // LEFT-TO-RIGHT ISOLATE .. POP DIRECTIONAL ISOLATE
    {0xFEFF, 0xFEFF},  // ZERO WIDTH NO-BREAK SPACE (byte order mark)
};

// The well-formed UTF-8 byte sequences that do not stand alone (The Unicode
// Standard 15.0, Table 3-7): lead byte, length, and the range of the second byte,
// which rules out overlong forms, surrogates and code points above U+10FFFF.
// Every later byte lies in 0x80..0xBF.
struct Utf8Form {
    unsigned char leadFirst;
    unsigned char leadLast;
    unsigned char length;
    unsigned char secondFirst;
    unsigned char secondLast;
};
inline constexpr Utf8Form kUtf8Forms[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF},  // U+0080..U+07FF
    {0xE0, 0xE0, 3, 0xA0, 0xBF},  // U+0800..U+0FFF
    {0xE1, 0xEC, 3, 0x80, 0xBF},  // U+1000..U+CFFF
    {0xED, 0xED, 3, 0x80, 0x9F},  // U+D000..U+D7FF
    {0xEE, 0xEF, 3, 0x80, 0xBF},  // U+E000..U+FFFF
    {0xF0, 0xF0, 4, 0x90, 0xBF},  // U+10000..U+3FFFF
    {0xF1, 0xF3, 4, 0x80, 0xBF},  // U+40000..U+FFFFF
    {0xF4, 0xF4, 4, 0x80, 0x8F},  // U+100000..U+10FFFF
};

// The code points of a UTF-8 text, or nullopt if it is not well-formed.
std::optional<std::u32string> decodeUtf8(std::string_view text) {
    std::u32string decoded;
    decoded.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            decoded += char32_t{lead};
            ++i;
            continue;
        }
        const Utf8Form* form = nullptr;
        for (const Utf8Form& f : kUtf8Forms)
            if (lead >= f.leadFirst && lead <= f.leadLast) form = &f;
        if (!form || text.size() - i < form->length) return std::nullopt;
        char32_t code = lead & (0x7F >> form->length);
        for (std::size_t k = 1; k < form->length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            const unsigned char first = k == 1 ? form->secondFirst : 0x80;
            const unsigned char last = k == 1 ? form->secondLast : 0xBF;
            if (next < first || next > last) return std::nullopt;
            code = (code << 6) | (next & 0x3F);
        }
        decoded += code;
        i += form->length;
    }
    return decoded;
}

bool isBlank(char32_t c) {
    for (const CodeRange& r : kBlanks)
        if (c >= r.first && c <= r.last) return true;
    return false;
}
bool isDigit(char32_t c) {
    return c >= '0' && c <= '9';
}

std::u32string_view trimBlanks(std::u32string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<double> textToNumber(std::string_view utf8) {
    const std::optional<std::u32string> decoded = decodeUtf8(utf8);
    if (!decoded) return std::nullopt;
    std::u32string_view text = trimBlanks(*decoded);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text = trimBlanks(text.substr(1));
    }

    // What is left must be digits, at most one decimal sign, digits.
    std::string plain;  // the same number with "." as decimal sign, for from_chars
    plain.reserve(text.size() + 1);
    bool point = false;
    bool digit = false;
    bool integerDigit = false;  // a non-zero digit before the decimal sign
    for (const char32_t c : text) {
        if (isDigit(c)) {
            digit = true;
            if (!point && c != '0') integerDigit = true;
            plain += static_cast<char>(c);
        } else if ((c == '.' || c == ',') && !point) {
            point = true;
            plain += '.';
        } else {
            return std::nullopt;
        }
    }
    if (!digit) return std::nullopt;
    if (plain.front() == '.') plain.insert(plain.begin(), '0');

    double value = 0.0;
    const auto [end, error] =
        std::from_chars(plain.data(), plain.data() + plain.size(), value, std::chars_format::fixed);
    if (end != plain.data() + plain.size()) return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        // Too large for a double is not a number we can work with; too small is zero.
        if (integerDigit) return std::nullopt;
        value = 0.0;
    } else if (error != std::errc{}) {
        return std::nullopt;
    }
    if (value == 0.0) return 0.0;  // no negative zero
    return negative ? -value : value;
}

std::optional<std::int16_t> toInt16(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double below = std::floor(value);
    const double fraction = value - below;  // exact for every double
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) rounded = below + 1.0;
    if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

namespace {

// Fixed notation of the value rounded to `digits` significant digits.
std::string fixedText(double value, int digits) {
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits - 1);
    if (error != std::errc{}) return {};
    const std::string_view scientific(buffer, static_cast<std::size_t>(end - buffer));

    // scientific is "[-]d.ddde[+-]xx" (or "[-]de[+-]xx" for one digit).
    const std::size_t e = scientific.find('e');
    const int exponent = std::atoi(std::string(scientific.substr(e + 1)).c_str());
    std::string mantissa;
    bool negative = false;
    for (const char c : scientific.substr(0, e)) {
        if (c == '-') negative = true;
        if (isDigit(c)) mantissa += c;
    }

    std::string integer;
    std::string fraction;
    if (exponent >= 0) {
        const auto split = static_cast<std::size_t>(exponent) + 1;
        if (split >= mantissa.size()) {
            integer = mantissa + std::string(split - mantissa.size(), '0');
        } else {
            integer = mantissa.substr(0, split);
            fraction = mantissa.substr(split);
        }
    } else {
        integer = "0";
        fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
    }
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();

    std::string text = integer;
    if (!fraction.empty()) text += '.' + fraction;
    if (text == "0") return text;  // no "-0", also for a tiny negative value rounded away
    return negative ? '-' + text : text;
}

}  // namespace

std::string numberToText(double value) {
    if (!std::isfinite(value)) return {};
    // Rounded to 15 digits, the largest doubles would lie beyond the range of
    // double and no longer read back; 14 digits round them down far enough.
    std::string text = fixedText(value, 15);
    if (!textToNumber(text)) text = fixedText(value, 14);
    return text;
}
