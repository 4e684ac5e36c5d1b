// `tarvinde date --batch` over 10,000 lines, in-process: the clauses of a long
// register, modern and as the records write them, a few that cannot be read, and
// blank lines. Goal: under a second; the median of several runs is reported.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"

namespace {

constexpr int kLines = 10000;
constexpr int kRuns = 7;
constexpr double kGoalMs = 1000;

// Clause patterns; {Y} becomes a year that changes from line to line.
constexpr std::array<const char*, 12> kPatterns{
    "dinsdag na Sint-Maarten {Y}",
    "des woensdags na Sint-Maartensdag {Y}",
    "octaaf van Kerstmis {Y}",
    "2e zondag voor Pascha {Y}",
    "vooravond van Sint-Jan {Y}",
    "maandag na Oudjaarsavond {Y}",
    "Lichtmis {Y}\r",
    "feria quarta post festum beati Martini anno Domini {Y}",
    "des woensdaghes na sinte Niclaeys dach int jaer {Y}",
    "III nonas Martii {Y}",
    "Sint-Martin {Y}",  // no feast of that name
    "\t",               // a blank line
};

std::string input() {
    std::string text;
    for (int i = 0; i < kLines; ++i) {
        std::string line = kPatterns.at(static_cast<std::size_t>(i) % kPatterns.size());
        const std::size_t at = line.find("{Y}");
        if (at != std::string::npos) line.replace(at, 3, std::to_string(1100 + i % 900));
        text += line + '\n';
    }
    return text;
}

}  // namespace

int main() {
    const std::string lines = input();
    const std::array<const char*, 3> argv{"tarvinde", "date", "--batch"};
    std::vector<double> ms;
    std::size_t written = 0;
    for (int run = 0; run < kRuns; ++run) {
        std::istringstream in{lines};
        std::ostringstream out;
        std::ostringstream err;
        const auto start = std::chrono::steady_clock::now();
        const int status = cli::run(static_cast<int>(argv.size()), argv.data(), in, out, err);
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (status != cli::kOk && status != cli::kPartlyRead) {
            std::fprintf(stderr, "bench_date_batch: status %d: %s", status, err.str().c_str());
            return 1;
        }
        written = out.str().size();
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    std::printf("tarvinde date --batch, %d lines in-process (median of %d runs, %zu bytes out)\n", kLines,
                kRuns, written);
    std::printf("  %.1f ms (goal < %.0f ms): %s\n", median, kGoalMs, median < kGoalMs ? "met" : "MISSED");
    return 0;
}
