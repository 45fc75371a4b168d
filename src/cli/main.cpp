// orvane-cli: the configurator's jobs from a terminal. Data on stdout, messages on stderr,
// the outcome as the exit status.
#include <iostream>

#include "cli/command_line.h"

int main(int argc, char** argv) {
    return orvane::cli::RunCommandLine(argc, argv, {std::cin, std::cout, std::cerr});
}
