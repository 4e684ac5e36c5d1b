// The one writer: a small table in every format, each output worked out by hand.

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "table.h"

namespace {

using cli::Answer;
using cli::Format;
using cli::JsonType;
using cli::Row;
using cli::Table;
using cli::TakeRow;

std::string written(Format format, const Answer& answer) {
    std::ostringstream out;
    cli::write(out, format, answer);
    return out.str();
}

// Two rows, one with a comma and a quote, one with an empty cell and a non-ASCII name.
Answer sample() {
    return {
        .data = {.columns = {{"id"}, {"naam"}, {"dagen", JsonType::NumberOrNull}, {"jaar", JsonType::Number}},
                 .rows = {{"a", "Zeg \"ja\", nu", "10", "1582"},
                          {"groot-brittannie", "Groot-Brittannië", "", "1752"}}}};
}

struct Case {
    const char* what;
    Format format;
    Answer answer;
    std::string expected;
};

TEST(TableWriter, EveryFormat) {
    Answer pairs = sample();
    pairs.data.jsonObject = true;
    pairs.delimited = Table{.columns = {{"k"}, {"v"}}, .rows = {{"jaar", "1582"}}, .header = false};
    pairs.text = Table{.columns = {{"c"}, {"t"}},
                       .rows = {{"Jaar", "1582"}, {"Een lange kop", "loopt door"}, {"Regel", "x"}},
                       .header = false,
                       .runOver = {1}};
    Answer nested = sample();
    nested.data.jsonObject = true;
    nested.data.nestedKey = "feesten";
    nested.data.nested = std::make_shared<Table>(Table{.columns = {{"id"}}, .rows = {{"p"}, {"q"}}});

    const Case cases[] = {
        {"text: header and columns by characters", Format::Text, sample(),
         "id                naam              dagen  jaar\n"
         "a                 Zeg \"ja\", nu      10     1582\n"
         "groot-brittannie  Groot-Brittannië         1752\n"},
        {"tsv", Format::Tsv, sample(),
         "id\tnaam\tdagen\tjaar\na\tZeg \"ja\", nu\t10\t1582\ngroot-brittannie\tGroot-Brittannië\t\t1752\n"},
        {"csv quotes what needs it", Format::Csv, sample(),
         "id,naam,dagen,jaar\na,\"Zeg \"\"ja\"\", nu\",10,1582\ngroot-brittannie,Groot-Brittannië,,1752\n"},
        {"json: numbers, null for an empty nullable cell", Format::Json, sample(),
         "[{\"id\":\"a\",\"naam\":\"Zeg \\\"ja\\\", nu\",\"dagen\":10,\"jaar\":1582},"
         "{\"id\":\"groot-brittannie\",\"naam\":\"Groot-Brittannië\",\"dagen\":null,\"jaar\":1752}]\n"},
        {"json: one object", Format::Json, pairs,
         "{\"id\":\"a\",\"naam\":\"Zeg \\\"ja\\\", nu\",\"dagen\":10,\"jaar\":1582}\n"},
        {"json: one object with a nested array", Format::Json, nested,
         "{\"id\":\"a\",\"naam\":\"Zeg \\\"ja\\\", nu\",\"dagen\":10,\"jaar\":1582,"
         "\"feesten\":[{\"id\":\"p\"},{\"id\":\"q\"}]}\n"},
        {"tsv of the delimited table, no header", Format::Tsv, pairs, "jaar\t1582\n"},
        {"csv of the delimited table", Format::Csv, pairs, "jaar,1582\n"},
        {"text: a caption runs over", Format::Text, pairs,
         "Jaar   1582\nEen lange kop  loopt door\nRegel  x\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(written(c.format, c.answer), c.expected) << c.what;
}

constexpr Format kFormats[] = {Format::Text, Format::Tsv, Format::Csv, Format::Json};

// A long table whose cells vary in width, with commas, quotes, non-ASCII
// letters, a control character and empty cells, so that every format has work.
std::vector<Row> longRows() {
    std::vector<Row> rows;
    for (int i = 0; i < 3000; ++i)
        rows.push_back({std::to_string(i * 7919 % 100003), std::string(static_cast<std::size_t>(i % 13), 'x'),
                        i % 5 == 0 ? "" : std::to_string(-i),
                        i % 7 == 0 ? "Zeg \"ja\", nu" : "Groot-Brittannië",
                        i % 11 == 0 ? "tab\there" : "a\\b"});
    return rows;
}

Table longTable() {
    return {.columns = {{"n", JsonType::Number},
                        {"x"},
                        {"m", JsonType::NumberOrNull},
                        {"naam", JsonType::StringOrNull},
                        {"rest"}},
            .runOver = {3, 40}};
}

// The same table made row by row as the writer takes it, after the rows at hand
// (the first ten): every format writes it byte for byte as the table held whole.
TEST(TableWriter, RowsFromASourceAsRowsAtHand) {
    const std::vector<Row> rows = longRows();
    Answer whole{.data = longTable()};
    whole.data.rows = rows;
    Answer streamed{.data = longTable()};
    streamed.data.rows.assign(rows.begin(), rows.begin() + 10);
    streamed.data.more = [&rows](const TakeRow& take) {
        for (std::size_t i = 10; i < rows.size(); ++i)
            if (!take(rows[i])) return;
    };
    for (const Format format : kFormats) {
        const std::string expected = written(format, whole);
        EXPECT_EQ(written(format, streamed), expected) << static_cast<int>(format);
        EXPECT_GT(expected.size(), 3000U * 10) << static_cast<int>(format);
    }

    // JSON as nlohmann-json writes the whole array, checked by parsing it back too.
    nlohmann::ordered_json array = nlohmann::ordered_json::array();
    for (const Row& row : rows) {
        nlohmann::ordered_json o;
        o["n"] = std::stoll(row[0]);
        o["x"] = row[1];
        o["m"] =
            row[2].empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(std::stoll(row[2]));
        o["naam"] = row[3];
        o["rest"] = row[4];
        array.push_back(o);
    }
    EXPECT_EQ(written(Format::Json, streamed), array.dump() + "\n");
}

// A source walked for TSV, CSV and JSON is walked once, and each row is on the
// output before the next is made; text walks it twice, for the widths first.
TEST(TableWriter, EachRowWrittenBeforeTheNextIsMade) {
    const std::vector<Row> rows = longRows();
    for (const Format format : kFormats) {
        std::ostringstream out;
        int walks = 0;
        std::size_t late = 0;  // rows made while the output still lacked the one before
        Answer answer{.data = longTable()};
        answer.data.more = [&](const TakeRow& take) {
            ++walks;
            std::streamoff before = out.tellp();
            for (const Row& row : rows) {
                if (format != Format::Text && &row != rows.data() && out.tellp() <= before) ++late;
                before = out.tellp();
                if (!take(row)) return;
            }
        };
        cli::write(out, format, answer);
        EXPECT_EQ(walks, format == Format::Text ? 2 : 1) << static_cast<int>(format);
        EXPECT_EQ(late, 0U) << static_cast<int>(format);
    }
}

// An output that takes `room` bytes and then fails, as a closed pipe does.
class ClosingBuffer : public std::streambuf {
public:
    explicit ClosingBuffer(std::size_t room) : room_(room) {}

protected:
    int_type overflow(int_type c) override {
        if (room_ == 0) return traits_type::eof();
        --room_;
        return traits_type::not_eof(c);
    }

private:
    std::size_t room_;
};

// A closed output stops the source: it makes no more rows than the output took,
// and one more.
TEST(TableWriter, AClosedOutputStopsTheSource) {
    const std::vector<Row> rows = longRows();
    for (const Format format : kFormats) {
        ClosingBuffer buffer{1000};
        std::ostream out{&buffer};
        std::size_t made = 0;
        Answer answer{.data = longTable()};
        answer.data.more = [&](const TakeRow& take) {
            for (const Row& row : rows) {
                ++made;
                if (!take(row)) return;
            }
        };
        cli::write(out, format, answer);
        EXPECT_FALSE(out) << static_cast<int>(format);
        // Every row is wider than 10 bytes in every format: 1,000 bytes hold fewer than 100.
        const std::size_t walked = format == Format::Text ? rows.size() : 0;  // the walk for the widths
        EXPECT_LE(made, walked + 100) << static_cast<int>(format);
        EXPECT_GE(made, walked + 1) << static_cast<int>(format);
    }
}

}  // namespace
