// What the cores may ask of the window's two trend charts for an export: the records a chart
// holds now, and a picture of the chart as it is shown. Implemented by the Qt window (and by
// test fakes); window thread only.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "frontend/screen.h"

namespace orvane::frontend {

inline constexpr int ChartChannels = 8;

struct ChartRecord {
    std::int64_t timeMs = 0;                    // milliseconds since 1970 UTC
    std::array<float, ChartChannels> values{};  // channels 1..8
};

class ChartContents {
  public:
    virtual ~ChartContents() = default;
    // Oldest first.
    virtual std::vector<ChartRecord> heldRecords(Chart chart) const = 0;
    // The chart as drawn on screen, as PNG bytes; empty when no picture can be made.
    virtual std::string pictureAsPng(Chart chart) const = 0;
};

}  // namespace orvane::frontend
