// The one command name, tarvinde. It runs a command itself, or, when no command
// is given, replaces itself with the window program, passing every argument on.
// It links no Qt, so that a command starts as fast as a small C++ program and the
// window pays for no more than one exec.

#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"

namespace {

constexpr const char* kWindowProgram = "tarvinde-window";

// The window program: where the install puts it (TARVINDE_WINDOW_DIR, relative to
// this program's folder unless absolute), or beside this program as in the build
// tree. Empty when neither exists.
std::string windowProgram() {
    std::array<char, 4096> self{};
    const ssize_t length = readlink("/proc/self/exe", self.data(), self.size() - 1);
    if (length <= 0) return {};
    std::string folder(self.data(), static_cast<std::size_t>(length));
    folder.erase(folder.rfind('/') + 1);
    const std::string installed{TARVINDE_WINDOW_DIR};
    for (const std::string& candidate :
         {(installed.starts_with('/') ? installed : folder + installed) + '/' + kWindowProgram,
          folder + kWindowProgram}) {
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return {};
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!cli::isCommand(argc, argv)) {
        const std::string window = windowProgram();
        if (!window.empty()) {
            std::vector<std::string> args = cli::windowArguments(argc, argv);
            std::vector<char*> pointers;
            pointers.reserve(args.size() + 1);
            for (std::string& a : args) pointers.push_back(a.data());
            pointers.push_back(nullptr);
            execv(window.c_str(), pointers.data());
        }
        std::cerr << "tarvinde: cannot start the window: "
                  << (window.empty() ? std::string{kWindowProgram} + " is not installed beside tarvinde"
                                     : window + ": " + std::strerror(errno))
                  << '\n';
        return 1;
    }
    // A closed standard output then fails a write instead of killing the process,
    // and the command stops quietly.
    std::signal(SIGPIPE, SIG_IGN);
    std::ios::sync_with_stdio(false);
    errno = 0;
    const int status = cli::run(argc, argv, std::cin, std::cout, std::cerr);
    // A reader that went away wants no more; a full disk or a failing device is
    // a fault the user must hear of, since the output is incomplete.
    if (status == cli::kOutputFailed && errno != 0 && errno != EPIPE && errno != EBADF)
        std::cerr << "tarvinde: cannot write the output: " << std::strerror(errno) << '\n';
    return status;
}
