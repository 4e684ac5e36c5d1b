// `tarvinde computus 100 2100` as a whole process, in each format: wall time from
// spawning to exit, medians over interleaved runs. The goal is for the default
// format; the others are shown beside it.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kRuns = 201;  // per format, interleaved
constexpr double kGoalMs = 20;

// Wall time of one run in ms, output and messages discarded; negative when it failed.
double runOnce(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid) return -1;
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ms : -1;
}

double median(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

}  // namespace

int main() {
    // Built in bench/ of the build tree; tarvinde is in app/.
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    const std::string tarvinde = (self.parent_path().parent_path() / "app" / "tarvinde").string();
    const std::vector<std::string> formats{"tsv", "csv", "text", "json"};
    std::vector<std::vector<double>> times(formats.size());
    for (int run = 0; run < kRuns; ++run) {
        for (std::size_t f = 0; f < formats.size(); ++f) {
            const double ms = runOnce({tarvinde, "computus", "100", "2100", "--format", formats[f]});
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
        const double ms = median(times[f]);
        if (f == 0)
            std::printf("  --format %-5s %.2f ms (goal < %.0f ms): %s\n", formats[f].c_str(), ms, kGoalMs,
                        ms < kGoalMs ? "met" : "MISSED");
        else
            std::printf("  --format %-5s %.2f ms\n", formats[f].c_str(), ms);
    }
    return 0;
}
