#include "saints.h"

#include <algorithm>
#include <vector>

#include "tsv.h"

namespace saints {

namespace data {
extern const std::string_view kSaints;
extern const std::string_view kDays;
}  // namespace data

namespace {

// A year or day as the files write them: digits, "~" before an estimate; 0 when empty.
int numberOf(std::string_view text) {
    int value = 0;
    for (const char c : text)
        if (c >= '0' && c <= '9') value = value * 10 + (c - '0');
    return value;
}

}  // namespace

std::span<const Saint> all() {
    static const std::vector<Saint> rows = [] {
        std::vector<Saint> out;
        for (const auto& c : tsv::rowsOf(data::kSaints, 10))
            out.push_back(
                {c[0], c[1], numberOf(c[2]), numberOf(c[3]), c[4], numberOf(c[5]), c[6], c[7], c[8], c[9]});
        return out;
    }();
    return rows;
}

std::span<const Day> days() {
    static const std::vector<Day> rows = [] {
        std::vector<Day> out;
        for (const auto& c : tsv::rowsOf(data::kDays, 8))
            out.push_back({c[0], numberOf(c[1]), numberOf(c[2]), c[3], numberOf(c[4]), numberOf(c[5]),
                           c[6] == "ja", c[7]});
        return out;
    }();
    return rows;
}

}  // namespace saints
