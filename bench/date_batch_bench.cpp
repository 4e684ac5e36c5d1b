// `tarvinde date --batch` over 10,000 lines, in-process, twice:
// - the real clauses of the development file (tests/reader/data/real-clauses.tsv,
//   column `clausule`) repeated to 10,000 lines, read with --style pasen as Paris
//   counted its year;
// - made-up clauses of a long register, modern and as the records write them, a
//   few that cannot be read, and blank lines.
// Goal: under a second each, in the processor time the program takes (the machine
// is shared, so its wall time is shown beside it); the median of several runs is
// reported. The program fails when the development file is missing or a run fails.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"

#ifndef TARVINDE_REAL_CLAUSES
#error "TARVINDE_REAL_CLAUSES (the development file's path) is set by bench/CMakeLists.txt"
#endif

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

std::string madeUpLines() {
    std::string text;
    for (int i = 0; i < kLines; ++i) {
        std::string line = kPatterns.at(static_cast<std::size_t>(i) % kPatterns.size());
        const std::size_t at = line.find("{Y}");
        if (at != std::string::npos) line.replace(at, 3, std::to_string(1100 + i % 900));
        text += line + '\n';
    }
    return text;
}

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

// The `clausule` column of the development file, its rows repeated to kLines
// lines; nothing when the file or the column is missing or holds no clause.
std::optional<std::string> realLines(const char* path) {
    std::ifstream file{path};
    std::string line;
    if (!file || !std::getline(file, line)) return std::nullopt;
    const std::vector<std::string> header = fieldsOf(line);
    const auto column = std::find(header.begin(), header.end(), "clausule");
    if (column == header.end()) return std::nullopt;
    const auto index = static_cast<std::size_t>(column - header.begin());
    std::vector<std::string> clauses;
    while (std::getline(file, line)) {
        const std::vector<std::string> fields = fieldsOf(line);
        if (index < fields.size() && !fields[index].empty()) clauses.push_back(fields[index]);
    }
    if (clauses.empty()) return std::nullopt;
    std::string text;
    for (std::size_t i = 0; i < kLines; ++i) text += clauses[i % clauses.size()] + '\n';
    return text;
}

// Runs the command over the lines kRuns times and prints the median against the
// goal; false when a run failed.
bool bench(const char* title, const std::string& lines, const std::vector<const char*>& argv) {
    std::vector<double> ms;
    std::vector<double> cpuMs;
    std::size_t written = 0;
    for (int run = 0; run < kRuns; ++run) {
        std::istringstream in{lines};
        std::ostringstream out;
        std::ostringstream err;
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        const int status = cli::run(static_cast<int>(argv.size()), argv.data(), in, out, err);
        cpuMs.push_back(1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (status != cli::kOk && status != cli::kPartlyRead) {
            std::fprintf(stderr, "bench_date_batch: %s: status %d: %s", title, status, err.str().c_str());
            return false;
        }
        written = out.str().size();
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpuMs.begin(), cpuMs.end());
    const double median = cpuMs[cpuMs.size() / 2];
    std::printf("tarvinde date --batch, %d lines of %s in-process (median of %d runs, %zu bytes out)\n",
                kLines, title, kRuns, written);
    std::printf("  %.1f ms processor time, %.1f ms wall time (goal < %.0f ms processor time): %s\n", median,
                ms[ms.size() / 2], kGoalMs, median < kGoalMs ? "met" : "MISSED");
    return true;
}

}  // namespace

int main() {
    const std::optional<std::string> real = realLines(TARVINDE_REAL_CLAUSES);
    if (!real) {
        std::fprintf(stderr, "bench_date_batch: no clauses read from %s (column \"clausule\")\n",
                     TARVINDE_REAL_CLAUSES);
        return 1;
    }
    const bool ok =
        bench("real clauses, --style pasen", *real, {"tarvinde", "date", "--batch", "--style", "pasen"}) &&
        bench("made-up clauses", madeUpLines(), {"tarvinde", "date", "--batch"});
    return ok ? 0 : 1;
}
