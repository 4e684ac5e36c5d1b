// `year` and `years`: the year view of one year, or of every year of a range
// (their options are read in commands.cpp).

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "answers.h"
#include "year_view.h"

namespace cli {

namespace {

using year_view::YearView;

constexpr std::size_t kKeyCount = 4 + year_view::kFeastCount + 2;

// The keys of a year, in the order every format writes them.
constexpr std::array<std::string_view, kKeyCount> kKeys = [] {
    std::array<std::string_view, kKeyCount> keys{"jaar", "kalender", "schrikkeljaar", "regel"};
    for (std::size_t i = 0; i < year_view::kFeastCount; ++i) keys.at(4 + i) = year_view::kFeastRows.at(i).key;
    keys.at(kKeyCount - 2) = "gallie_titel";
    keys.at(kKeyCount - 1) = "gallie";
    return keys;
}();
// The keys as columns: jaar and schrikkeljaar numbers in JSON, the rest strings.
std::vector<Column> columns() {
    std::vector<Column> list;
    list.reserve(kKeys.size());
    for (const std::string_view key : kKeys)
        list.push_back({std::string{key},
                        key == "jaar" || key == "schrikkeljaar" ? JsonType::Number : JsonType::String});
    return list;
}

// The values of a year as texts, without leading or trailing blanks, in `values`,
// whose strings are reused from year to year. A text of the view that needs no
// trimming is swapped in rather than copied: the view gets the row's old string,
// which the next year's view overwrites.
void takeCells(Row& values, YearView& view) {
    values.resize(kKeyCount);
    std::size_t i = 0;
    const auto put = [&values, &i](std::string_view text) { values[i++].assign(year_view::trimmed(text)); };
    const auto take = [&values, &i](std::string& text) {
        const std::string_view kept = year_view::trimmed(text);
        if (kept.size() == text.size())
            values[i++].swap(text);
        else
            values[i++].assign(kept);
    };
    put(std::to_string(view.year));
    put(view.kalender);
    put(view.leapYear ? "1" : "0");
    take(view.regel);
    for (std::string& feast : view.feasts) take(feast);
    take(view.gallieTitel);
    take(view.gallie);
}

Row cells(YearView view) {
    Row values;
    takeCells(values, view);
    return values;
}

// One year: JSON one object; TSV and CSV a line of key and value for each key;
// text the copy's captions and texts, where the long caption of a calendar
// change runs over rather than widening the caption column.
Answer yearAnswer(const YearView& view) {
    Answer answer{.data = {.columns = columns(), .rows = {cells(view)}, .jsonObject = true},
                  .delimited = Table{.columns = {{"sleutel"}, {"waarde"}}, .header = false},
                  .text = Table{.columns = {{"onderschrift"}, {"tekst"}}, .header = false}};
    for (std::size_t i = 0; i < kKeyCount; ++i)
        answer.delimited->rows.push_back({std::string{kKeys.at(i)}, answer.data.rows.at(0).at(i)});
    for (year_view::Line& line : year_view::lines(view)) {
        if (line.key == "gallie" && regions::switchIn(*view.region, view.year))
            answer.text->runOver.insert(answer.text->rows.size());
        answer.text->rows.push_back({std::move(line.caption), std::move(line.text)});
    }
    return answer;
}

}  // namespace

Answer yearAnswer(int year, const regions::Region& region) {
    return yearAnswer(year_view::build(year, region));
}

Table yearsTable(int first, int last, const regions::Region& region) {
    // Year by year as the writer takes them, so that a closed output stops the work at once.
    return {.columns = columns(), .more = [first, last, &region](const TakeRow& take) {
                Row row;
                YearView view{};
                for (int year = first; year <= last; ++year) {
                    year_view::build(view, year, region);
                    takeCells(row, view);
                    if (!take(row)) return;
                }
            }};
}

}  // namespace cli
