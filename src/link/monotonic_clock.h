// Time that only moves forward, for the durations the link and its watchers measure (how
// long an exchange took, how long a poll cycle lasts). Injected so tests set it. The
// program root owns the system one; window thread.
#pragma once

#include <chrono>

namespace orvane::link {

class MonotonicClock {
  public:
    virtual ~MonotonicClock() = default;
    // Since an arbitrary start that stays the same for the whole run.
    virtual std::chrono::microseconds now() const = 0;
};

// The system's steady clock.
class SteadyClock final : public MonotonicClock {
  public:
    std::chrono::microseconds now() const override;
};

}  // namespace orvane::link
