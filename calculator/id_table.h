#pragma once

// Lookups in the tables whose rows carry an `id` (regions, feasts, year styles).

#include <algorithm>
#include <span>
#include <string>
#include <string_view>

namespace id_table {

// The row with that id, or nullptr.
template <class Row>
const Row* find(std::span<const Row> rows, std::string_view id) {
    const auto found = std::find_if(rows.begin(), rows.end(), [&](const Row& r) { return r.id == id; });
    return found == rows.end() ? nullptr : &*found;
}

// Every id in table order, comma-separated, for error messages.
template <class Row>
std::string joinedIds(std::span<const Row> rows) {
    std::string ids;
    for (const Row& r : rows) {
        if (!ids.empty()) ids += ", ";
        ids += r.id;
    }
    return ids;
}

}  // namespace id_table
