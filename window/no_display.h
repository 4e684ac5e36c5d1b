#pragma once

// Without a usable display Qt prints a few warnings, then aborts with "Reinstalling
// the application may fix this problem" and a core dump. While the application
// object is made, the program holds Qt's messages back instead; when no platform
// opens it says why in one line on standard error and exits with status 1.

#include <string>
#include <vector>

namespace no_display {

// What the held messages tell about Qt's platform plugins.
struct Platforms {
    std::vector<std::string> failed;   // found, but could not open a display
    std::vector<std::string> missing;  // asked for, but not installed
};

// Reads one of Qt's messages into `platforms`; other messages leave it as it was.
void readQtMessage(const std::string& message, Platforms& platforms);

// The line, without its newline: "PROGRAM: no usable display, ...: REASONS".
// `display` and `waylandDisplay` are the environment's DISPLAY and
// WAYLAND_DISPLAY, nullptr when unset.
std::string line(const std::string& program, const Platforms& platforms, const char* display,
                 const char* waylandDisplay);

// From now on Qt's messages are held back. A fatal one about the platform plugin
// ends the program as above; any other fatal message is passed on with all held.
void holdQtMessages(const char* program);

// Passes the held messages on to Qt's own handler and holds no more.
void releaseQtMessages();

}  // namespace no_display
