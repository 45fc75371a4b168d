#include "cli/stop_request.h"

#include <csignal>

namespace orvane::cli {

namespace {

volatile std::sig_atomic_t stopRequested = 0;

extern "C" void RaiseStopRequest(int) {
    stopRequested = 1;
}

}  // namespace

void InstallStopHandlers() {
    std::signal(SIGINT, RaiseStopRequest);
    std::signal(SIGTERM, RaiseStopRequest);
}

bool StopRequested() {
    return stopRequested != 0;
}

}  // namespace orvane::cli
