// How healthy the bus to the unit is since the link last started: the exchanges by outcome,
// the measured poll-cycle period, the longest exchange and when the last one failed. The
// device link reports every exchange to it, the poll cycle every completed pass; the link's
// start clears it. Owned by the program root for the whole run; window thread only.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "link/exchange_observer.h"
#include "link/monotonic_clock.h"
#include "monitor/local_clock.h"
#include "monitor/poll_cycle.h"

namespace orvane::monitor {

inline constexpr std::size_t ExchangeOutcomeCount =
    static_cast<std::size_t>(link::ExchangeOutcome::WrongAnswer) + 1;

struct BusHealthFigures {
    std::array<std::uint64_t, ExchangeOutcomeCount> exchanges{};  // by outcome
    // From one completed poll cycle to the next; nothing until two have completed.
    std::optional<std::chrono::microseconds> cyclePeriod;
    std::chrono::microseconds longestExchange{0};
    std::optional<LocalTime> lastFailure;  // the PC's local time when it ended
    std::uint64_t reconnects = 0;          // times the port's device came back

    std::uint64_t count(link::ExchangeOutcome outcome) const {
        return exchanges[static_cast<std::size_t>(outcome)];
    }
    std::uint64_t total() const;
    // Answered share in tenths of a percent, rounded down so that any failure shows below
    // 100.0; nothing before the first exchange.
    std::optional<std::uint64_t> answeredPerMille() const;
};

class BusHealth final : public link::ExchangeObserver, public CycleWatcher {
  public:
    // Both clocks must outlive this object: `clock` times the cycles, `localClock` tells
    // when a failure happened.
    BusHealth(const link::MonotonicClock& clock, const LocalClock& localClock);

    void exchangeFinished(link::ExchangeOutcome outcome,
                          std::chrono::microseconds duration) override;
    void cycleCompleted() override;
    // The port's device came back after it went away. The time it was away is no cycle.
    void reconnected();
    // The link starts: every figure back to none.
    void reset();

    const BusHealthFigures& figures() const { return figures_; }

  private:
    const link::MonotonicClock& clock_;
    const LocalClock& localClock_;
    BusHealthFigures figures_;
    std::optional<std::chrono::microseconds> lastCycleEnd_;
};

}  // namespace orvane::monitor
