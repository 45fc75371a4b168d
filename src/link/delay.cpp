#include "link/delay.h"

#include <chrono>
#include <thread>

namespace orvane::link {

void SystemDelay::waitMs(unsigned milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace orvane::link
