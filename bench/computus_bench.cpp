// `tarvinde computus 100 2100` as a whole process, in each format: wall time from
// spawning to exit, medians over interleaved runs. The goal is for the default
// format; the others are shown beside it.

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "process_timing.h"

namespace {

constexpr int kRuns = 201;  // per format, interleaved
constexpr double kGoalMs = 20;

}  // namespace

int main() {
    // Built in bench/ of the build tree; tarvinde is in app/.
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    const std::string tarvinde = (self.parent_path().parent_path() / "app" / "tarvinde").string();
    const std::vector<std::string> formats{"tsv", "csv", "text", "json"};
    std::vector<std::vector<double>> times(formats.size());
    for (int run = 0; run < kRuns; ++run) {
        for (std::size_t f = 0; f < formats.size(); ++f) {
            const double ms =
                process_timing::runOnce({tarvinde, "computus", "100", "2100", "--format", formats[f]});
            if (ms < 0) {
                std::fprintf(stderr, "bench_computus: tarvinde computus --format %s failed\n",
                             formats[f].c_str());
                return 1;
            }
            times[f].push_back(ms);
        }
    }
    std::printf("tarvinde computus 100 2100 as a whole process (medians of %d interleaved runs each)\n",
                kRuns);
    for (std::size_t f = 0; f < formats.size(); ++f) {
        const double ms = process_timing::median(times[f]);
        if (f == 0)
            std::printf("  --format %-5s %.2f ms (goal < %.0f ms): %s\n", formats[f].c_str(), ms, kGoalMs,
                        ms < kGoalMs ? "met" : "MISSED");
        else
            std::printf("  --format %-5s %.2f ms\n", formats[f].c_str(), ms);
    }
    return 0;
}
