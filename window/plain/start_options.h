#pragma once

// The window program's own arguments: --year YEAR and --region ID, each at most
// once, written "--year 2000" or "--year=2000". Plain C++ with no Qt, so that the
// program can check them before Qt starts and bad input needs no display.

#include <optional>
#include <string>

#include "regions.h"

struct StartOptions {
    std::optional<std::string> year;                            // the text for the year box, as if typed
    const regions::Region* region = &regions::defaultRegion();  // the region to open on
    std::string error;  // empty, or what was wrong, for one line "tarvinde: <error>"
};

// Reads argv[1..argc). A YEAR is accepted when the year refresh would accept it
// as typed (a number by textToNumber, from 100 to 2100); a region by its id.
// With qtOptionsLeft, other arguments are left for Qt, which takes its own out of
// argv; without, every other argument is an error.
StartOptions parseStartOptions(int argc, const char* const* argv, bool qtOptionsLeft);

class Tarvindr;
// Chooses the region as its Regio menu item does, then puts the year into the
// window's year box as if typed, so that the year refresh runs.
void applyStartOptions(Tarvindr& window, const StartOptions& options);
