// The decoded side of the live link: one smoothing filter per measurement word, the
// smoothed and the latest raw words. Plain data owned by the program root for the whole run;
// window thread only.
#pragma once

#include <array>
#include <cstdint>

#include "monitor/poll_state.h"
#include "monitor/sample_filter.h"

namespace orvane::monitor {

inline constexpr std::size_t TrendWordCount = TrendBlockSize / 2;  // 54

struct RealtimeData {
    std::array<monitor::SampleFilter, TrendWordCount> SampleFilter{};
    std::array<std::uint16_t, TrendWordCount> SmoothedSamples{};  // shown and plotted
    std::array<std::uint16_t, TrendWordCount> LatestSamples{};    // counters and totals
    bool FilterSeedPending = true;       // the next TrendBlock seeds the filters
    std::uint64_t TrendBlocksTaken = 0;  // since the window was shown

    // Window shown: every filter gets its smoothing factors and waits for a first sample,
    // and the count of blocks taken starts again.
    void ResetFilters();
};

}  // namespace orvane::monitor
