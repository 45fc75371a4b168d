#include "monitor/local_clock.h"

#include <ctime>

namespace orvane::monitor {

LocalTime LocalTimeAt(std::int64_t epochSeconds) {
    const auto t = static_cast<std::time_t>(epochSeconds);
    std::tm tm{};
    localtime_r(&t, &tm);
    return LocalTime{tm.tm_year + 1900,
                     tm.tm_mon + 1,
                     tm.tm_mday,
                     tm.tm_hour,
                     tm.tm_min,
                     tm.tm_sec,
                     static_cast<int>(tm.tm_gmtoff)};
}

LocalTime SystemLocalClock::now() const {
    return LocalTimeAt(static_cast<std::int64_t>(std::time(nullptr)));
}

}  // namespace orvane::monitor
