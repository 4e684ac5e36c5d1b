// The one writer: a small table in every format, each output worked out by hand.

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "table.h"

namespace {

using cli::Answer;
using cli::Format;
using cli::JsonType;
using cli::Table;

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

}  // namespace
