#include "monitor/bus_health.h"

#include <algorithm>
#include <numeric>

namespace orvane::monitor {

std::uint64_t BusHealthFigures::total() const {
    return std::accumulate(exchanges.begin(), exchanges.end(), std::uint64_t{0});
}

std::optional<std::uint64_t> BusHealthFigures::answeredPerMille() const {
    const std::uint64_t all = total();
    if (all == 0)
        return std::nullopt;
    return count(link::ExchangeOutcome::Answered) * 1000 / all;
}

BusHealth::BusHealth(const link::MonotonicClock& clock, const LocalClock& localClock)
    : clock_(clock), localClock_(localClock) {}

void BusHealth::exchangeFinished(link::ExchangeOutcome outcome,
                                 std::chrono::microseconds duration) {
    ++figures_.exchanges[static_cast<std::size_t>(outcome)];
    figures_.longestExchange = std::max(figures_.longestExchange, duration);
    if (outcome != link::ExchangeOutcome::Answered)
        figures_.lastFailure = localClock_.now();
}

void BusHealth::cycleCompleted() {
    const std::chrono::microseconds now = clock_.now();
    if (lastCycleEnd_)
        figures_.cyclePeriod = now - *lastCycleEnd_;
    lastCycleEnd_ = now;
}

void BusHealth::reconnected() {
    ++figures_.reconnects;
    lastCycleEnd_.reset();
}

void BusHealth::reset() {
    figures_ = BusHealthFigures{};
    lastCycleEnd_.reset();
}

}  // namespace orvane::monitor
