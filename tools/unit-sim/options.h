// The command line: where to serve, what to keep, and the starting values of the runtime
// settings. Plain data; parsed once at start.
#pragma once

#include <cstdint>
#include <string>

#include "unit-sim/settings.h"

namespace orvane::unitsim {

struct Options {
    std::string linkPath;     // symbolic link to the pseudo-terminal; empty: none
    std::string devicePath;   // a real serial port instead of a pseudo-terminal
    std::string eepromPath;   // the parameter memory's file; empty: memory only
    std::string controlPath;  // the control FIFO; empty: none
    std::string logPath;      // the frame log; empty: none
    unsigned dayMinutes = 10;
    std::uint32_t seed = 0;
    bool seedGiven = false;
    bool help = false;
    Settings settings;
};

// False with a reason on the first bad argument.
bool ParseOptions(int argc, const char* const* argv, Options& options, std::string& error);

std::string UsageText();

}  // namespace orvane::unitsim
