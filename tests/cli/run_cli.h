#pragma once

// Runs the command line in-process, as `tarvinde ARGS...` would from a shell.

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli.h"

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// With input, the command's standard input holds it.
inline Outcome runCli(std::vector<std::string> args, const std::string& input = {}) {
    args.insert(args.begin(), "tarvinde");
    std::vector<const char*> argv;
    argv.reserve(args.size());
    for (const std::string& a : args) argv.push_back(a.c_str());
    std::istringstream in{input};
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::run(static_cast<int>(argv.size()), argv.data(), in, out, err);
    return {status, out.str(), err.str()};
}

// A command line that must be refused, and a part of the message that says why.
struct BadCase {
    std::vector<std::string> args;
    const char* says;
};

// Bad input: status 2, nothing on standard output, and one line "tarvinde: …" on
// standard error that says `says`.
inline void expectBadInput(const Outcome& o, const char* says) {
    SCOPED_TRACE(o.err);
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.out, "");
    EXPECT_TRUE(o.err.starts_with("tarvinde: "));
    EXPECT_EQ(o.err.find('\n'), o.err.size() - 1) << "exactly one line";
    EXPECT_NE(o.err.find(says), std::string::npos) << "should say " << says;
}

// Splits at a separator; "a\tb\n" gives "a", "b", "".
inline std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts{""};
    for (const char c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

// The date in force as the text of a day writes it: "dinsdag 17 november 1450" is
// 1450-11-17; a date skipped at the switch names the kept day in its note
// ("(? 4/1/1583)").
inline std::string inForce(const std::string& text) {
    static const std::vector<std::string> kMonths{"januari",   "februari", "maart",    "april",
                                                  "mei",       "juni",     "juli",     "augustus",
                                                  "september", "oktober",  "november", "december"};
    int day = 0, month = 0, year = 0;
    if (const std::size_t note = text.find("(? "); note != std::string::npos) {
        std::sscanf(text.c_str() + note + 3, "%d/%d/%d", &day, &month, &year);
    } else {
        std::istringstream words(text);
        std::string weekday, monthName;
        words >> weekday >> day >> monthName >> year;
        month = static_cast<int>(std::find(kMonths.begin(), kMonths.end(), monthName) - kMonths.begin()) + 1;
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
    return buffer;
}

// The calendar of a day of these years: where it differs from the proleptic
// Gregorian date, Julian.
inline std::string calendarOf(const std::string& datum, const std::string& iso) {
    return datum == iso ? "Gregoriaans" : "Juliaans";
}
