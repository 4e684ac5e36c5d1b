// The command line as whole processes, against GNU gcal on the same machine:
// wall time from spawning to exit, medians over interleaved runs, so that the
// machine's load falls on both alike. And the window's start through tarvinde
// against starting the window program directly.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "process_timing.h"

namespace {

constexpr int kRuns = 301;        // per program, interleaved
constexpr int kWindowRuns = 201;  // per way of starting the window
constexpr double kYearGoalRatio = 1.2;
constexpr double kYearsGoalMs = 5;  // 2,001 rows, written as they are made
constexpr double kWindowGoalMs = 2;

struct Series {
    std::string name;
    std::vector<std::string> args;
    std::vector<double> ms;
    double median() const { return process_timing::median(ms); }
};

// Runs every series once per round, round after round; false when a run fails.
bool interleave(std::vector<Series>& series, int rounds) {
    for (int i = 0; i < rounds; ++i) {
        for (Series& s : series) {
            const double ms = process_timing::runOnce(s.args);
            if (ms < 0) {
                std::fprintf(stderr, "bench_cli: %s failed\n", s.name.c_str());
                return false;
            }
            s.ms.push_back(ms);
        }
    }
    return true;
}

// This program's folder, bench/ of the build tree: the probe is built beside it,
// tarvinde in app/.
std::filesystem::path ownFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

const char* verdict(bool met) {
    return met ? "met" : "MISSED";
}

}  // namespace

int main() {
    namespace fs = std::filesystem;
    const std::string tarvinde = (ownFolder().parent_path() / "app" / "tarvinde").string();
    const std::string probe = (ownFolder() / "tarvinde_startup_probe").string();
    std::vector<Series> cli{
        {"gcal -n 2000", {"gcal", "-n", "2000"}, {}},
        // What starting any process costs on this machine, which no program can go below.
        {"/bin/true", {"/bin/true"}, {}},
        {"tarvinde year 2000 --format tsv", {tarvinde, "year", "2000", "--format", "tsv"}, {}},
        {"tarvinde years 100 2100", {tarvinde, "years", "100", "2100"}, {}},
    };
    if (!interleave(cli, kRuns)) return 1;
    const double gcal = cli[0].median();
    const double empty = cli[1].median();
    const double year = cli[2].median();
    const double years = cli[3].median();
    std::printf("Command line as whole processes (medians of %d interleaved runs each)\n", kRuns);
    std::printf("  gcal -n 2000:                     %.2f ms\n", gcal);
    std::printf("  tarvinde year 2000 --format tsv:  %.2f ms = %.2fx gcal (goal <= %.1fx): %s\n", year,
                year / gcal, kYearGoalRatio, verdict(year <= kYearGoalRatio * gcal));
    std::printf("  tarvinde years 100 2100:          %.2f ms = %.2fx gcal (goal < %.0f ms): %s\n", years,
                years / gcal, kYearsGoalMs, verdict(years < kYearsGoalMs));
    std::printf("  /bin/true, an empty process:      %.2f ms; beyond it, gcal %.2f ms, years %.2f ms\n",
                empty, gcal - empty, years - empty);

    // The window: the start-up probe (which exits at the first expose) stands in
    // for the window program, once started directly and once by a copy of
    // tarvinde that finds it beside itself under the window program's name.
    const fs::path folder = fs::temp_directory_path() / ("tarvinde-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    fs::copy_file(tarvinde, folder / "tarvinde");
    fs::create_symlink(probe, folder / "tarvinde-window");
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::vector<Series> window{
        {"window program directly", {probe}, {}},
        {"through tarvinde", {(folder / "tarvinde").string()}, {}},
    };
    const bool ran = interleave(window, kWindowRuns);
    fs::remove_all(folder);
    if (!ran) return 1;
    const double direct = window[0].median();
    const double through = window[1].median();
    std::printf("Window start to first expose, offscreen (medians of %d interleaved runs each)\n",
                kWindowRuns);
    std::printf("  window program directly: %.2f ms\n", direct);
    std::printf("  through tarvinde:        %.2f ms, %+.2f ms (goal <= +%.0f ms): %s\n", through,
                through - direct, kWindowGoalMs, verdict(through - direct <= kWindowGoalMs));
    return 0;
}
