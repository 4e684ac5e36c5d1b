// `tarvinde feasts 1450` and `tarvinde on 11 11 1450` as whole processes, as a
// user runs them: the medians of interleaved runs, each with the main feasts and
// with --alle. Goal: under 5 ms each for the default set.

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "process_timing.h"

namespace {

constexpr int kRuns = 101;  // per command, interleaved
constexpr double kGoalMs = 5;

struct Series {
    std::string name;
    std::vector<std::string> args;
    bool goal;  // the default set must meet kGoalMs
    std::vector<double> ms;
};

}  // namespace

int main() {
    // tarvinde in app/, beside bench/ in the build tree.
    const std::string tarvinde =
        (std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "app" / "tarvinde")
            .string();
    std::vector<Series> series{
        {"tarvinde feasts 1450", {tarvinde, "feasts", "1450"}, true, {}},
        {"tarvinde feasts 1450 --alle", {tarvinde, "feasts", "1450", "--alle"}, false, {}},
        {"tarvinde on 11 11 1450", {tarvinde, "on", "11", "11", "1450"}, true, {}},
        {"tarvinde on 11 11 1450 --alle", {tarvinde, "on", "11", "11", "1450", "--alle"}, false, {}},
    };
    for (int i = 0; i < kRuns; ++i)
        for (Series& s : series) {
            const double ms = process_timing::runOnce(s.args);
            if (ms < 0) {
                std::fprintf(stderr, "bench_feast_commands: %s failed\n", s.name.c_str());
                return 1;
            }
            s.ms.push_back(ms);
        }
    std::printf("feast commands as processes (median of %d interleaved runs)\n", kRuns);
    for (const Series& s : series) {
        const double median = process_timing::median(s.ms);
        if (s.goal)
            std::printf("  %-32s %.2f ms (goal < %.0f ms): %s\n", s.name.c_str(), median, kGoalMs,
                        median < kGoalMs ? "met" : "MISSED");
        else
            std::printf("  %-32s %.2f ms\n", s.name.c_str(), median);
    }
    return 0;
}
