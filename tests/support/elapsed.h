// Time measured by tests of the line's own time-outs (never a wait: the tests block on the
// port, and only read the clock afterwards). Any thread.
#pragma once

#include <chrono>

namespace orvane::testing {

using Clock = std::chrono::steady_clock;

// Whole milliseconds since `start`.
inline long MsSince(Clock::time_point start) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

}  // namespace orvane::testing
