#pragma once

// The loops over a whole range run in full in the plain run, where they check the
// arithmetic. The sanitizer run is there for memory faults and undefined
// behaviour: it takes every kStride-th value and those around the range's edges,
// which reach the same code, in a tenth of the time.

#include <cstdint>
#include <initializer_list>

namespace run_size {

#ifdef TARVINDE_SANITIZED_RUN
inline constexpr std::int64_t kStride = 17;
#else
inline constexpr std::int64_t kStride = 1;
#endif

// Whether a loop over a whole range checks `value` in this run: every value in
// the plain run; else every kStride-th and those within 2 of an edge.
inline bool checks(std::int64_t value, std::initializer_list<std::int64_t> edges = {}) {
    if (kStride == 1 || value % kStride == 0) return true;
    for (const std::int64_t e : edges)
        if (value >= e - 2 && value <= e + 2) return true;
    return false;
}

// A count of random or repeated cases for this run.
constexpr std::int64_t count(std::int64_t plain) {
    return plain / kStride;
}

}  // namespace run_size
