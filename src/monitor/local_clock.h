// The PC's local date and time, injected so tests choose the moment.
#pragma once

namespace orvane::monitor {

struct LocalTime {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
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

}  // namespace orvane::monitor
