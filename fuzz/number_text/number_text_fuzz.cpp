// The window's text and number conversions on any bytes: as a box text, and as a
// double. A number written into a box must read back to itself within 15 significant
// digits (14 at the very top of the double range, where 15 would round past it), and
// writing the read-back value must give the same text again.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string_view>

#include "number_text.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void roundTrip(double x) {
    const std::string text = numberToText(x);
    const auto back = textToNumber(text);
    require(back.has_value());
    const double digits = std::abs(x) > 1.797693134862315e308 ? 14 : 15;
    // Rounding to the digits, then reading the decimal back to the nearest double.
    const double error =
        (0.5 * std::pow(10.0, 1 - digits) + std::numeric_limits<double>::epsilon()) * std::abs(x) +
        std::numeric_limits<double>::denorm_min();
    require(std::abs(*back - x) <= error);
    require(numberToText(*back) == text);
}

void toWholeNumber(double x) {
    if (const auto whole = toInt16(x))
        require(std::abs(*whole - x) <= 0.5);
    else
        require(!(x >= -32768.5 && x < 32767.5));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const auto value = textToNumber(std::string_view(reinterpret_cast<const char*>(data), size))) {
        require(std::isfinite(*value));
        roundTrip(*value);
        toWholeNumber(*value);
    }
    if (size == sizeof(double)) {
        double x = 0;
        std::memcpy(&x, data, sizeof x);
        if (std::isfinite(x))
            roundTrip(x);
        else
            require(numberToText(x).empty());
        toWholeNumber(x);
    }
    return 0;
}
