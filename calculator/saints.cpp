#include "saints.h"

#include <algorithm>
#include <vector>

namespace saints {

namespace data {
extern const std::string_view kSaints;
extern const std::string_view kDays;
}  // namespace data

namespace {

// The rows of a TSV text after its header, split at tabs into `columns` cells.
std::vector<std::vector<std::string_view>> rowsOf(std::string_view text, std::size_t columns) {
    std::vector<std::vector<std::string_view>> rows;
    bool header = true;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty()) continue;
        if (header) {
            header = false;
            continue;
        }
        std::vector<std::string_view> cells;
        while (true) {
            const std::size_t tab = line.find('\t');
            cells.push_back(line.substr(0, tab));
            if (tab == std::string_view::npos) break;
            line.remove_prefix(tab + 1);
        }
        cells.resize(columns);
        rows.push_back(std::move(cells));
    }
    return rows;
}

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
        for (const auto& c : rowsOf(data::kSaints, 10))
            out.push_back(
                {c[0], c[1], numberOf(c[2]), numberOf(c[3]), c[4], numberOf(c[5]), c[6], c[7], c[8], c[9]});
        return out;
    }();
    return rows;
}

std::span<const Day> days() {
    static const std::vector<Day> rows = [] {
        std::vector<Day> out;
        for (const auto& c : rowsOf(data::kDays, 8))
            out.push_back({c[0], numberOf(c[1]), numberOf(c[2]), c[3], numberOf(c[4]), numberOf(c[5]),
                           c[6] == "ja", c[7]});
        return out;
    }();
    return rows;
}

}  // namespace saints
