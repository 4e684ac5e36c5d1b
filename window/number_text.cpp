#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<double> textToNumber(std::string_view text) {
    text = trimBlanks(text);
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
    for (const char c : text) {
        if (isDigit(c)) {
            digit = true;
            if (!point && c != '0') integerDigit = true;
            plain += c;
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
