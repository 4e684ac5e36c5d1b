// `computus`: the computus of every year from FIRST to LAST, one row each.

#include <cstddef>
#include <string>
#include <vector>

#include "answers.h"
#include "table.h"
#include "year_computus.h"

namespace cli {

// A header line first in TSV, CSV and text (aligned under it); in JSON an array
// of objects, the number columns as numbers.
Table computusTable(int first, int last, const regions::Region& region) {
    Table table;
    for (const year_computus::Column& column : year_computus::kColumns)
        table.columns.push_back(
            {std::string{column.key}, column.number ? JsonType::Number : JsonType::String});
    // Year by year as the writer takes them; text walks them twice, for its widths first.
    table.more = [first, last, &region](const TakeRow& take) {
        Row row;
        for (int year = first; year <= last; ++year) {
            row.clear();
            for (year_computus::Cell& cell : year_computus::cells(year_computus::of(year, region)))
                row.push_back(std::move(cell.text));
            if (!take(row)) return;
        }
    };
    return table;
}

}  // namespace cli
