#pragma once

// 16-bit sums that fail with Failure::overflow() instead of wrapping, for the
// few places where the feast rules add or subtract on 16-bit values.

#include <cstdint>
#include <limits>

#include "failure.h"

namespace checked16 {

constexpr std::int16_t narrow(std::int32_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        throw Failure::overflow();
    }
    return static_cast<std::int16_t>(value);
}

constexpr std::int16_t add(std::int16_t a, std::int16_t b) {
    return narrow(std::int32_t{a} + b);
}
constexpr std::int16_t sub(std::int16_t a, std::int16_t b) {
    return narrow(std::int32_t{a} - b);
}

}  // namespace checked16
