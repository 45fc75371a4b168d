// The PC's local date and time, injected so tests choose the moment.
#pragma once

#include <cstdint>

namespace orvane::monitor {

struct LocalTime {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int utcOffsetSeconds = 0;  // local time minus UTC (3600 for CET in winter)
};

class LocalClock {
  public:
    virtual ~LocalClock() = default;
    virtual LocalTime now() const = 0;
};

class SystemLocalClock final : public LocalClock {
  public:
    LocalTime now() const override;
};

// The local time of the PC's time zone at `epochSeconds` (seconds since 1970 UTC).
LocalTime LocalTimeAt(std::int64_t epochSeconds);

}  // namespace orvane::monitor
