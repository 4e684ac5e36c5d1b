// The command line against an independent reference for every year from 100 to
// 2100, in one run of `years 100 2100` per format: the feasts' days by the
// reference calendar of the calculator tests (reference.h), which shares no code
// with the feast table the command line, the window and Tarvinde all take their
// days from; Easter in Gaul by Tarvinde's Weekdag.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "../calculator/reference.h"
#include "run_cli.h"
#include "tarvinde.h"
#include "year_view.h"

namespace {

// Reports would be a failure here: the years 100 to 2100 never fail.
struct NoBox : MessageBox {
    int shown = 0;
    void show(const std::string& /*prompt*/, int /*style*/, const std::string& /*title*/) override {
        ++shown;
    }
};

std::string trim(const std::string& text) {
    return std::string{year_view::trimmed(text)};
}

// The window's eleven feast rows, in window order: a fixed date (day, month) or
// days from Easter Sunday, and the note the Southern Netherlands wrote in 1582.
struct Row {
    bool movable;
    int day, month;  // movable: days from Easter in `day`
    const char* note1582;
};
constexpr Row kRows[] = {
    {false, 1, 1, ""},
    {true, -46, 0, ""},
    {true, -7, 0, ""},
    {true, 0, 0, ""},
    {true, 39, 0, ""},
    {true, 49, 0, ""},
    {false, 15, 8, ""},
    {false, 1, 11, ""},
    {false, 2, 11, ""},
    {false, 25, 12, " (? 4/1/1583)"},
    {false, 31, 12, " (? 21/12/1582)"},
};

// The seventeen values of a year as the window shows them.
std::vector<std::string> windowRow(const Tarvinde& t, std::int16_t y) {
    const bool reform = y == 1582;
    const ref::Cal cal = ref::calendarOf(y);
    // A leap year has two days between 28 February and 1 March.
    const bool leap = ref::jdn(cal, 1, 3, y) - ref::jdn(cal, 28, 2, y) == 2;
    std::vector<std::string> row{std::to_string(y), y <= 1582 ? "Juliaans" : "Gregoriaans", leap ? "1" : "0",
                                 reform     ? "jaren veelvoud van 4"
                                 : y < 1582 ? "jaartal veelvoud van 4"
                                            : "jaartal veelvoud van 4 of 400, niet van 100."};
    for (const Row& r : kRows)
        row.push_back(r.movable ? ref::textOf(ref::easter(y) + r.day, y)
                                : ref::textOf(r.day, r.month, y) + (reform ? r.note1582 : ""));
    row.emplace_back(reform ? "Kalenderwijziging 20/12 > 31/12  of  21/12 > 1/1/1583" : "Pasen in Gallië");
    row.push_back(reform ? "10 dagen vervallen in december" : trim(t.PasenGallie(y)));
    return row;
}

TEST(EveryYear, TheCommandLineShowsWhatTheWindowShows) {
    const Outcome tsv = runCli({"years", "100", "2100"});
    ASSERT_EQ(tsv.status, 0);
    const Outcome json = runCli({"years", "100", "2100", "--format", "json"});
    ASSERT_EQ(json.status, 0);
    const nlohmann::ordered_json array = nlohmann::ordered_json::parse(json.out);
    const std::vector<std::string> lines = split(tsv.out, '\n');
    ASSERT_EQ(lines.size(), 2001U + 2);  // header, 2,001 years, the end
    ASSERT_EQ(array.size(), 2001U);
    const std::vector<std::string> keys = split(lines[0], '\t');

    NoBox box;
    const Tarvinde t(box);
    int wrong = 0;
    for (int y = 100; y <= 2100 && wrong < 5; ++y) {
        const std::vector<std::string> expected = windowRow(t, static_cast<std::int16_t>(y));
        const std::vector<std::string> cells = split(lines.at(static_cast<std::size_t>(y - 99)), '\t');
        const nlohmann::ordered_json& object = array.at(static_cast<std::size_t>(y - 100));
        std::vector<std::string> fromJson;
        for (const auto& [key, value] : object.items())
            fromJson.push_back(value.is_number() ? std::to_string(value.get<int>())
                                                 : value.get<std::string>());
        wrong += cells != expected || fromJson != expected;
        EXPECT_EQ(cells, expected) << y;
        EXPECT_EQ(fromJson, expected) << y;
    }
    EXPECT_EQ(box.shown, 0);
}

}  // namespace
