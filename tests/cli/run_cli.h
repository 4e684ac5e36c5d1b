#pragma once

// Runs the command line in-process, as `tarvinde ARGS...` would from a shell.

#include <sstream>
#include <string>
#include <vector>

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
