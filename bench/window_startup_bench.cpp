// Start-up of the window as a fresh process: wall time from spawning the
// probe to its exit at the first expose, and the probe's peak memory.

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kRuns = 21;
constexpr double kWallGoalMs = 150;
constexpr double kMemoryGoalMb = 60;

struct Run {
    double wallMs;
    double peakMb;
};

// The probe is built beside this program.
std::string probePath() {
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return "tarvinde_startup_probe";
    std::string path(self, static_cast<std::size_t>(length));
    return path.substr(0, path.rfind('/') + 1) + "tarvinde_startup_probe";
}

bool runOnce(const std::string& probe, Run& run) {
    char* const argv[] = {const_cast<char*>(probe.c_str()), nullptr};
    const auto start = std::chrono::steady_clock::now();
    // The offscreen platform warns about what it cannot do; keep the report readable.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, probe.c_str(), &quiet, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) return false;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return false;
    run.wallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    run.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string probe = probePath();
    std::vector<Run> runs;
    for (int i = 0; i < kRuns; ++i) {
        Run run{};
        if (!runOnce(probe, run)) {
            std::fprintf(stderr, "bench_window_startup: %s failed; run it alone to see why\n", probe.c_str());
            return 1;
        }
        runs.push_back(run);
    }
    std::vector<double> wall;
    double peak = 0;
    for (const Run& r : runs) {
        wall.push_back(r.wallMs);
        peak = std::max(peak, r.peakMb);
    }
    std::sort(wall.begin(), wall.end());
    const double median = wall[wall.size() / 2];
    std::printf("Window start-up to first expose (%d fresh processes, offscreen)\n", kRuns);
    std::printf("  wall time: median %.1f ms, min %.1f ms, max %.1f ms (goal < %.0f ms): %s\n", median,
                wall.front(), wall.back(), kWallGoalMs, median < kWallGoalMs ? "met" : "MISSED");
    std::printf("  peak memory: %.1f MB (goal < %.0f MB): %s\n", peak, kMemoryGoalMb,
                peak < kMemoryGoalMb ? "met" : "MISSED");
    return 0;
}
