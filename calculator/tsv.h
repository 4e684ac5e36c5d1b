#pragma once

// The data files compiled into the program are TSV: a header line, then rows of
// cells split at tabs.

#include <algorithm>
#include <string_view>
#include <vector>

namespace tsv {

// The rows of a TSV text after its header, each with exactly `columns` cells
// (missing ones empty). A CR before the LF and empty lines are passed over.
inline std::vector<std::vector<std::string_view>> rowsOf(std::string_view text, std::size_t columns) {
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

}  // namespace tsv
