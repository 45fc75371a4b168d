#include "monitor/realtime_data.h"

namespace orvane::monitor {

namespace {
// About a tenth of the way towards each new sample.
constexpr std::uint16_t SmoothingA = 1000;
constexpr std::uint16_t SmoothingB = 100;
}  // namespace

void RealtimeData::ResetFilters() {
    for (auto& filter : SampleFilter)
        SetFilterGain(filter, SmoothingA, SmoothingB);
    FilterSeedPending = true;
    TrendBlocksTaken = 0;
}

}  // namespace orvane::monitor
